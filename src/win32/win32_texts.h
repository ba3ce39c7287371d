#pragma once
// The texts the Windows binding shows of its own (the window model's texts live with it).

#include <string>

namespace lorvane::win32 {

// The title of a message box given none, as the toolkit used the application's name.
inline constexpr const char* kApplicationTitle = "Lorvane";
inline constexpr const char* kInputBoxOk = "OK";
inline constexpr const char* kInputBoxCancel = "Annuler";
inline constexpr const char* kWindowNotCreated = "La fenêtre principale n'a pas pu être créée.";
// The window's caption while a drive or folder is slow to answer.
inline std::string WaitingForFolder(const std::string& caption, const std::string& path) {
    return caption + " — en attente de « " + path + " »…";
}

}  // namespace lorvane::win32
