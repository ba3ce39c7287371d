#pragma once
// What the activity log says to the user.

namespace lorvane::texts {

inline constexpr const char* kActivityNotice =
    "Cette fonction sera automatiquement désactivée si vous avez choisi un argument demandant "
    "votre intervention";
inline constexpr const char* kActivityTitle = "Lorvane : enregistrement de l'activité";

}  // namespace lorvane::texts
