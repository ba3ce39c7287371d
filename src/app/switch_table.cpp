#include "app/switch_table.h"

#include "app/text_utils.h"

namespace lorvane {

const std::array<SwitchRow, kSwitchCount> kSwitchTable = {{
    {"/A  Avec l'attribut Archive, ne modifie pas l'attribut", false},
    {"/M  Idem mais Modifie l'attribut", false},
    {"/D [:date] à partir de -, sans date > à heure destination", false, true},
    {"/P  Avertit avant de créer chaque fichier destination.", false, false, true},
    {"/S  Copie les répertoires et sous-répertoires non vides.", true},
    {"/E  Idem mais même les vides. Utilisé pour modifier /T", true},
    {"/W  Demande d'appuyer sur une touche avant la copie", false, false, true},
    {"/C  Continue la copie même en cas d'erreurs", true},
    {"/I  Si une destination n'existe pas, alors répertoire", false, false, true},
    {"/Q  N'affiche pas le nom des fichiers lors de la copie", false},
    {"/F  Affiche les noms complets source et destination", false},
    {"/L  Affiche les fichiers qui seraient copiés (simulation)", false},
    {"/H  Copie aussi les fichiers système et cachés", true},
    {"/R  Écrase les fichiers en lecture seule", false},
    {"/T  Crée arborescence, pas répertoires vides (voir /E)", false},
    {"/U  Met à jour les fichiers dans destination", false},
    {"/K  Copie les attributs. Sinon efface lecture seule", false},
    {"/Y  Écrase les fichiers sans avertir", true},
    {"/-Y  Avertit avant l'écrasement des fichiers", false, false, true},
    {"/N  Copie avec les noms courts générés", false},
}};

std::string TokenFromLabel(std::string_view label) { return std::string(TrimBlanks(label.substr(0, 3))); }

}  // namespace lorvane
