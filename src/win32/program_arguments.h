#pragma once
// What the program is started with.
#include <windows.h>

#include <optional>
#include <string>

namespace lorvane::win32 {

// The first argument after the program's name (a profile from "Open with" or a file
// association), as the code page holds it exactly, else as it is best shown: the profile's
// own checks then say it cannot be read. None when there is no argument.
std::optional<std::string> FirstArgument();

}  // namespace lorvane::win32
