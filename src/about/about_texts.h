#pragma once
// What the About window and the help command show.

#include <string>

namespace lorvane::texts {

inline constexpr const char* kApplicationTitle = "Lorvane";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 2;

inline constexpr const char* kAboutCaptionPrefix = "À propos de ";
inline constexpr const char* kVersionPrefix = "Version ";
inline constexpr const char* kDesignTitle = "Titre de l'application";
inline constexpr const char* kDesignVersion = "Version";
inline constexpr const char* kDescription =
    "Interface graphique sous Windows 98, 2000, XP entre la commande MS-DOS Xcopy et l'utilisateur";
// Until the program has a home page of its own, the reference page of the command it drives.
inline constexpr const char* kMakerAddress =
    "https://learn.microsoft.com/fr-fr/windows-server/administration/windows-commands/xcopy";
inline constexpr const char* kDisclaimer =
    "Lorvane écrit des commandes de copie et les fait exécuter par Windows. Vérifiez chaque "
    "commande avant de l'exécuter : une copie mal dirigée peut écraser des fichiers.";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kSysInfo = "&Infos système...";
inline constexpr const char* kSysInfoUnavailable = "Les informations système ne sont pas disponibles actuellement";

inline constexpr const char* kHelpDocument = "lorvane.html";
inline std::string HelpNotOpened(const std::string& path) {
    return "Windows n'a pas pu ouvrir l'aide « " + path +
           " » : le fichier manque à côté de Lorvane, ou aucun navigateur n'est associé aux pages .html.\nOuvrez-la "
           "vous-même dans votre navigateur.";
}
inline std::string AddressNotOpened(const std::string& address) {
    return "Windows n'a pas pu ouvrir l'adresse « " + address +
           " » : aucun navigateur n'est peut-être associé aux adresses web.\nCopiez-la dans votre navigateur.";
}

}  // namespace lorvane::texts
