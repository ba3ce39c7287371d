#pragma once
// What running and exporting the command say and write.

#include <string>

namespace lorvane::texts {

inline constexpr const char* kRunQuestion = "Voulez-vous exécuter la commande DOS ";
inline constexpr const char* kRunTitle = "°Lorvane°";
inline constexpr const char* kSavedCaption = "Lorvane (MS-DOS) - ";
inline constexpr const char* kNotSavedCaption = "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARDÉ";

// A character the console's code page lacks, named before anything is written.
inline std::string UnwritableCharacter(char character, unsigned codePage) {
    return std::string("Le caractère « ") + character +
           " » ne peut pas être écrit dans un fichier de commandes : la console (page de codes " +
           std::to_string(codePage) + ") ne le connaît pas.\nRien n'a été enregistré.";
}
inline constexpr const char* kUnwritableTitle = "Lorvane : caractère impossible à écrire";

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
// The program folder has no name the batch file could hold exactly.
inline constexpr const char* kProgramFolderUnnamable =
    "Le dossier de Lorvane a un nom que les commandes MS-DOS ne peuvent pas écrire, et ce volume "
    "ne lui donne pas de nom court.\nPlacez Lorvane dans un autre dossier pour exécuter ou "
    "enregistrer la commande.";
inline constexpr const char* kProgramFolderTitle = "Lorvane : dossier du programme";

}  // namespace lorvane::texts
