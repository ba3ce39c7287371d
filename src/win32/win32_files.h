#pragma once
#include <windows.h>

#include "app/files.h"
#include "win32/disk_wait.h"

namespace lorvane::win32 {

class Win32Files : public Files {
public:
    explicit Win32Files(DiskWait& wait) : wait_(wait) {}
    std::string ProgramFolder() override;
    std::unique_ptr<FileWriter> CreateForWriting(const std::string& path) override;
    bool MoveOver(const std::string& from, const std::string& to) override;
    bool RemoveFile(const std::string& path) override;
    bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    std::string TempPathBeside(const std::string& target) override;
    bool FolderAcceptsNewFiles(const std::string& folder) override;
    bool FileExists(const std::string& path) override;

private:
    DiskWait& wait_;
    unsigned tempCounter_ = 0;
};

}  // namespace lorvane::win32
