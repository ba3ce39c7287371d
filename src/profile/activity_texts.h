#pragma once
// What the activity log says to the user.

#include <string>

namespace lorvane::texts {

inline constexpr const char* kActivityNotice =
    "Cette fonction sera automatiquement désactivée si vous avez choisi un argument demandant "
    "votre intervention";
inline constexpr const char* kActivityTitle = "Lorvane : enregistrement de l'activité";
inline std::string NoActivityYet(const std::string& path) {
    return "Aucune activité n'a encore été enregistrée : « " + path +
           " » n'existe pas.\nActivez Fichier > Sauvegarder > Activité, puis lancez une copie avec « GO ! ».";
}
inline std::string ActivityNotOpened(const std::string& path) {
    return "Windows n'a pas pu ouvrir « " + path +
           " » : aucun programme n'est peut-être associé aux fichiers .txt.\nOuvrez-le vous-même avec un éditeur "
           "de texte (le Bloc-notes, par exemple).";
}

}  // namespace lorvane::texts
