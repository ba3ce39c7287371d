#pragma once
// The texts the main window shows on its controls and menus.

namespace lorvane::texts {

inline constexpr const char* kCaption = "Lorvane (MS-DOS)";

inline constexpr const char* kFrameSource = "Source";
inline constexpr const char* kFrameDestination = "Destination";
inline constexpr const char* kFrameSwitches = "Commutateurs";
inline constexpr const char* kFrameCommand = "XCOPY";

inline constexpr const char* kLabelSourceCurrent =
    "Répertoire Courant (''.'' - là où est l'invite MS-DOS)";
inline constexpr const char* kLabelDestinationCurrent =
    "Répertoire Courant (par défaut là où est l'invite MS-DOS)";
inline constexpr const char* kLabelSourcePart = "Source :";
inline constexpr const char* kLabelDestinationPart = "Destination :";
inline constexpr const char* kLabelSwitchesPart = "Commutateurs :";
inline constexpr const char* kGo = "GO !";

inline constexpr const char* kMnuFichier = "&Fichier";
inline constexpr const char* kMnuExecuter = "&Exécuter ! (GO)";
inline constexpr const char* kMnuSauvegarder = "&Sauvegarder";
inline constexpr const char* kMnuSActivite = "&Activité (*.txt)";
inline constexpr const char* kMnuSBatch = "Commande Complète Exécutable (*.&Bat)...";
inline constexpr const char* kMnuProfil = "Commutateurs / &profil (*.lvp)...";
inline constexpr const char* kMnuOuvrir = "&Ouvrir";
inline constexpr const char* kMnuOActivite = "Dernière &activité enregistrée";
inline constexpr const char* kMnuQuitter = "&Quitter";
inline constexpr const char* kMnuEdition = "&Edition";
inline constexpr const char* kMnuSelect = "Sélectionner tout";
inline constexpr const char* kMnuCouper = "Couper";
inline constexpr const char* kMnuCopier = "Copier";
inline constexpr const char* kMnuColler = "Coller";
inline constexpr const char* kMnuTruc = "&?";
inline constexpr const char* kMnuAide = "&Aide";
inline constexpr const char* kMnuApropos = "À &propos";

}  // namespace lorvane::texts
