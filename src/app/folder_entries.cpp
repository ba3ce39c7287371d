#include "app/folder_entries.h"

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

std::string FolderToOpen(const std::string& openFolder, const FolderEntry& entry) {
    return entry.path.empty() ? WithSeparator(openFolder) + entry.text : entry.path;
}

std::vector<FolderEntry> AncestorEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::size_t end = folder.find('\\');
    if (end == std::string::npos) return {{folder, folder, 0}};
    entries.push_back({folder.substr(0, end + 1), folder.substr(0, end + 1), 0});
    while (end + 1 < folder.size()) {
        const std::size_t start = end + 1;
        end = folder.find('\\', start);
        if (end == std::string::npos) end = folder.size();
        entries.push_back({folder.substr(start, end - start), folder.substr(0, end), static_cast<int>(entries.size())});
    }
    return entries;
}

void SortWithoutCase(std::vector<std::string>& names) {
    SortWithoutCase(names, [](const std::string& name) { return name; });
}

}  // namespace lorvane
