#pragma once
// What the switch rules say to the user.

namespace lorvane::texts {

inline constexpr const char* kDatePrompt =
    "Vous avez coché le choix «DATE» qui copie les fichiers modifiés >= à la date que vous "
    "donnerez.  Sans date, ne seront copiés que les fichiers dont la date et heure sont "
    "supérieurs à la destination.";
inline constexpr const char* kDateTitle = "Entrez une date";

inline constexpr const char* kConflictIntro =
    "vous avez choisi un argument incompatible avec l'enregistrement de l'activité.";
inline constexpr const char* kConflictYes = "Si vous répondez OUI, l'enregistrement de l'activité sera désactivé";
inline constexpr const char* kConflictNo = "Si vous répondez NON, l'argument choisi ne sera pas activé.";
inline constexpr const char* kConflictTitle = "Enregistrement d'activité : incompatibilité";

}  // namespace lorvane::texts
