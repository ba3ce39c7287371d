#pragma once
// The texts the main window shows on its controls (the menu's are in its table).

namespace lorvane::texts {

inline constexpr const char* kCaption = "Lorvane (MS-DOS)";
// The title of the window's questions (running the command, replacing the switches).
inline constexpr const char* kQuestionTitle = "°Lorvane°";
// The title of every message saying that the shell could not open a file or an address.
inline constexpr const char* kShellOpenFailedTitle = "Lorvane : ouverture impossible";

inline constexpr const char* kFrameSource = "Source";
inline constexpr const char* kFrameDestination = "Destination";
inline constexpr const char* kFrameSwitches = "Commutateurs";
inline constexpr const char* kFrameCommand = "XCOPY";

inline constexpr const char* kLabelSourceCurrent = "Répertoire Courant (''.'' - là où est l'invite MS-DOS)";
inline constexpr const char* kLabelDestinationCurrent = "Répertoire Courant (par défaut là où est l'invite MS-DOS)";
inline constexpr const char* kLabelSourcePart = "Source :";
inline constexpr const char* kLabelDestinationPart = "Destination :";
inline constexpr const char* kLabelSwitchesPart = "Commutateurs :";
inline constexpr const char* kGo = "GO !";

// What screen readers call the controls that have no label of their own: each side's
// lists and level buttons, then the full command line.
inline constexpr const char* kSourceNames[6] = {"Source : lecteur",           "Source : dossiers",
                                                "Source : fichiers",          "Source : niveau lecteur",
                                                "Source : niveau répertoire", "Source : niveau fichier"};
inline constexpr const char* kDestinationNames[6] = {"Destination : lecteur",           "Destination : dossiers",
                                                     "Destination : fichiers",          "Destination : niveau lecteur",
                                                     "Destination : niveau répertoire", "Destination : niveau fichier"};
inline constexpr const char* kFullLineName = "Ligne de commande complète";

// What each level button of a side picks, shown when the pointer rests on it.
inline constexpr const char* kLevelHelp[3] = {
    "Niveau lecteur : la racine du lecteur choisi, par exemple C:\\.",
    "Niveau répertoire : tous les fichiers du répertoire ouvert.",
    "Niveau fichier : le fichier cliqué dans la liste ; sans fichier cliqué, le répertoire ouvert suivi de \\.",
};

}  // namespace lorvane::texts
