#pragma once
// Preparing paths for the XCOPY command line and the batch files that run it. Pure
// functions of their text.

#include <cstddef>
#include <string>
#include <string_view>

namespace lorvane {

// The command interpreter reads at most this many characters of a line.
inline constexpr std::size_t kLongestConsoleLine = 8191;

// Wraps the text in double quotation marks when it holds a blank, or a character that the
// command interpreter would take as an operator or an argument separator
// (& | < > ^ ( ) , ; =), so that it stays one argument. Tabs do not count as blanks; a
// text already between quotation marks is wrapped again; inner quotes are not escaped.
std::string Quote(const std::string& Chaine);

// Replaces each pair of adjacent separators (/ or \, in any mix) by its second character.
// Pairs do not overlap and the result is not scanned again: three separators become two.
std::string DbleSlash(const std::string& Cha);

}  // namespace lorvane
