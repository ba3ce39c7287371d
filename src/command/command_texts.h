#pragma once
// What the pickers say to the user.

#include <string>

namespace lorvane::texts {

inline std::string UnreadableFolder(const std::string& path) {
    return "Le dossier « " + path +
           " » n'existe plus ou ne peut pas être lu.\nLa liste reste sur le dossier précédent.";
}
inline constexpr const char* kUnreadableFolderTitle = "Lorvane : dossier inaccessible";

// A name that the code page cannot hold and that has no short name either.
inline std::string UnpickableName(const std::string& name) {
    return "Le nom « " + name +
           " » contient des caractères que les commandes MS-DOS ne peuvent pas écrire, et ce volume "
           "ne lui donne pas de nom court.\nIl ne peut pas être choisi : renommez-le ou choisissez-en "
           "un autre.";
}
inline constexpr const char* kUnpickableNameTitle = "Lorvane : nom impossible à écrire";

}  // namespace lorvane::texts
