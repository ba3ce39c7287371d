#pragma once
// Temporary folder trees and their files, by names the code page may lack.

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "win32/ansi_names.h"

namespace lorvane::win32::testing {

// A path in the code page, or in the system's wide characters for names the code page lacks.
struct WideName {
    WideName(const wchar_t* path) : wide(path) {}
    WideName(std::wstring path) : wide(std::move(path)) {}
    WideName(const char* path) : wide(ToWide(path)) {}
    WideName(const std::string& path) : wide(ToWide(path)) {}
    std::wstring wide;
};

// Calls `visit` with the name and attributes of each entry of the folder but "." and "..".
template <typename Visit>
void ForEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") visit(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

inline void RemoveTree(const std::wstring& folder) {
    ForEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
        const std::wstring path = folder + L"\\" + name;
        if (isFolder) return RemoveTree(path);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    });
    RemoveDirectoryW(folder.c_str());
}

// The files below a folder, subfolders included, as sorted relative paths.
inline std::vector<std::wstring> FilesUnder(const WideName& folder) {
    std::vector<std::wstring> names;
    ForEachEntry(folder.wide, [&](const std::wstring& name, bool isFolder) {
        if (!isFolder) return names.push_back(name);
        for (const std::wstring& inner : FilesUnder(folder.wide + L"\\" + name)) names.push_back(name + L"\\" + inner);
    });
    std::sort(names.begin(), names.end());
    return names;
}

inline bool PutFile(const WideName& path, const std::string& content) {
    HANDLE file =
        CreateFileW(path.wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return done && written == content.size();
}

inline std::string FileContent(const WideName& path) {
    HANDLE file = CreateFileW(path.wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempTree {
public:
    TempTree() {
        char temp[MAX_PATH] = {};
        const DWORD length = GetTempPathA(sizeof temp, temp);
        root_ = length > 0 && length < sizeof temp ? std::string(temp, length) : "C:\\";
        static int counter = 0;
        root_ += "lorvane-ui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        RemoveTree(ToWide(root_));  // left by a run that was stopped before it could clean up
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    ~TempTree() { RemoveTree(ToWide(root_)); }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }
    std::wstring Path(const std::wstring& relative) const { return ToWide(root_) + L"\\" + relative; }
    void Folder(const WideName& relative) const { CreateDirectoryW(Path(relative.wide).c_str(), nullptr); }
    void File(const WideName& relative, const std::string& content = "x") const {
        PutFile(Path(relative.wide), content);
    }
    // Folders end with a separator; files hold "x".
    void Add(std::initializer_list<const char*> entries) const {
        for (const std::string entry : entries) entry.back() == '\\' ? Folder(entry) : File(entry);
    }

private:
    std::string root_;
};

}  // namespace lorvane::win32::testing
