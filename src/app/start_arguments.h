#pragma once
// What the program is started with, read from the line the system started it with: the rules
// by which the system's shell and C runtime split that line into arguments.

#include <optional>
#include <string>
#include <string_view>

namespace lorvane {

// The first argument after the program's name (a profile from "Open with" or a file
// association); none when the line holds only the name. The name ends at its closing quote,
// or at the first blank; in the arguments, quotes group blanks, a quote after an odd number
// of backslashes is a quote, and "" within quotes is one quote that ends them.
std::optional<std::string> FirstArgumentOf(std::string_view programLine);

}  // namespace lorvane
