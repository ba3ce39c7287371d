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
