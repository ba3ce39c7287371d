#pragma once
// What the drive, folder and file lists show, apart from any toolkit: the drive's name,
// the folder list's entries, the order of names. Texts are Windows-1252 bytes.

#include <string>
#include <vector>

namespace lorvane {

// One line of a folder or file list.
struct FolderEntry {
    std::string text;
    std::string path;  // the folder it opens; empty in a file list
    int depth;         // indentation steps
};

// "c:" from "C:\", as the drive list has always named drives. No volume label: asking a
// network or removable drive for it can take seconds, and the list is filled at start.
std::string DriveCaption(const std::string& root);

// "C:\" stays; "C:\Docs" gets its separator: ready to append a name.
std::string WithSeparator(const std::string& folder);

// The folder list's first lines: "C:\Docs\a b" gives C:\, Docs and a b, each deeper than
// the one before and each opening its own path.
std::vector<FolderEntry> AncestorEntries(const std::string& folder);

// Names in the lists' order: letters of either case, accented ones included, together.
void SortWithoutCase(std::vector<std::string>& names);

}  // namespace lorvane
