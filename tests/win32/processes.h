#pragma once
// Other programs: lorvane.exe started as a user starts it, the processes a test's actions
// start, and the registry values that say which program the system starts.

#include <tlhelp32.h>

#include <map>
#include <set>

#include "app/menu_table.h"
#include "input.h"
#include "temp_files.h"

namespace lorvane::win32::testing {

// The processes a test starts (the command interpreter of a run, the viewer of the activity
// file, a tool), orphans included: ends those still running. Processes started meanwhile by
// those that were already there (the system's services) are left alone.
class StartedProcesses {
public:
    StartedProcesses() {
        for (const auto& [id, parent] : Running()) before_.insert(id);
    }
    ~StartedProcesses() { EndAll(); }

    void EndAll() {
        // A process ended here may have started another just before: each round waits for
        // the ended ones to be gone, then looks again, until a round finds no one new.
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
    // Process id -> parent's id, as the system lists them now.
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

// A visible top-level window of the process, other than `other` and than its dialogs, or
// null on time-out.
inline HWND WaitForWindow(DWORD processId, HWND other, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            while ((found = FindWindowExW(nullptr, found, nullptr, nullptr)) != nullptr) {
                DWORD owner = 0;
                wchar_t cls[8] = {};
                GetWindowThreadProcessId(found, &owner);
                GetClassNameW(found, cls, 8);
                if (owner == processId && found != other && IsWindowVisible(found) && lstrcmpW(cls, L"#32770") != 0)
                    return true;
            }
            return false;
        },
        timeoutMs);
    return found;
}

// The program started in a folder, with its main window found; ended at the end if still running.
struct RunningProgram {
    explicit RunningProgram(const std::string& folder, const std::string& arguments = "",
                            const std::string& program = BesideProgram("lorvane.exe")) {
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
    void Menu(MenuCommand command) const { PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(command), 0); }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// A text value under HKEY_LOCAL_MACHINE for as long as it lives, its key removed at the end.
struct MachineValue {
    MachineValue(const std::string& keyName, const wchar_t* name, const std::string& value) : key(ToUtf16(keyName)) {
        HKEY handle = nullptr;
        if (RegCreateKeyW(HKEY_LOCAL_MACHINE, key.c_str(), &handle) != ERROR_SUCCESS) return;
        const std::wstring wide = ToUtf16(value);
        set = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                             static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
        RegCloseKey(handle);
    }
    ~MachineValue() {
        if (set) RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    }

    std::wstring key;
    bool set = false;
};

}  // namespace lorvane::win32::testing
