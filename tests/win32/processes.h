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

// The processes a test starts (the command interpreter of a run, the viewer of the
// activity file, a tool), orphans included: ends those still running. Processes started
// meanwhile by those that were already there (the system's services) are left alone.
class StartedProcesses {
public:
    StartedProcesses() {
        for (const auto& [id, parent] : Running()) before_.insert(id);
    }
    ~StartedProcesses() { EndAll(); }

    void EndAll() {
        // A process ended here may have started another just before: each round waits for
        // the ended ones to be gone, then looks again, until a round finds no one new.
        const DWORD self = GetCurrentProcessId();
        for (bool foundNew = true; foundNew;) {
            foundNew = false;
            for (const auto& [id, parent] : Running()) {
                const bool startedByTheSystem = parent != self && before_.count(parent) != 0;
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
        if (snapshot == INVALID_HANDLE_VALUE) return parents;
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
            parents[entry.th32ProcessID] = entry.th32ParentProcessID;
        }
        CloseHandle(snapshot);
        return parents;
    }

    std::set<DWORD> before_, ended_;
};

// A file beside lorvane.exe of the same build, found from this test program's own place.
inline std::string BesideProgram(const char* name) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    for (int up = 0; up < 3; ++up) path = path.substr(0, path.find_last_of('\\'));
    return path + "\\src\\win32\\" + name;
}

// A visible top-level window of that caption belonging to the process, or null on time-out.
inline HWND WaitForWindow(DWORD processId, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    auto shown = [&] {
        while ((found = FindWindowExA(nullptr, found, nullptr, caption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == processId && IsWindowVisible(found)) return true;
        }
        return false;
    };
    PumpUntil(shown, timeoutMs);
    return found;
}

// The program started in a folder, with its main window found; ended at the end if still running.
struct RunningProgram {
    explicit RunningProgram(const std::string& folder, const std::wstring& arguments = L"",
                            const WideName& program = BesideProgram("lorvane.exe")) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + program.wide + L"\" " + arguments;
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ToWide(folder).c_str(),
                           &startup, &process)) {
            window = WaitForWindow(process.dwProcessId, "Lorvane (MS-DOS)", 20000);
        }
    }
    ~RunningProgram() {
        if (process.hProcess == nullptr) return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    bool Ended(DWORD timeoutMs) const { return WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0; }
    void Menu(MenuCommand command) const { PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(command), 0); }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// A text value under HKEY_LOCAL_MACHINE for as long as it lives, its key removed at the end.
struct MachineValue {
    MachineValue(std::string keyName, const char* name, const std::string& value) : key(std::move(keyName)) {
        HKEY handle = nullptr;
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &handle) != ERROR_SUCCESS) return;
        set = RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
        RegCloseKey(handle);
    }
    ~MachineValue() {
        if (set) RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
    }

    std::string key;
    bool set = false;
};

}  // namespace lorvane::win32::testing
