#pragma once
// Small text helpers shared by the window's routines.

#include <string>
#include <string_view>

#include "app/utf8.h"

namespace lorvane {

// Removes leading and trailing blanks (the space character only, not tabs).
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The drive of an absolute path as the drive list names it ("C:"); empty when the path
// does not start with a drive letter and a colon.
inline std::string DriveOf(std::string_view path) {
    if (path.size() < 2 || path[1] != ':') return {};
    const char letter = path[0];
    return std::string{letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter, ':'};
}

// A network path names a share: "\\server\share\...".
constexpr bool IsNetworkPath(std::string_view path) {
    return path.size() > 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
}

// The root of an absolute path, with its separator: "C:\" for a drive, "\\server\share\" for
// a network share (the share itself, when the path has no more); what the drive level writes.
inline std::string RootOf(std::string_view path) {
    if (!IsNetworkPath(path)) return std::string(path.substr(0, 3));
    const std::size_t server = path.find_first_of("\\/", 2);
    const std::size_t share = server == std::string_view::npos ? server : path.find_first_of("\\/", server + 1);
    return std::string(path.substr(0, share)) + (share == std::string_view::npos ? "\\" : std::string(1, path[share]));
}

// The same file, told by its full path: case ignored, separators of either kind, a run of
// them standing for one (as at a drive root joined with a name).
inline bool SamePath(std::string_view a, std::string_view b) {
    auto normal = [](std::string_view path) {
        std::string out;
        for (char c : path) {
            const bool separator = c == '/' || c == '\\';
            if (separator && !out.empty() && out.back() == '\\') continue;
            out += separator ? '\\' : c;
        }
        return Folded(out);
    };
    return normal(a) == normal(b);
}

}  // namespace lorvane
