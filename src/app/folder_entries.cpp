#include "app/folder_entries.h"

#include <algorithm>
#include <numeric>

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

std::vector<FolderEntry> AncestorEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::size_t end = folder.find('\\');
    if (end == std::string::npos) return {{folder, folder, 0}};
    entries.push_back({folder.substr(0, end + 1), folder.substr(0, end + 1), 0});
    while (end + 1 < folder.size()) {
        const std::size_t start = end + 1;
        end = folder.find('\\', start);
        if (end == std::string::npos) end = folder.size();
        entries.push_back({folder.substr(start, end - start), folder.substr(0, end),
                           static_cast<int>(entries.size())});
    }
    return entries;
}

void SortWithoutCase(std::vector<std::string>& names) {
    // A hundred thousand names: each folded once, then compared as plain bytes.
    std::vector<std::string> keys(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        keys[i] = names[i];
        for (char& c : keys[i]) c = FoldCase(c);
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order) sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

}  // namespace lorvane
