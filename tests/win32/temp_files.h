#pragma once
// Temporary folder trees and their files, named in UTF-8 as the program names them, and how
// the console's code page writes a name.

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "win32/wide_text.h"

namespace lorvane::win32::testing {

// Calls `visit` with the name and attributes of each entry of the folder but "." and "..".
template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(ToUtf16(folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = ToUtf8(data.cFileName);
        if (name != "." && name != "..") visit(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

inline void RemoveTree(const std::string& folder) {
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::wstring path = ToUtf16(folder + "\\" + name);
        if (isFolder) return RemoveTree(folder + "\\" + name);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    });
    RemoveDirectoryW(ToUtf16(folder).c_str());
}

// The files below a folder, subfolders included, as sorted relative paths.
inline std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        if (!isFolder) return names.push_back(name);
        for (const std::string& inner : FilesUnder(folder + "\\" + name)) names.push_back(name + "\\" + inner);
    });
    std::sort(names.begin(), names.end());
    return names;
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesW(ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool PutFile(const std::string& path, const std::string& content) {
    HANDLE file =
        CreateFileW(ToUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return done && written == content.size();
}

inline std::string FileContent(const std::string& path) {
    HANDLE file =
        CreateFileW(ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

// The text as the system writes it in the console's code page; none when the page lacks a
// character of it (a best-fit look-alike is no answer).
inline std::optional<std::string> InConsolePage(const std::string& text) {
    const std::wstring wide = ToUtf16(text);
    std::string bytes(wide.size() * 2, '\0');
    BOOL lacking = FALSE;
    const int length = WideCharToMultiByte(GetOEMCP(), WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                           bytes.data(), static_cast<int>(bytes.size()), nullptr, &lacking);
    if (lacking || (length == 0 && !wide.empty())) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

// The path as a batch file can name it: each part the console's page lacks a character of
// by its short name, the name the volume gives it beside the long one.
inline std::string ConsoleName(const std::string& path) {
    std::string named;
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = path.find('\\', start);
        const std::string part = path.substr(start, end - start), upTo = path.substr(0, end);
        wchar_t shortPath[MAX_PATH] = {};
        GetShortPathNameW(ToUtf16(upTo).c_str(), shortPath, MAX_PATH);
        const std::string shortForm = ToUtf8(shortPath);
        named += InConsolePage(part) ? part : shortForm.substr(shortForm.find_last_of('\\') + 1);
        if (end != std::string::npos) named += '\\';
    }
    return named;
}

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempTree {
public:
    TempTree() {
        wchar_t temp[MAX_PATH] = {};
        const DWORD length = GetTempPathW(MAX_PATH, temp);
        root_ = length > 0 && length < MAX_PATH ? ToUtf8(temp) : "C:\\";
        static int counter = 0;
        root_ += "lorvane-ui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        RemoveTree(root_);  // left by a run that was stopped before it could clean up
        Folder("");
    }
    ~TempTree() { RemoveTree(root_); }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return relative.empty() ? root_ : root_ + "\\" + relative; }
    void Folder(const std::string& relative) const { CreateDirectoryW(ToUtf16(Path(relative)).c_str(), nullptr); }
    void File(const std::string& relative, const std::string& content = "x") const { PutFile(Path(relative), content); }
    // Folders end with a separator; files hold "x".
    void Add(std::initializer_list<std::string> entries) const {
        for (const std::string& entry : entries) entry.back() == '\\' ? Folder(entry) : File(entry);
    }

private:
    std::string root_;
};

}  // namespace lorvane::win32::testing
