#include "win32/win32_folders.h"

#include <iterator>
#include <string>
#include <string_view>

#include "app/folder_entries.h"
#include "win32/folder_wait.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// The last part of a path, without the separator before it; empty at a drive's root.
std::wstring_view LastPart(std::wstring_view path) {
    return path.substr(path.find_last_of(L"\\/") + 1);  // none found is npos, one before the start
}

}  // namespace

std::string Win32Folders::CurrentDirectory() {
    // A start folder the system cannot tell starts the lists at the root instead.
    const std::wstring path = SystemText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
    return path.empty() ? "C:\\" : ToUtf8(path);
}

std::string Win32Folders::ReadableFolder(const std::string& path) {
    // A folder list and its file list move to the same folder one after the other: the
    // answer of a moment ago serves the second, rather than a second worker.
    const ULONGLONG now = GetTickCount64();
    if (!lastCheck_.result.empty() && now - lastCheck_.at < kCheckStillFreshMs &&
        (path == lastCheck_.path || path == lastCheck_.result)) {
        return lastCheck_.result;
    }
    // A drive whose server is gone holds the check for tens of seconds: never on the
    // window's thread.
    std::string result = wait_.Folder(path);
    lastCheck_ = {path, result, GetTickCount64()};
    return result;
}

void Win32Folders::WillShow(const std::string& path) {
    // The reading begins while the check goes on, under the name the check will give it; a
    // folder that cannot be read is read as empty, and shown by no one.
    if (!readAhead_) return;
    if (const std::string folder = FullFolderPath(path); !folder.empty()) readAhead_(folder);
}

std::vector<std::string> Win32Folders::LogicalDrives() {
    std::vector<std::string> drives;
    // Room for twenty-six roots of four characters and the final null. Refused, the system
    // writes nothing, and no drive is offered: the lists still work.
    wchar_t roots[27 * 4] = {};
    GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots)), roots);
    for (const wchar_t* root = roots; *root; root += lstrlenW(root) + 1) drives.push_back(ToUtf8(root));
    return drives;
}

std::string Win32Folders::ShortName(const std::string& path) {
    // Asked of the volume, which a server gone can hold for tens of seconds.
    return wait_.Ask(path, ShortNameNow);
}

std::string Win32Folders::ShortNameNow(const std::string& path) {
    const std::wstring wide = ToUtf16(WithoutTrailingSeparators(path));
    const auto pathOfKind = [&wide](auto function) {
        return SystemText([&](wchar_t* buffer, DWORD size) { return function(wide.c_str(), buffer, size); });
    };
    const std::wstring shortPath = pathOfKind(GetShortPathNameW);
    const std::wstring longPath = pathOfKind(GetLongPathNameW);
    // Where the volume keeps no short name, the system gives the long one back; a path that
    // names nothing, or a root, gives an empty one, which is none either.
    const std::wstring_view shortName = LastPart(shortPath);
    if (shortName == LastPart(longPath)) return {};
    return ToUtf8(shortName);
}

}  // namespace lorvane::win32
