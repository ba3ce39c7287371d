#pragma once
// What running and exporting the command say and write.

#include <cstddef>
#include <string>

#include "app/window_texts.h"

namespace lorvane::texts {

inline constexpr const char* kRunQuestion = "Voulez-vous exécuter la commande DOS ";
// After a batch file is written, the caption names it, or says that it was not.
inline std::string SavedCaption(const std::string& outcome) { return std::string(kCaption) + " - " + outcome; }
inline constexpr const char* kNotSaved = "ERREUR - NON SAUVEGARDÉ";

// What a refusal ends with: a run executes nothing, an export writes nothing.
inline constexpr const char* kNothingRun = "Rien n'a été exécuté.";
inline constexpr const char* kNothingSaved = "Rien n'a été enregistré.";

// A character the console's code page lacks, in a name without a short name of its own (or
// outside any name), named before anything is written or asked.
inline std::string UnwritableCharacter(const std::string& character, unsigned codePage, const char* nothingDone) {
    return "Le caractère « " + character +
           " » ne peut pas être écrit dans un fichier de commandes : la console (page de codes " +
           std::to_string(codePage) + ") ne le connaît pas.\n" + nothingDone;
}
inline constexpr const char* kUnwritableTitle = "Lorvane : caractère impossible à écrire";

// A line break, a tab or another control character in the command line (pasted with the
// text, most often): the command interpreter would end the line there, or run what follows.
inline std::string ControlCharacterRefused(const std::string& named, bool feminine, const char* nothingDone) {
    return "La ligne de commande contient " + named +
           ", que l'interpréteur de commandes prendrait pour une fin de ligne ou un séparateur.\nRetirez-" +
           (feminine ? "la de la commande (elle a pu être collée" : "le de la commande (il a pu être collé") +
           " avec le texte). " + nothingDone;
}
inline constexpr const char* kLineBreak = "un saut de ligne";
inline constexpr const char* kCarriageReturn = "un retour chariot";
inline constexpr const char* kTab = "une tabulation";
inline std::string OtherControlCharacter(const std::string& code) { return "le caractère de contrôle " + code; }

// The command interpreter reads at most this many characters of a line.
inline std::string LineTooLong(std::size_t length, std::size_t limit, const char* nothingDone) {
    return "La ligne de commande compte " + std::to_string(length) +
           " caractères : l'interpréteur de commandes n'en lit que " + std::to_string(limit) +
           " par ligne.\nRaccourcissez-la. " + nothingDone;
}
inline constexpr const char* kCommandRefusedTitle = "Lorvane : commande impossible à écrire";

inline constexpr const char* kBatchDefaultExt = "bat";
inline constexpr const char* kBatchFilter = "Fichiers BATCH (DOS)|*.bat";
inline constexpr const char* kBatchDialogTitle = "Enregistrer la commande complète (Batch) sous";

inline constexpr const char* kExportDeletedAtExit =
    "Un fichier « Cmd.bat » placé dans le dossier de Lorvane est effacé à la fermeture du "
    "programme.\nL'enregistrer quand même sous ce nom ?\n(Non : choisir un autre nom)";
inline constexpr const char* kExportTitle = "Lorvane : enregistrement de la commande";

inline std::string DestinationRefused(const std::string& destination) {
    return "La commande n'est pas exécutée : XCOPY demanderait si la destination « " + destination +
           " » est un fichier ou un dossier, et avec l'enregistrement de l'activité, sa question se "
           "répéterait sans fin dans lv.txt.\nTerminez la destination par « \\ » pour désigner un "
           "dossier (il est créé s'il n'existe pas), ou nommez un fichier ou un dossier qui existe.";
}
inline constexpr const char* kDestinationTitle = "Lorvane : destination à préciser";
// Copies that would destroy what the user did not ask to change, or that XCOPY cannot read.
inline std::string SeveralFilesOntoOneFile(const std::string& destination) {
    return "La commande n'est pas exécutée : la source désigne plusieurs fichiers (un dossier, des caractères "
           "génériques ou les sous-dossiers) et la destination « " +
           destination +
           " » est un fichier qui existe. Chaque fichier copié y remplacerait le précédent, et son contenu serait "
           "perdu.\nPour copier dans un dossier, terminez la destination par « \\ » ; pour remplacer ce fichier, "
           "choisissez un seul fichier source, sans les sous-dossiers.";
}
inline std::string DestinationInsideSource(const std::string& source, const std::string& destination) {
    return "La commande n'est pas exécutée : la destination « " + destination + " » est le dossier source « " + source +
           " » ou se trouve dedans. Avec les sous-dossiers (/S, /E), XCOPY recopierait sans fin ce qu'il "
           "vient de copier.\nChoisissez une destination hors du dossier source, ou décochez /S et /E.";
}
inline std::string PathTooLong(const std::string& path, std::size_t length, std::size_t limit) {
    return "La commande n'est pas exécutée : le chemin « " + path + " » compte " + std::to_string(length) +
           " caractères, et XCOPY ne lit pas un chemin de plus de " + std::to_string(limit) +
           " caractères, même écrit avec les noms courts.\nChoisissez un dossier plus proche de la racine du "
           "disque, ou raccourcissez les noms des dossiers.";
}
inline constexpr const char* kCopyRefusedTitle = "Lorvane : copie refusée";
// The system cannot tell where the program lies: the batch file would go elsewhere.
inline constexpr const char* kProgramFolderUnknown =
    "Le dossier de Lorvane n'a pas pu être déterminé.\nRien n'a été exécuté ni enregistré.";
inline constexpr const char* kProgramFolderTitle = "Lorvane : dossier du programme";
// The run's batch file goes beside the program, in a folder the user may not write in.
inline std::string ProgramFolderReadOnly(const std::string& folder) {
    return "Lorvane ne peut pas écrire dans son dossier (« " + folder +
           " ») : il y écrit le fichier de commandes qu'il exécute.\nPlacez le dossier de Lorvane là où vous "
           "pouvez écrire (vos documents, une clé USB...), pas dans « Program Files ». Rien n'a été exécuté.";
}
// The run's batch file could not be replaced: a console still paused on it holds it, most often.
inline std::string BatchNotWritten(const std::string& path) {
    return "Le fichier de commandes « " + path +
           " » n'a pas pu être écrit : la console d'une exécution précédente l'utilise peut-être encore (elle "
           "attend une touche après « pause »), ou le disque est plein.\nFermez cette console, puis cliquez à "
           "nouveau sur « GO ! ». Rien n'a été exécuté.";
}
inline std::string BatchNotOpened(const std::string& path) {
    return "Windows n'a pas pu lancer le fichier de commandes « " + path +
           " » : la copie n'a pas été exécutée.\nVérifiez que les fichiers .bat s'ouvrent avec l'invite de "
           "commandes (cmd.exe), ou lancez ce fichier vous-même.";
}
// The command interpreter cannot work in a network folder: it would start in Windows' own.
inline std::string ProgramFolderOnNetwork(const std::string& folder) {
    return "Lorvane est dans un dossier réseau (« " + folder +
           " ») : l'interpréteur de commandes ne peut pas s'y placer, il partirait du dossier de Windows et "
           "la commande ne s'exécuterait pas là où vous l'attendez.\nCopiez Lorvane sur un disque de cet "
           "ordinateur, ou associez une lettre de lecteur au partage (« Connecter un lecteur réseau ») et "
           "lancez Lorvane depuis ce lecteur. Rien n'a été exécuté.";
}

}  // namespace lorvane::texts
