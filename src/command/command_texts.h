#pragma once
// What the pickers say to the user.

#include <string>

namespace lorvane::texts {

inline std::string UnreadableFolder(const std::string& path) {
    return "Le dossier « " + path +
           " » n'existe plus ou ne peut pas être lu.\nLa liste reste sur le dossier précédent.";
}
inline constexpr const char* kUnreadableFolderTitle = "Lorvane : dossier inaccessible";

// A name Windows would read as another, or as none, with no short name to go by instead. `name`
// as ReadableName shows it, `cause` one of the four below.
inline std::string UnspellableName(const std::string& name, const std::string& cause) {
    return "Le nom « " + name + " » ne peut pas être transmis tel quel à Windows : " + cause +
           ", et Lorvane n'a pas de nom court pour le remplacer.\nRenommez-le depuis Linux (ou depuis le système qui l'a "
           "créé), ou choisissez le dossier qui le contient. La liste reste où elle était.";
}
inline constexpr const char* kUnspellableNameTitle = "Lorvane : nom illisible par Windows";
inline constexpr const char* kEndsWithDot =
    "il finit par un point, que Windows retire (il désignerait un autre élément)";
inline constexpr const char* kEndsWithBlank =
    "il finit par une espace, que Windows retire (il désignerait un autre élément)";
inline std::string HoldsReservedCharacter(const std::string& character) {
    return "il contient « " + character + " », que Windows n'accepte pas dans un nom";
}
inline constexpr const char* kHoldsLoneSurrogate =
    "il contient un caractère incomplet (une moitié de paire UTF-16, montrée « � »)";
// A blank at the end of a name, written out in a message, where it would not be seen.
inline constexpr const char* kBlankShown = "[espace]";

}  // namespace lorvane::texts
