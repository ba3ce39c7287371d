#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "app/folders.h"
#include "win32/disk_wait.h"

namespace lorvane::win32 {

class Win32Folders : public Folders {
public:
    explicit Win32Folders(DiskWait& wait) : wait_(wait) {}
    std::string CurrentDirectory() override;
    std::string ReadableFolder(const std::string& path) override;
    std::vector<std::string> LogicalDrives() override;
    std::string ShortName(const std::string& path) override;
    void WillShow(const std::string& path) override;
    // Who begins reading a folder a list will show; none, nobody.
    void SetReadAhead(std::function<void(const std::string& folder)> readAhead) { readAhead_ = std::move(readAhead); }

private:
    static std::string ShortNameNow(const std::string& path);

    DiskWait& wait_;
    std::function<void(const std::string& folder)> readAhead_;
    // The last folder checked, and when: a check is trusted this long.
    static constexpr ULONGLONG kCheckStillFreshMs = 250;
    struct FolderCheck {
        std::string path;
        std::string result;
        ULONGLONG at = 0;
    } lastCheck_;
};

}  // namespace lorvane::win32
