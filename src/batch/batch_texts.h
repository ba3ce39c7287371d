#pragma once
// What running and exporting the command say and write.

namespace lorvane::texts {

inline constexpr const char* kRunQuestion = "Voulez-vous exécuter la commande DOS ";
inline constexpr const char* kRunTitle = "°Lorvane°";
inline constexpr const char* kSavedCaption = "Lorvane (MS-DOS) - ";
inline constexpr const char* kNotSavedCaption = "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARDÉ";

inline constexpr const char* kBatchDefaultExt = "bat";
inline constexpr const char* kBatchFilter = "Fichiers BATCH (DOS)|*.bat";
inline constexpr const char* kBatchDialogTitle = "Enregistrer la commande complète (Batch) sous";

inline constexpr const char* kExportDeletedAtExit =
    "Un fichier « Cmd.bat » placé dans le dossier de Lorvane est effacé à la fermeture du "
    "programme.\nChoisissez un autre nom pour garder cette commande.";
inline constexpr const char* kExportTitle = "Lorvane : enregistrement de la commande";

// The program folder has no name the batch file could hold exactly.
inline constexpr const char* kProgramFolderUnnamable =
    "Le dossier de Lorvane a un nom que les commandes MS-DOS ne peuvent pas écrire, et ce volume "
    "ne lui donne pas de nom court.\nPlacez Lorvane dans un autre dossier pour exécuter ou "
    "enregistrer la commande.";
inline constexpr const char* kProgramFolderTitle = "Lorvane : dossier du programme";

}  // namespace lorvane::texts
