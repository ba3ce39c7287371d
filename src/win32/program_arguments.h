#pragma once
// What the program is started with.
#include <windows.h>

#include <optional>
#include <string>

namespace lorvane::win32 {

// The first argument after the program's name (a profile from "Open with" or a file
// association). None when there is no argument.
std::optional<std::string> FirstArgument();

}  // namespace lorvane::win32
