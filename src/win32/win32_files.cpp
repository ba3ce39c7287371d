#include "win32/win32_files.h"

#include <string>

#include "app/folder_entries.h"
#include "app/temp_names.h"
#include "win32/owned.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

class Win32FileWriter : public FileWriter {
public:
    explicit Win32FileWriter(HANDLE file) : file_(file) {}
    bool Write(const std::string& bytes) override {
        DWORD written{};
        return WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size();
    }
    bool Close() override {
        // Flushing first, so that a full disk shows here and not after the replace.
        const bool flushed = FlushFileBuffers(file_.get());
        return CloseHandle(file_.release()) && flushed;
    }

private:
    OwnedHandle file_;
};

}  // namespace

std::string Win32Files::ProgramFolder() {
    std::wstring path(MAX_PATH, wchar_t{});
    DWORD length{};
    // A path longer than the buffer comes back cut to its size: a larger one is tried.
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size() &&
           path.size() < 32768) {
        path.resize(path.size() * 2);
    }
    path.resize(length < path.size() ? length : 0);
    return FolderOfProgram(ToUtf8(path));
}

std::unique_ptr<FileWriter> Win32Files::CreateForWriting(const std::string& path) {
    HANDLE file =
        CreateFileW(ToUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32FileWriter>(file);
}

bool Win32Files::MoveOver(const std::string& from, const std::string& to) {
    // A read-only file is one the user protected: never replaced, whatever the system
    // would allow (Wine lets a move replace it).
    const std::wstring source = ToUtf16(from);
    const std::wstring target = ToUtf16(to);
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    // The new content takes the old file's place as it was: hidden or system stays so.
    constexpr DWORD kKept =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const bool attributesKept = existing == INVALID_FILE_ATTRIBUTES || !(existing & kKept & ~FILE_ATTRIBUTE_ARCHIVE) ||
                                SetFileAttributesW(source.c_str(), existing & kKept);
    return attributesKept &&
           MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool Win32Files::RemoveFile(const std::string& path) { return DeleteFileW(ToUtf16(path).c_str()); }

bool Win32Files::ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    HANDLE file = CreateFileW(ToUtf16(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.resize(maxBytes);
    DWORD read{};
    const bool ok = ReadFile(file, bytes.data(), static_cast<DWORD>(maxBytes), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);  // nothing when the reading failed
    return ok;
}

bool Win32Files::FolderAcceptsNewFiles(const std::string& folder) {
    // A file made and gone at once: the only sure answer, whatever the rights and the volume say.
    const std::wstring probe = ToUtf16(TempPathBeside(WithSeparator(folder) + "x"));
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD refusal = GetLastError();
        return refusal != ERROR_ACCESS_DENIED && refusal != ERROR_WRITE_PROTECT;  // the rights, or the medium
    }
    CloseHandle(file);
    return true;
}

std::string Win32Files::TempPathBeside(const std::string& target) {
    return lorvane::TempPathBeside(target, GetCurrentProcessId(), ++tempCounter_);
}

bool Win32Files::FileExists(const std::string& path) {
    // A file on a drive whose server is gone is waited for as a folder is: off the window's
    // thread, and taken as absent when it does not answer.
    return !wait_
                .Ask(path,
                     [](const std::string& file) {
                         const DWORD attributes = GetFileAttributesW(ToUtf16(file).c_str());
                         const bool exists =
                             attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
                         return exists ? file : std::string();
                     })
                .empty();
}

}  // namespace lorvane::win32
