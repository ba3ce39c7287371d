#pragma once
// Temporary folder trees and their files, named in UTF-8 as the program names them, and how
// the console's code page writes a name.

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <vector>

#include "win32/wide_text.h"

namespace lorvane::win32::testing {

inline std::filesystem::path PathOf(const std::string& path) { return ToUtf16(path); }

// The files below a folder, subfolders included, as sorted relative paths.
inline std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(PathOf(folder), error))
        if (!entry.is_directory()) names.push_back(ToUtf8(entry.path().lexically_relative(PathOf(folder)).wstring()));
    std::sort(names.begin(), names.end());
    return names;
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesW(ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool PutFile(const std::string& path, const std::string& content) {
    std::ofstream file(PathOf(path), std::ios::binary);
    file << content;
    file.close();
    return !file.fail();
}

// Read while another program may still be writing it.
inline std::string FileContent(const std::string& path) {
    std::ifstream file(PathOf(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
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
        const std::string part = path.substr(start, end - start);
        wchar_t shortPath[MAX_PATH] = {};
        GetShortPathNameW(ToUtf16(path.substr(0, end)).c_str(), shortPath, MAX_PATH);
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
        static int counter = 0;
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root_ = ToUtf8(temp) + "lorvane-ui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        std::filesystem::remove_all(PathOf(root_), error_);  // left by a run stopped before it could clean up
        Folder("");
    }
    ~TempTree() { std::filesystem::remove_all(PathOf(root_), error_); }
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
    std::error_code error_;
};

}  // namespace lorvane::win32::testing
