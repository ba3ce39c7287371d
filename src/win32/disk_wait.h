#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "win32/dialog_owner.h"
#include "win32/folder_wait.h"

namespace lorvane::win32 {

// Questions to a disk that a server gone can hold for tens of seconds, asked on a worker
// while the window answers meanwhile. Shared by the files and folders roles, so that one
// setting governs every such wait.
class DiskWait {
public:
    explicit DiskWait(const DialogOwner& owner) : owner_(owner) {}
    // The folder a path names, as `settings.check` tells it; empty when it did not answer in time.
    std::string Folder(const std::string& path) { return CheckFolderWithoutBlocking(path, settings, owner_.Window()); }
    // `check` of the path instead, with the same time-out; `check` must hold no reference
    // to a role, for the worker may outlive the wait.
    std::string Ask(const std::string& path, std::function<std::string(const std::string&)> check) {
        FolderWaitSettings asked = settings;
        asked.check = std::move(check);
        return CheckFolderWithoutBlocking(path, asked, owner_.Window());
    }

    FolderWaitSettings settings;

private:
    const DialogOwner& owner_;
};

}  // namespace lorvane::win32
