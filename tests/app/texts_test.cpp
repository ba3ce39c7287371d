// Every text the user reads, written out once, byte for byte, against the constant the
// program shows. Other tests compare with the constants, so a changed text fails here alone.
#include <gtest/gtest.h>

#include <ranges>

#include "about/about_texts.h"
#include "app/menu_table.h"
#include "app/window_texts.h"
#include "batch/batch_texts.h"
#include "command/command_texts.h"
#include "profile/activity_texts.h"
#include "profile/profile_texts.h"
#include "rules/rules_texts.h"

namespace lorvane {
namespace {

using namespace texts;

// A list's texts, or a table's column, one after the other.
template <typename Texts = std::initializer_list<std::string>>
std::string Join(const Texts& texts) {
    std::string joined;
    for (const auto& text : texts) joined += (joined.empty() ? "" : "|") + std::string(text);
    return joined;
}

TEST(Texts, EveryTextReadsAsWritten) {
    const std::pair<std::string, std::string> rows[] = {
        {Join({kCaption, kQuestionTitle, kRunQuestion, SavedCaption(kNotSaved), kFrameSource, kFrameDestination,
               kFrameSwitches, kFrameCommand, kLabelSourceCurrent, kLabelDestinationCurrent, kLabelSourcePart,
               kLabelDestinationPart, kLabelSwitchesPart, kGo}),
         "Lorvane (MS-DOS)|°Lorvane°|Voulez-vous exécuter la commande DOS |Lorvane (MS-DOS) - ERREUR - NON SAUVEGARDÉ|"
         "Source|Destination|Commutateurs|XCOPY|Répertoire Courant (''.'' - là où est l'invite MS-DOS)|Répertoire "
         "Courant (par défaut là où est l'invite MS-DOS)|Source :|Destination :|Commutateurs :|GO !"},
        {Join({Join(kSourceNames), Join(kDestinationNames), kFullLineName, Join(kLevelHelp)}),
         "Source : lecteur|Source : dossiers|Source : fichiers|Source : niveau lecteur|Source : niveau répertoire|"
         "Source : niveau fichier|Destination : lecteur|Destination : dossiers|Destination : fichiers|Destination : "
         "niveau lecteur|Destination : niveau répertoire|Destination : niveau fichier|Ligne de commande complète|"
         "Niveau lecteur : la racine du lecteur choisi, par exemple C:\\.|Niveau répertoire : tous les fichiers du "
         "répertoire ouvert.|Niveau fichier : le fichier cliqué dans la liste ; sans fichier cliqué, le répertoire "
         "ouvert suivi de \\."},
        {Join({UnwritableCharacter("Ł", 437, kNothingSaved), kUnwritableTitle,
               ControlCharacterRefused(kTab, true, kNothingRun),
               ControlCharacterRefused(kLineBreak, false, kNothingRun), kCarriageReturn,
               OtherControlCharacter("U+0001"), LineTooLong(9000, 8191, kNothingSaved), kCommandRefusedTitle}),
         "Le caractère « Ł » ne peut pas être écrit dans un fichier de commandes : la console (page de codes 437) ne "
         "le connaît pas.\nRien n'a été enregistré.|Lorvane : caractère impossible à écrire|La ligne de commande "
         "contient une tabulation, que l'interpréteur de commandes prendrait pour une fin de ligne ou un "
         "séparateur.\nRetirez-la de la commande (elle a pu être collée avec le texte). Rien n'a été exécuté.|La ligne "
         "de commande contient un saut de ligne, que l'interpréteur de commandes prendrait pour une fin de ligne ou un "
         "séparateur.\nRetirez-le de la commande (il a pu être collé avec le texte). Rien n'a été exécuté.|un retour chariot|le caractère de contrôle U+0001|La ligne de commande compte 9000 caractères : "
         "l'interpréteur de commandes n'en lit que 8191 par ligne.\nRaccourcissez-la. Rien n'a été enregistré.|Lorvane "
         ": commande impossible à écrire"},
        {Join({kBatchDefaultExt, kBatchFilter, kBatchDialogTitle, kExportDeletedAtExit, kExportTitle,
               DestinationRefused("D:\\x"), kDestinationTitle}),
         "bat|Fichiers BATCH (DOS)|*.bat|Enregistrer la commande complète (Batch) sous|Un fichier « Cmd.bat » placé "
         "dans le dossier de Lorvane est effacé à la fermeture du programme.\nL'enregistrer quand même sous ce nom "
         "?\n(Non : choisir un autre nom)|Lorvane : enregistrement de la commande|La commande n'est pas exécutée : "
         "XCOPY demanderait si la destination « D:\\x » est un fichier ou un dossier, et avec l'enregistrement de "
         "l'activité, sa question se répéterait sans fin dans lv.txt.\nTerminez la destination par « \\ » pour "
         "désigner un dossier (il est créé s'il n'existe pas), ou nommez un fichier ou un dossier qui existe.|Lorvane "
         ": destination à préciser"},
        {Join({BatchNotWritten("C:\\L\\batch.bat"), BatchNotOpened("C:\\L\\batch.bat"), NoActivityYet("C:\\L\\lv.txt"),
               ActivityNotOpened("C:\\L\\lv.txt"), HelpNotOpened("C:\\L\\lorvane.html"), AddressNotOpened("https://a"),
               kShellOpenFailedTitle}),
         "Le fichier de commandes « C:\\L\\batch.bat » n'a pas pu être écrit : la console d'une exécution précédente "
         "l'utilise peut-être encore (elle attend une touche après « pause »), ou le disque est plein.\nFermez cette "
         "console, puis cliquez à nouveau sur « GO ! ». Rien n'a été exécuté.|Windows n'a pas pu lancer le fichier de "
         "commandes « C:\\L\\batch.bat » : la copie n'a pas été exécutée.\nVérifiez que les fichiers .bat s'ouvrent "
         "avec l'invite de commandes (cmd.exe), ou lancez ce fichier vous-même.|Aucune activité n'a encore été "
         "enregistrée : « C:\\L\\lv.txt » n'existe pas.\nActivez Fichier > Sauvegarder > Activité, puis lancez une "
         "copie avec « GO ! ».|Windows n'a pas pu ouvrir « C:\\L\\lv.txt » : aucun programme n'est peut-être associé "
         "aux fichiers .txt.\nOuvrez-le vous-même avec un éditeur de texte (le Bloc-notes, par exemple).|Windows n'a "
         "pas pu ouvrir l'aide « C:\\L\\lorvane.html » : le fichier manque à côté de Lorvane, ou aucun navigateur "
         "n'est associé aux pages .html.\nOuvrez-la vous-même dans votre navigateur.|Windows n'a pas pu ouvrir "
         "l'adresse « https://a » : aucun navigateur n'est peut-être associé aux adresses web.\nCopiez-la dans votre "
         "navigateur.|Lorvane : ouverture impossible"},
        {Join({SeveralFilesOntoOneFile("D:\\f"), DestinationInsideSource("C:\\s", "C:\\s\\d"),
               PathTooLong("C:\\p", 300, 257), kCopyRefusedTitle}),
         "La commande n'est pas exécutée : la source désigne plusieurs fichiers (un dossier, des caractères "
         "génériques ou les sous-dossiers) et la destination « D:\\f » est un fichier qui existe. Chaque fichier "
         "copié y remplacerait le précédent, et son contenu serait perdu.\nPour copier dans un dossier, terminez la "
         "destination par « \\ » ; pour remplacer ce fichier, choisissez un seul fichier source, sans les "
         "sous-dossiers.|La commande n'est pas exécutée : la destination « C:\\s\\d » est le dossier source « C:\\s » "
         "ou se trouve dedans. Avec les sous-dossiers (/S, /E), XCOPY recopierait sans fin ce qu'il vient de "
         "copier.\nChoisissez une destination hors du dossier source, ou décochez /S et /E.|La commande n'est pas "
         "exécutée : le chemin « C:\\p » compte 300 caractères, et XCOPY ne lit pas un chemin de plus de 257 "
         "caractères, même écrit avec les noms courts.\nChoisissez un dossier plus proche de la racine du disque, ou "
         "raccourcissez les noms des dossiers.|Lorvane : copie refusée"},
        {Join({kProgramFolderUnknown, kProgramFolderTitle, ProgramFolderReadOnly("C:\\P"),
               ProgramFolderOnNetwork("\\\\s\\p"), UnreadableFolder("C:\\D"), kUnreadableFolderTitle,
               UnspellableName("n", "c"), kUnspellableNameTitle, kEndsWithDot, kEndsWithBlank,
               HoldsReservedCharacter("?"), kHoldsLoneSurrogate, kBlankShown}),
         "Le dossier de Lorvane n'a pas pu être déterminé.\nRien n'a été exécuté ni enregistré.|Lorvane : dossier du "
         "programme|Lorvane ne peut pas écrire dans son dossier (« C:\\P ») : il y écrit le fichier de commandes qu'il "
         "exécute.\nPlacez le dossier de Lorvane là où vous pouvez écrire (vos documents, une clé USB...), pas dans « "
         "Program Files ». Rien n'a été exécuté.|Lorvane est dans un dossier réseau (« \\\\s\\p ») : l'interpréteur de "
         "commandes ne peut pas s'y placer, il partirait du dossier de Windows et la commande ne s'exécuterait pas là "
         "où vous l'attendez.\nCopiez Lorvane sur un disque de cet ordinateur, ou associez une lettre de lecteur au "
         "partage (« Connecter un lecteur réseau ») et lancez Lorvane depuis ce lecteur. Rien n'a été exécuté.|Le "
         "dossier « C:\\D » n'existe plus ou ne peut pas être lu.\nLa liste reste sur le dossier précédent.|Lorvane : "
         "dossier inaccessible|Le nom « n » ne peut pas être transmis tel quel à Windows : c, et Lorvane n'a pas de nom "
         "court pour le remplacer.\nRenommez-le depuis Linux (ou depuis le système qui l'a créé), ou choisissez le "
         "dossier qui le contient. La liste reste où elle était.|Lorvane : nom illisible par Windows|il finit par un "
         "point, que Windows retire (il désignerait un autre élément)|il finit par une espace, que Windows retire (il "
         "désignerait un autre élément)|il contient « ? », que Windows n'accepte pas dans un nom|il contient un "
         "caractère incomplet (une moitié de paire UTF-16, montrée « � »)|[espace]"},
        {Join({kDatePrompt, kDateTitle, kConflictIntro, kConflictYes, kConflictNo, kConflictTitle, kActivityNotice,
               kActivityTitle}),
         "Vous avez coché le choix «DATE» qui copie les fichiers modifiés >= à la date que vous donnerez.  Sans date, "
         "ne seront copiés que les fichiers dont la date et heure sont supérieurs à la destination.|Entrez une date|"
         "vous avez choisi un argument incompatible avec l'enregistrement de l'activité.|Si vous répondez OUI, "
         "l'enregistrement de l'activité sera désactivé|Si vous répondez NON, l'argument choisi ne sera pas activé.|"
         "Enregistrement d'activité : incompatibilité|Cette fonction sera automatiquement désactivée si vous avez "
         "choisi un argument demandant votre intervention|Lorvane : enregistrement de l'activité"},
        {Join({kProfileQuestion, kProfileNameLater, kProfileDefaultExt, kProfileFilter, kProfileSaveTitle,
               kProfileOpenTitle, kProfileErrorTitle, ProfileNotWritten("p"), ProfileNotRead("p"),
               ProfileTooShort("p", 4), ProfileBadValue("p", 3, "x")}),
         "Enregistrer le profil (arguments) |[Nom choisi plus loin ...]|lvp|PROFILS Lorvane|*.lvp|Enregistrer le "
         "profil sous|Ouvrir un profil (arguments)|Lorvane : profil|Le profil « p » n'a pas pu être enregistré.\nLe "
         "fichier qui portait ce nom, s'il existait, est intact.|Le profil « p » ne peut pas être lu.\nAucun "
         "commutateur n'a été modifié.|Le profil « p » est incomplet : il s'arrête à la ligne 4 avant la vingtième "
         "valeur.\nAucun commutateur n'a été modifié.|Le profil « p » est incorrect à la ligne 3 : « x » n'est pas 0, "
         "1 ou 2.\nAucun commutateur n'a été modifié."},
        {Join({kApplicationTitle, kAboutCaptionPrefix, kVersionPrefix, kDesignTitle, kDesignVersion, kOk, kSysInfo,
               kSysInfoUnavailable, kHelpDocument, kMakerAddress, kDescription, kDisclaimer}),
         "Lorvane|À propos de |Version |Titre de l'application|Version|OK|&Infos système...|Les informations système "
         "ne sont pas disponibles actuellement|lorvane.html|"
         "https://learn.microsoft.com/fr-fr/windows-server/administration/windows-commands/xcopy|Interface graphique "
         "sous Windows 98, 2000, XP entre la commande MS-DOS Xcopy et l'utilisateur|Lorvane écrit des commandes de "
         "copie et les fait exécuter par Windows. Vérifiez chaque commande avant de l'exécuter : une copie mal dirigée "
         "peut écraser des fichiers."},
        {Join(kMainMenu | std::views::transform(&MenuRow::caption)),
         "&Fichier|&Exécuter ! (GO)|&Sauvegarder|&Activité (*.txt)|Commande Complète Exécutable (*.&Bat)...|"
         "Commutateurs / &profil (*.lvp)...|&Ouvrir|Dernière &activité enregistrée|Commutateurs / &profil (*.lvp)...|"
         "&Quitter|&Edition|Sélectionner tout|Couper|Copier|Coller|&?|&Aide|À &propos"},
        {Join(kSwitchTable | std::views::transform(&SwitchRow::description)),
         "/A  Avec l'attribut Archive, ne modifie pas l'attribut|/M  Idem mais Modifie l'attribut|/D [:date] à partir "
         "de -, sans date > à heure destination|/P  Avertit avant de créer chaque fichier destination.|/S  Copie les "
         "répertoires et sous-répertoires non vides.|/E  Idem mais même les vides. Utilisé pour modifier /T|/W  "
         "Demande d'appuyer sur une touche avant la copie|/C  Continue la copie même en cas d'erreurs|/I  Si une "
         "destination n'existe pas, alors répertoire|/Q  N'affiche pas le nom des fichiers lors de la copie|/F  "
         "Affiche les noms complets source et destination|/L  Affiche les fichiers qui seraient copiés (simulation)|"
         "/H  Copie aussi les fichiers système et cachés|/R  Écrase les fichiers en lecture seule|/T  Crée "
         "arborescence, pas répertoires vides (voir /E)|/U  Met à jour les fichiers dans destination|/K  Copie les "
         "attributs. Sinon efface lecture seule|/Y  Écrase les fichiers sans avertir|/-Y  Avertit avant l'écrasement "
         "des fichiers|/N  Copie avec les noms courts générés"},
    };
    for (const auto& [text, expected] : rows) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace lorvane
