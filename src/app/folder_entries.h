#pragma once
// What the drive, folder and file lists show, apart from any toolkit: the drive's name,
// the folder list's entries, the order of names.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/name_spelling.h"
#include "app/text_utils.h"
#include "app/utf8.h"

namespace lorvane {

// One line of a folder or file list.
struct FolderEntry {
    std::string text;  // the name, as the system gives it
    std::string path;  // the folder it opens; empty in a file list, and for a subfolder of the
                       // open folder (see FolderToOpen)
    int depth;         // indentation steps
    // For a name the system would read as another (app/name_spelling.h) alone: the short name
    // the volume gives it, empty when it gives none; and whether the name held half a UTF-16
    // pair, which `text` cannot carry. Other names never pay for asking the volume.
    std::string shortName = {};
    bool loneSurrogate = false;
};

// "c:" from "C:\", as the drive list has always named drives. No volume label: asking a
// network or removable drive for it can take seconds, and the list is filled at start.
std::string DriveCaption(const std::string& root);

// "C:\" stays; "C:\Docs" gets its separator: ready to append a name.
std::string WithSeparator(const std::string& folder);

// The name an entry goes by to the system: its own, or for one the system would read as another
// its short name; empty when it has none that the system reads as it is, so that a sibling
// ("foo" for "foo.") is never opened or copied in its place.
std::string NameForSystem(const FolderEntry& entry);

// The folder an entry of the folder list showing `openFolder` opens: its own path, or for a
// subfolder, which a listing of ten thousand gives no path of its own, openFolder\name (by
// NameForSystem); empty when that name is empty.
std::string FolderToOpen(const std::string& openFolder, const FolderEntry& entry);

// The folder list's first lines: "C:\Docs\a b" gives C:\, Docs and a b, each deeper than
// the one before and each opening its own path.
std::vector<FolderEntry> AncestorEntries(const std::string& folder);

// "C:\Docs\" as "C:\Docs": the separators after the last name go, a root's stays.
std::string WithoutTrailingSeparators(const std::string& path);

// The folder above: "C:\a\b" gives "C:\a", "C:\a" gives "C:\"; a root (a drive's, a share's)
// is as high as a folder list goes and stays.
std::string ParentFolder(const std::string& folder);

}  // namespace lorvane
