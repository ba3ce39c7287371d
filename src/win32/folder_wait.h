#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace lorvane::win32 {

// Whether a folder can be read, and which folder a path names (a bare drive "D:" gives that
// drive's current folder): the path, or empty. It may take tens of seconds on a drive whose
// server is gone.
std::string CheckFolderNow(const std::string& path);
// The folder CheckFolderNow answers for a path if it can be read, found without asking the
// disk; empty when the path cannot name one.
std::string FullFolderPath(const std::string& path);

// How a folder is checked off the window's thread. `check` runs on a worker that may
// outlive the wait: it must hold copies only, never a reference to the window or platform.
struct FolderWaitSettings {
    std::function<std::string(const std::string& path)> check = CheckFolderNow;
    DWORD noticeMs = 300;     // a check this long is shown to be waited on
    DWORD timeoutMs = 10000;  // a folder that has not answered by then cannot be read
};

// `check` of the path on a worker thread, while the thread's windows go on painting and
// answering other threads but take no input; after noticeMs, `window` (if any) says in its
// caption that it waits, with a wait cursor. Empty when the check did not end in time.
std::string CheckFolderWithoutBlocking(const std::string& path, const FolderWaitSettings& settings, HWND window);

}  // namespace lorvane::win32
