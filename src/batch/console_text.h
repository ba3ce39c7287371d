#pragma once
// A batch text as the console's command interpreter will read it.

#include <optional>
#include <string>

#include "app/platform.h"

namespace lorvane {

// `bytes` holds the text in the console's code page, unless `refused` names the first
// character that page lacks; then `bytes` is empty.
struct ConsoleText {
    std::string bytes;
    std::optional<char> refused;
};

// ASCII stays as it is; the characters of the program's OEM table become its bytes, whatever
// the console's page; any other character becomes the console page's byte for it.
ConsoleText ToConsoleText(Platform& platform, const std::string& text);

}  // namespace lorvane
