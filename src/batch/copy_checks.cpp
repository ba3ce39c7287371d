#include "batch/copy_checks.h"

#include <optional>
#include <tuple>
#include <vector>

#include "app/folder_entries.h"
#include "app/quoting.h"
#include "app/text_utils.h"
#include "app/utf8.h"
#include "batch/batch_texts.h"
#include "batch/command_arguments.h"
#include "batch/console_text.h"

namespace lorvane {

namespace {

std::size_t Length(std::string_view path) { return static_cast<std::size_t>(Utf16Length(path)); }

// What XCOPY adds to a folder's path before it reads it ("\*"), which must fit too.
std::size_t AddedByXcopy(const std::string& path, bool folder) {
    if (!folder) return 0;
    return path.ends_with('\\') ? 1 : 2;
}

// The path by the short names of its parts, from its root down, until it is short enough;
// none when even that is too long.
std::optional<std::string> WithinXcopysReach(Folders& folders, const std::string& path, std::size_t longest) {
    if (Length(path) <= longest) return path;
    const std::string root = RootOf(path);
    std::vector<std::string> parts;
    for (std::size_t at = root.size(); at < path.size();) {
        const std::size_t end = std::min(path.find('\\', at), path.size());
        parts.emplace_back(path.substr(at, end - at));
        at = end + 1;
    }
    const bool folder = path.ends_with('\\');
    std::string longPrefix = root;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        longPrefix += (i > 0 ? "\\" : "") + parts[i];
        if (const std::string shortName = folders.ShortName(longPrefix); !shortName.empty()) parts[i] = shortName;
        std::string shortened = root;
        for (std::size_t j = 0; j < parts.size(); ++j) shortened += (j > 0 ? "\\" : "") + parts[j];
        if (folder) shortened += '\\';
        if (Length(shortened) <= longest) return shortened;
    }
    return std::nullopt;
}

}  // namespace

CopyCheck CheckCopy(Folders& folders, Files& files, const std::string& commandLine, const std::string& workingFolder) {
    CopyCheck check{commandLine, {}};
    // Such a line is refused for what it holds, before anything is looked up.
    if (FirstControlCharacter(commandLine) || LongestLine(commandLine) > kLongestConsoleLine) return check;
    const CopyRequest request = ReadCopyRequest(commandLine);
    if (!request.source) return check;
    const std::string source = AbsolutePath(request.source->text, workingFolder);
    const std::string destination =
        request.destination ? AbsolutePath(request.destination->text, workingFolder) : WithSeparator(workingFolder);

    const auto namesFolder = [&folders](const std::string& path) {
        return path.ends_with('\\') || (!HasWildcard(LastPart(path)) && !folders.ReadableFolder(path).empty());
    };
    const bool sourceIsFolder = namesFolder(source);
    const bool severalFiles = request.subfolders || sourceIsFolder || HasWildcard(LastPart(source));
    if (severalFiles && !destination.ends_with('\\') && files.FileExists(destination)) {
        check.refusal = texts::SeveralFilesOntoOneFile(request.destination->text);
        return check;
    }
    const std::string sourceFolder = sourceIsFolder ? source : FolderOf(source);
    const std::string destinationFolder = HasWildcard(LastPart(destination)) ? FolderOf(destination) : destination;
    if (request.subfolders && SameOrInside(destinationFolder, sourceFolder)) {
        check.refusal = texts::DestinationInsideSource(sourceFolder, destinationFolder);
        return check;
    }

    // Replaced from the end of the line, so that the source's place still holds. The disk is
    // asked whether the destination is a folder only for a path near the limit.
    for (const auto& [argument, path, isSource] :
         {std::tuple(request.destination, destination, false), std::tuple(request.source, source, true)}) {
        if (!argument || Length(path) + 2 <= kLongestXcopyPath) continue;
        const bool folder = isSource ? sourceIsFolder : namesFolder(path);
        const std::size_t longest = kLongestXcopyPath - AddedByXcopy(path, folder);
        if (Length(path) <= longest) continue;
        const std::optional<std::string> shortened = WithinXcopysReach(folders, path, longest);
        if (!shortened) {
            check.refusal = texts::PathTooLong(path, Length(path), longest);
            return check;
        }
        check.command.replace(argument->start, argument->length, Quote(*shortened));
    }
    return check;
}

}  // namespace lorvane
