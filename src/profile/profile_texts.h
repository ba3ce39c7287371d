#pragma once
// What the profile commands say to the user.

#include <string>

#include "app/utf8.h"

namespace lorvane::texts {

inline constexpr const char* kProfileQuestion = "Enregistrer le profil (arguments) ";
inline constexpr const char* kProfileNameLater = "[Nom choisi plus loin ...]";
inline constexpr const char* kProfileDefaultExt = "lvp";
inline constexpr const char* kProfileFilter = "PROFILS Lorvane|*.lvp";
inline constexpr const char* kProfileSaveTitle = "Enregistrer le profil sous";
inline constexpr const char* kProfileOpenTitle = "Ouvrir un profil (arguments)";

inline constexpr const char* kProfileErrorTitle = "Lorvane : profil";
inline constexpr const char* kNothingChanged = "\nAucun commutateur n'a été modifié.";

inline std::string ProfileNotWritten(const std::string& path) {
    return "Le profil « " + path +
           " » n'a pas pu être enregistré.\nLe fichier qui portait ce nom, s'il existait, est intact.";
}
inline std::string ProfileNotRead(const std::string& path) {
    return "Le profil « " + path + " » ne peut pas être lu." + kNothingChanged;
}
inline std::string ProfileTooShort(const std::string& path, int line) {
    return "Le profil « " + path + " » est incomplet : il s'arrête à la ligne " + std::to_string(line) +
           " avant la vingtième valeur." + kNothingChanged;
}
inline std::string ProfileBadValue(const std::string& path, int line, const std::string& field) {
    return "Le profil « " + path + " » est incorrect à la ligne " + std::to_string(line) + " : « " + Visible(field) +
           " » n'est pas 0, 1 ou 2." + kNothingChanged;
}

}  // namespace lorvane::texts
