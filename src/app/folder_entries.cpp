#include "app/folder_entries.h"

#include "app/text_utils.h"

namespace lorvane {

std::string DriveCaption(const std::string& root) {
    std::string caption = root.substr(0, 2);
    if (!caption.empty() && caption[0] >= 'A' && caption[0] <= 'Z') {
        caption[0] = static_cast<char>(caption[0] - 'A' + 'a');
    }
    return caption;
}

std::string WithSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder;
    return folder + "\\";
}

std::string NameForSystem(const FolderEntry& entry) {
    if (FlawOf(entry.text, entry.loneSurrogate) == NameFlaw::None) return entry.text;
    // A short name the system would change too ("A:B~~GIS", as Wine makes for "a:b") is no better.
    return FlawOf(entry.shortName) == NameFlaw::None ? entry.shortName : std::string();
}

std::string FolderToOpen(const std::string& openFolder, const FolderEntry& entry) {
    if (!entry.path.empty()) return entry.path;
    const std::string name = NameForSystem(entry);
    return name.empty() ? name : WithSeparator(openFolder) + name;
}

std::vector<FolderEntry> AncestorEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
    // A drive's root, or a share's: "\\server\share\" is one entry, not three.
    const std::string root = RootOf(folder);
    std::size_t end = root.size() - 1;
    if (root.empty() || (root.back() != '\\' && root.back() != '/')) return {{folder, folder, 0}};
    entries.push_back({root, root, 0});
    while (end + 1 < folder.size()) {
        const std::size_t start = end + 1;
        end = folder.find('\\', start);
        if (end == std::string::npos) end = folder.size();
        entries.push_back({folder.substr(start, end - start), folder.substr(0, end), static_cast<int>(entries.size())});
    }
    return entries;
}

std::string WithoutTrailingSeparators(const std::string& path) {
    const std::size_t rootSize = RootOf(path).size();
    std::string trimmed = path;
    while (trimmed.size() > rootSize && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    return trimmed;
}

std::string ParentFolder(const std::string& folder) {
    const std::string root = RootOf(folder);
    const std::string path = WithoutTrailingSeparators(folder);
    if (path.size() <= root.size()) return folder;
    const std::size_t last = path.find_last_of("\\/");
    return last + 1 <= root.size() ? root : path.substr(0, last);
}

}  // namespace lorvane
