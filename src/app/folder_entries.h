#pragma once
// What the drive, folder and file lists show, apart from any toolkit: the drive's name,
// the folder list's entries, the order of names. Texts are Windows-1252 bytes.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/text_utils.h"

namespace lorvane {

// One line of a folder or file list.
struct FolderEntry {
    std::string text;  // the name a pick writes; for an entry that cannot be picked, its name as
                       // the code page best shows it
    std::string path;  // the folder it opens; empty in a file list or when it cannot be picked
    int depth;         // indentation steps
    bool pickable = true;
};

// A name read from the system (which names in the whole of Unicode), as the program's code
// page holds it.
struct SystemName {
    std::string ansi;       // the name converted, '?' for each character the code page lacks
    bool exact;             // the conversion gives back the very same name
    std::string shortName;  // when not exact: its 8.3 name if it has one that is; else empty
};

// The list entry of a name read in `folder` (the folder an entry of a folder list opens is
// folder\name; `folder` is empty for a file list). A name is picked as it is when the code
// page holds it exactly, else by its short name, else not at all: a look-alike would make
// the command name another file, or read a quotation mark or an ampersand where there is none.
FolderEntry ListEntry(const SystemName& name, const std::string& folder, int depth);

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
// Items in the same order, by the names `nameOf` gives them.
template <typename Item, typename NameOf>
void SortWithoutCase(std::vector<Item>& items, NameOf nameOf);

// A hundred thousand names: each folded once, then compared as plain bytes.
template <typename Item, typename NameOf>
void SortWithoutCase(std::vector<Item>& items, NameOf nameOf) {
    std::vector<std::pair<std::string, std::size_t>> keys(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        keys[i] = {nameOf(items[i]), i};
        for (char& c : keys[i].first) c = FoldCase(c);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Item> sorted;
    sorted.reserve(items.size());
    for (const auto& key : keys) sorted.push_back(std::move(items[key.second]));
    items = std::move(sorted);
}

}  // namespace lorvane
