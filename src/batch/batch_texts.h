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
    "programme.\nL'enregistrer quand même sous ce nom ?\n(Non : choisir un autre nom)";
inline constexpr const char* kExportTitle = "Lorvane : enregistrement de la commande";

}  // namespace lorvane::texts
