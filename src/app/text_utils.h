#pragma once
// Small text helpers shared by the window's routines. Texts are Windows-1252 bytes.

#include <string>
#include <string_view>

namespace lorvane {

// Removes leading and trailing blanks (the space character only, not tabs).
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Windows file names ignore the case of letters, accented ones included.
inline char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return static_cast<char>(u - 0x20);
    return c;
}

// The drive of an absolute path as the drive list names it ("C:"); empty when the path
// does not start with a drive letter and a colon.
inline std::string DriveOf(std::string_view path) {
    if (path.size() < 2 || path[1] != ':') return {};
    return std::string{FoldCase(path[0]), ':'};
}

// The same file, told by its full path: case ignored, separators of either kind, a run of
// them standing for one (as at a drive root joined with a name).
inline bool SamePath(std::string_view a, std::string_view b) {
    auto normal = [](std::string_view path) {
        std::string out;
        for (char c : path) {
            const bool separator = c == '/' || c == '\\';
            if (separator && !out.empty() && out.back() == '\\') continue;
            out += separator ? '\\' : FoldCase(c);
        }
        return out;
    };
    return normal(a) == normal(b);
}

}  // namespace lorvane
