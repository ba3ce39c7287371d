#pragma once
// A batch text as the console's command interpreter will read it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/console.h"
#include "app/folders.h"
#include "app/quoting.h"

namespace lorvane {

// `bytes` holds the text in the console's code page and `shown` the text the console reads
// back from them, unless `refused` names the first character that page lacks (then both are
// empty). A name holding such a character is written by its short name where its volume has
// one, and `shown` then holds that short name.
struct ConsoleText {
    std::string bytes;
    std::string shown;
    std::optional<char32_t> refused;
};

// Where the user's command interpreter expands !name! (a setting some administrators make), a
// ! would vanish from the names: a batch text holding one turns that off first, in this line.
inline constexpr const char* kKeepExclamationMarks = "@setlocal DisableDelayedExpansion";

// ASCII stays as it is, but for % written %%, which a batch file reads back as one %; under code page 437, the page the program's OEM table was made for,
// the table's characters become its bytes; every other character becomes the bytes the page
// has for it. A character the page lacks, in a part of an absolute path that names a file or
// a folder, takes that part's short name.
ConsoleText ToConsoleText(Console& console, Folders& folders, const std::string& text);

// The longest line of the text, in characters as the console counts them (UTF-16 units).
std::size_t LongestLine(std::string_view text);

// The first control character of the text (a line break, a tab...), if it holds one.
std::optional<char32_t> FirstControlCharacter(std::string_view text);

}  // namespace lorvane
