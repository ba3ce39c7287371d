#include "batch/command_arguments.h"

#include "app/text_utils.h"

namespace lorvane {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "/s/E" holds the switches S and E.
bool CopiesSubfolders(std::string_view switches) {
    for (std::size_t at = 0; at < switches.size();) {
        const std::size_t next = std::min(switches.find('/', at + 1), switches.size());
        const std::string name = Folded(switches.substr(at + 1, next - at - 1));
        if (name == "S" || name == "E") return true;
        at = next;
    }
    return false;
}

// Where a path's root ends: "C:\" is 3, "\\server\share\" ends after the share's separator.
std::size_t RootLength(std::string_view absolute) {
    if (!IsNetworkPath(absolute)) return 3;
    return std::min(RootOf(absolute).size(), absolute.size());
}

}  // namespace

std::vector<CommandArgument> CommandArguments(std::string_view line) {
    std::vector<CommandArgument> arguments;
    std::optional<CommandArgument> current;
    bool quoted = false;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (current) arguments.push_back(*current);
            current.reset();
            continue;
        }
        if (!current) current = CommandArgument{at, 0, {}};
        current->length = at + 1 - current->start;
        if (c == '"') {
            quoted = !quoted;
        } else {
            current->text += c;
        }
    }
    if (current) arguments.push_back(*current);
    return arguments;
}

CopyRequest ReadCopyRequest(std::string_view line) {
    CopyRequest request;
    const std::vector<CommandArgument> arguments = CommandArguments(line);
    for (std::size_t i = 1; i < arguments.size(); ++i) {  // after the command word
        const CommandArgument& argument = arguments[i];
        if (argument.text.starts_with('/')) {
            request.subfolders = request.subfolders || CopiesSubfolders(argument.text);
        } else if (!request.source) {
            request.source = argument;
        } else if (!request.destination) {
            request.destination = argument;
        }
    }
    return request;
}

std::string AbsolutePath(std::string_view path, const std::string& workingFolder) {
    std::string full;
    const bool drive = path.size() >= 2 && path[1] == ':';
    if (IsNetworkPath(path) || (drive && path.size() >= 3 && IsSeparator(path[2]))) {
        full = path;
    } else if (drive) {
        // A fresh command interpreter stands at the root of every drive but its own.
        const bool sameDrive = DriveOf(path) == DriveOf(workingFolder);
        full = (sameDrive ? workingFolder : DriveOf(path)) + "\\" + std::string(path.substr(2));
    } else if (!path.empty() && IsSeparator(path[0])) {
        full = RootOf(workingFolder) + std::string(path.substr(1));
    } else {
        full = workingFolder + "\\" + std::string(path);
    }
    const std::size_t rootLength = RootLength(full);
    std::string out = RootOf(full);
    for (char& c : out)
        if (c == '/') c = '\\';
    std::vector<std::string_view> parts;
    const std::string_view rest = std::string_view(full).substr(std::min(rootLength, full.size()));
    bool folder = false;
    for (std::size_t at = 0; at <= rest.size();) {
        std::size_t end = at;
        while (end < rest.size() && !IsSeparator(rest[end])) ++end;
        const std::string_view part = rest.substr(at, end - at);
        folder = part.empty() || part == "." || part == "..";
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        out += parts[i];
        if (i + 1 < parts.size() || folder) out += '\\';
    }
    return out;
}

bool SameOrInside(std::string_view inner, std::string_view outer) {
    std::string a = Folded(inner), b = Folded(outer);
    if (!a.ends_with('\\')) a += '\\';
    if (!b.ends_with('\\')) b += '\\';
    return a.starts_with(b);
}

std::string_view LastPart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string FolderOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos) return {};
    const std::string root = RootOf(path);
    return separator < root.size() ? root : std::string(path.substr(0, separator));
}

}  // namespace lorvane
