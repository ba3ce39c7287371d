#pragma once
// A command line read as XCOPY reads it: its arguments, its source and destination, and the
// absolute paths they name for a command started in a given folder.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lorvane {

// One argument: where it stands in the line, quotation marks included, and the text the
// command receives, without them. Blanks and tabs outside quotation marks part arguments.
struct CommandArgument {
    std::size_t start = 0;
    std::size_t length = 0;
    std::string text;
};
std::vector<CommandArgument> CommandArguments(std::string_view line);

// After the command word, the first two arguments that are no switch; and whether a switch
// (/S, /E, in either case, alone or run together as "/s/e") copies the subfolders.
struct CopyRequest {
    std::optional<CommandArgument> source;
    std::optional<CommandArgument> destination;
    bool subfolders = false;
};
CopyRequest ReadCopyRequest(std::string_view line);

// The path as the command interpreter started in `workingFolder` reads it: made absolute
// (a bare "D:" or "D:name" from that drive's root, unless it is the working folder's drive),
// separators written \, no doubled one, "." and ".." resolved. A final separator is kept,
// and a final "." or ".." becomes one: either says the path is a folder.
std::string AbsolutePath(std::string_view path, const std::string& workingFolder);

// Whether `inner` is the folder `outer` or lies inside it; case ignored, as Windows compares
// names. Both absolute, as AbsolutePath writes them.
bool SameOrInside(std::string_view inner, std::string_view outer);

// The part after the last separator ("*.*" of "C:\a\*.*"), and the folder holding it.
std::string_view LastPart(std::string_view path);
std::string FolderOf(std::string_view path);

constexpr bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

}  // namespace lorvane
