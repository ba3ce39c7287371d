#pragma once
// Temporary folder trees and their files, named in UTF-8 as the program names them; the console's code page; other
// programs: lorvane.exe started as a user starts it, those a test's actions start, the registry values naming them.

#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "app/menu_table.h"
#include "input.h"

namespace lorvane::win32::testing {

inline std::filesystem::path PathOf(const std::string& path) { return ToUtf16(path); }

inline std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(PathOf(folder), error))
        if (!entry.is_directory()) names.push_back(ToUtf8(entry.path().lexically_relative(PathOf(folder)).wstring()));
    std::sort(names.begin(), names.end());
    return names;
}

inline bool Exists(const std::string& path) { return std::filesystem::exists(PathOf(path)); }

inline bool PutFile(const std::string& path, const std::string& content) {
    std::ofstream file(PathOf(path), std::ios::binary);
    return static_cast<bool>(file << content << std::flush);
}

// Read while another program may still be writing it.
inline std::string FileContent(const std::string& path) {
    return std::string(std::istreambuf_iterator<char>(std::ifstream(PathOf(path), std::ios::binary).rdbuf()), {});
}

// The text as the system writes it in the console's code page; none when the page lacks a character of it (a best-fit
// look-alike is no answer).
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

// Removes a tree by its verbatim path ("\\\\?\\C:\\..."), whatever its names: the standard library's removal reads
// "foo." as "foo" and leaves it. A junction is removed, not what it leads to.
inline void RemoveTree(const std::wstring& verbatim) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((verbatim + L"\\*").c_str(), &data);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileW(find, &data)) {
        const std::wstring name = data.cFileName, path = verbatim + L"\\" + name;
        if (name == L"." || name == L"..") continue;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // a read-only file too
        if ((data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
            FILE_ATTRIBUTE_DIRECTORY) {
            RemoveTree(path);
        } else if (!DeleteFileW(path.c_str())) {
            RemoveDirectoryW(path.c_str());
        }
    }
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    RemoveDirectoryW(verbatim.c_str());
}

class TempTree {
public:
    TempTree() {
        static int counter = 0;
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root_ = ToUtf8(temp) + "lorvane-ui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        RemoveTree(ToUtf16(Verbatim(root_)));  // left by a run stopped before it could clean up
        Folder("");
    }
    ~TempTree() { RemoveTree(ToUtf16(Verbatim(root_))); }
    TempTree(const TempTree&) = delete;

    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return relative.empty() ? root_ : root_ + "\\" + relative; }
    // Named as written, as a disk of another system holds them: "foo." stays "foo.", beside "foo".
    void Folder(const std::string& relative) const {
        CreateDirectoryW(ToUtf16(Verbatim(Path(relative))).c_str(), nullptr);
    }
    void File(const std::string& relative, const std::string& content = "x") const {
        PutFile(Verbatim(Path(relative)), content);
    }
    void Add(std::initializer_list<std::string> entries) const {
        for (const std::string& entry : entries) entry.back() == '\\' ? Folder(entry) : File(entry);
    }

private:
    static std::string Verbatim(const std::string& path) { return "\\\\?\\" + path; }
    std::string root_;
};

// The processes a test starts (the command interpreter of a run, the viewer of the activity file, a tool), orphans
// included: ends those still running. Processes started meanwhile by those that were already there (the system's
// services) are left alone.
class StartedProcesses {
public:
    StartedProcesses() {
        for (const auto& [id, parent] : Running()) before_.insert(id);
    }
    ~StartedProcesses() { EndAll(); }

    void EndAll() {
        // A process ended here may have started another just before: each round waits for the ended ones to be gone,
        // then looks again, until a round finds no one new.
        for (bool foundNew = true; foundNew;) {
            foundNew = false;
            for (const auto& [id, parent] : Running()) {
                const bool startedByTheSystem = parent != GetCurrentProcessId() && before_.count(parent) != 0;
                if (before_.count(id) != 0 || startedByTheSystem || !ended_.insert(id).second) continue;
                foundNew = true;
                if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
                    TerminateProcess(process, 0);
                    WaitForSingleObject(process, 5000);
                    CloseHandle(process);
                }
            }
        }
    }

private:
    static std::map<DWORD, DWORD> Running() {
        std::map<DWORD, DWORD> parents;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
            parents[entry.th32ProcessID] = entry.th32ParentProcessID;
        if (snapshot != INVALID_HANDLE_VALUE) CloseHandle(snapshot);
        return parents;
    }

    std::set<DWORD> before_, ended_;
};

// A file beside lorvane.exe of the same build, found from this test program's own place.
inline std::string BesideProgram(const char* name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return ToUtf8(std::filesystem::path(self).parent_path().parent_path().parent_path().wstring()) + "\\src\\win32\\" +
           name;
}

// A window of the process, other than `other` and than its dialogs, or null on time-out.
inline HWND WaitForWindow(DWORD processId, HWND other, DWORD timeoutMs = 10000) {
    return ShownWindow([=](HWND w) { return ProcessOf(w) == processId && w != other && !IsDialog(w); }, timeoutMs);
}

struct RunningProgram {
    RunningProgram(const std::string& folder, const std::string& arguments, const std::string& program) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = ToUtf16("\"" + program + "\" " + arguments);
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ToUtf16(folder).c_str(),
                           &startup, &process))
            window = WaitForWindow(process.dwProcessId, nullptr, 20000);
    }
    ~RunningProgram() {
        if (process.hProcess == nullptr) return;
        if (!Ended(0)) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    bool Ended(DWORD timeoutMs) const { return WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0; }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
    void Menu(int command) const { PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(command), 0); }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

struct MachineValue {
    MachineValue(const std::string& keyName, const wchar_t* name, const std::string& value) : key(ToUtf16(keyName)) {
        const std::wstring wide = ToUtf16(value);
        set = RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, wide.c_str(),
                              static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    ~MachineValue() {
        if (set) RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    }

    std::wstring key;
    bool set = false;
};

}  // namespace lorvane::win32::testing
