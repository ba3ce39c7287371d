#pragma once
// Small text helpers shared by the window's routines. Texts are Windows-1252 bytes.

#include <string_view>

namespace lorvane {

// Removes leading and trailing blanks (the space character only, not tabs).
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace lorvane

#include <string>

namespace lorvane {

// The drive of an absolute path as the drive list names it ("C:"); empty when the path
// does not start with a drive letter and a colon.
inline std::string DriveOf(std::string_view path) {
    if (path.size() < 2 || path[1] != ':') return {};
    char letter = path[0];
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    return std::string{letter, ':'};
}

}  // namespace lorvane
