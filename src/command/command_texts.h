#pragma once
// What the pickers say to the user.

#include <string>

namespace lorvane::texts {

inline std::string UnreadableFolder(const std::string& path) {
    return "Le dossier « " + path +
           " » n'existe plus ou ne peut pas être lu.\nLa liste reste sur le dossier précédent.";
}
inline constexpr const char* kUnreadableFolderTitle = "Lorvane : dossier inaccessible";

}  // namespace lorvane::texts
