#include "app/switch_table.h"

#include "app/text_utils.h"

namespace lorvane {

const std::array<SwitchRow, kSwitchCount> kSwitchTable = {{
    {"/A  Avec l'attribut Archive, ne modifie pas l'attribut", false, false, false,
     "Copie seulement les fichiers dont l'attribut Archive est mis, sans toucher à cet attribut."},
    {"/M  Idem mais Modifie l'attribut", false, false, false,
     "Copie seulement les fichiers dont l'attribut Archive est mis, puis l'enlève des fichiers source : la copie suivante ne reprend que ce qui a changé depuis."},
    {"/D [:date] à partir de -, sans date > à heure destination", false, true, false,
     "Sans date : copie seulement les fichiers source plus récents que ceux de même nom dans la destination, et ceux qui n'y sont pas. Avec une date : seulement les fichiers modifiés ce jour-là ou après."},
    {"/P  Avertit avant de créer chaque fichier destination.", false, false, true,
     "Demande une confirmation avant de créer chaque fichier dans la destination."},
    {"/S  Copie les répertoires et sous-répertoires non vides.", true, false, false,
     "Copie aussi les sous-répertoires, sauf ceux qui sont vides."},
    {"/E  Idem mais même les vides. Utilisé pour modifier /T", true, false, false,
     "Copie aussi tous les sous-répertoires, vides compris. Avec /T, crée aussi les répertoires vides."},
    {"/W  Demande d'appuyer sur une touche avant la copie", false, false, true,
     "Attend l'appui sur une touche avant de commencer la copie."},
    {"/C  Continue la copie même en cas d'erreurs", true, false, false,
     "Continue la copie même quand un fichier ne peut pas être copié."},
    {"/I  Si une destination n'existe pas, alors répertoire", false, false, true,
     "Quand la destination n'existe pas et que plusieurs fichiers sont copiés, la prend pour un répertoire à créer, sans demander s'il s'agit d'un fichier ou d'un répertoire."},
    {"/Q  N'affiche pas le nom des fichiers lors de la copie", false, false, false,
     "N'affiche pas le nom des fichiers pendant la copie."},
    {"/F  Affiche les noms complets source et destination", false, false, false,
     "Affiche le chemin complet de chaque fichier source et de sa copie."},
    {"/L  Affiche les fichiers qui seraient copiés (simulation)", false, false, false,
     "Affiche les fichiers qui seraient copiés, sans rien copier."},
    {"/H  Copie aussi les fichiers système et cachés", true, false, false,
     "Copie aussi les fichiers cachés et les fichiers système, laissés de côté sinon."},
    {"/R  Écrase les fichiers en lecture seule", false, false, false,
     "Remplace aussi les fichiers en lecture seule de la destination."},
    {"/T  Crée arborescence, pas répertoires vides (voir /E)", false, false, false,
     "Crée l'arborescence des répertoires dans la destination sans copier de fichier ; les répertoires vides ne sont créés qu'avec /E."},
    {"/U  Met à jour les fichiers dans destination", false, false, false,
     "Copie seulement les fichiers qui existent déjà dans la destination : met à jour une copie."},
    {"/K  Copie les attributs. Sinon efface lecture seule", false, false, false,
     "Garde les attributs des fichiers copiés ; sans /K, l'attribut lecture seule est retiré des copies."},
    {"/Y  Écrase les fichiers sans avertir", true, false, false,
     "Remplace les fichiers existants de la destination sans demander confirmation. Le contraire de /-Y : ne cochez pas les deux."},
    {"/-Y  Avertit avant l'écrasement des fichiers", false, false, true,
     "Demande une confirmation avant de remplacer un fichier existant de la destination. Le contraire de /Y : ne cochez pas les deux."},
    {"/N  Copie avec les noms courts générés", false, false, false,
     "Copie sous les noms courts (8.3) générés par le système, pour une destination qui n'accepte que ceux-là."},
}};

std::string TokenFromLabel(std::string_view label) { return std::string(TrimBlanks(label.substr(0, 3))); }

}  // namespace lorvane
