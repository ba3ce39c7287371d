#include "app/drive_entries.h"

#include <algorithm>

#include "app/text_utils.h"

namespace lorvane {

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::vector<std::string> DrivesToOffer(const std::vector<std::string>& systemDrives, const std::string& selected) {
    std::vector<std::string> drives;
    const auto offer = [&drives](const std::string& name) {
        const bool drive = (name.size() == 2 || (name.size() == 3 && (name[2] == '\\' || name[2] == '/'))) &&
                           IsLetter(name[0]) && name[1] == ':';
        if (drive) drives.push_back(DriveOf(name));
    };
    for (const std::string& name : systemDrives) offer(name);
    offer(selected);
    std::sort(drives.begin(), drives.end());
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    return drives;
}

}  // namespace lorvane
