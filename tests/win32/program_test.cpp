#include <windows.h>

#include <gtest/gtest.h>

#include "app/menu_table.h"

#include <functional>
#include <string>

#include "ui_support.h"
#include "win32/win32_platform.h"

namespace lorvane::win32 {
namespace {

using namespace testing;

// lorvane.exe of the same build, found from this test program's own place.
std::string ProgramPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    for (int up = 0; up < 3; ++up) path = path.substr(0, path.find_last_of('\\'));
    return path + "\\src\\win32\\lorvane.exe";
}

// Another process's work: nothing of ours to wait on, the test looks again now and then.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    for (const ULONGLONG deadline = GetTickCount64() + timeoutMs; !done(); Sleep(50)) {
        if (GetTickCount64() >= deadline) return false;
    }
    return true;
}

// Waits for a top-level window of that caption belonging to the process.
HWND WaitForWindow(DWORD processId, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] {
        while ((found = FindWindowExA(nullptr, found, nullptr, caption)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(found, &owner);
            if (owner == processId && IsWindowVisible(found)) return true;
        }
        return false;
    }, timeoutMs);
    return found;
}

// The program started in a folder, with its main window found.
struct RunningProgram {
    explicit RunningProgram(const std::string& folder, const std::wstring& program = ToWide(ProgramPath())) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + program + L"\"";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ToWide(folder).c_str(),
                            &startup, &process)) {
            return;
        }
        window = WaitForWindow(process.dwProcessId, "Lorvane (MS-DOS)", 20000);
    }
    ~RunningProgram() {
        if (process.hProcess == nullptr) return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    bool Ended(DWORD timeoutMs) const { return WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0; }
    void Menu(int id) const { PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

TEST(Program, StartsInItsFolderWithTheFirstCommandLine) {
    TempTree folder;
    RunningProgram program(folder.Root());
    ASSERT_NE(program.window, nullptr) << ProgramPath();
    const std::string part = folder.Root().substr(0, 3) + ". ";
    EXPECT_EQ(TextOf(GetDlgItem(program.window, 603)), "XCOPY " + part + " " + part + " /S /E /C /H /Y ");
    for (int index : {4, 5, 7, 12, 17}) {
        EXPECT_EQ(SendMessageA(GetDlgItem(program.window, 400 + index), BM_GETCHECK, 0, 0), BST_CHECKED) << index;
    }
    EXPECT_EQ(SendMessageA(GetDlgItem(program.window, 400), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PostMessageA(program.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended(20000));
}

constexpr int kMenuExecuter = static_cast<int>(MenuCommand::Executer);
constexpr int kMenuQuitter = static_cast<int>(MenuCommand::Quitter);
constexpr int kMenuApropos = static_cast<int>(MenuCommand::APropos);

std::string ProgramFolderFile(const char* name) {
    const std::string path = ProgramPath();
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

TEST(Program, QuitEndsEverythingAndRemovesCmdBat) {
    TempTree folder;
    const std::string cmd = ProgramFolderFile("Cmd.bat");
    HANDLE file = CreateFileA(cmd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    RunningProgram program(folder.Root());
    ASSERT_NE(program.window, nullptr);
    program.Menu(kMenuApropos);
    ASSERT_NE(WaitForWindow(program.process.dwProcessId, "\xC0 propos de Lorvane", 10000), nullptr);
    program.Menu(kMenuQuitter);
    EXPECT_TRUE(program.Ended(20000));  // the About window did not hold it
    EXPECT_EQ(GetFileAttributesA(cmd.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(ProgramFolderFile("lorvane.html").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Run from a folder whose name the code page lacks, the program writes its batch file
// there, by the folder's short name, and never beside a look-alike.
TEST(Program, RunsFromAFolderNamedOutsideTheCodePage) {
    TempTree start, home;  // the start folder is empty: the command copies nothing
    const std::wstring folder = home.Path(std::wstring(L"Lorvane \x142"));
    home.Folder(std::wstring(L"Lorvane \x142"));
    ASSERT_TRUE(CopyFileW(ToWide(ProgramPath()).c_str(), (folder + L"\\lorvane.exe").c_str(), FALSE));
    const StartedProcesses started;
    RunningProgram program(start.Root(), folder + L"\\lorvane.exe");
    ASSERT_NE(program.window, nullptr);
    for (int fileLevel : {204, 304}) SendMessageA(GetDlgItem(program.window, fileLevel), BM_CLICK, 0, 0);
    {
        const DialogAnswerer answer("\xB0Lorvane\xB0", [](HWND box) { PostMessageA(box, WM_COMMAND, IDYES, 0); });
        program.Menu(kMenuExecuter);
        WaitFor([&] { return !FileContent(folder + L"\\batch.bat").empty(); }, 20000);
    }
    EXPECT_EQ(FileContent(folder + L"\\batch.bat"),
              "XCOPY " + start.Root() + "\\  " + start.Root() + "\\  /S /E /C /H /Y \n pause\r\n");
    program.Menu(kMenuQuitter);
    EXPECT_TRUE(program.Ended(20000));
}

TEST(Program, AnOpenAboutWindowOutlivesTheMainWindow) {
    TempTree folder;
    RunningProgram program(folder.Root());
    ASSERT_NE(program.window, nullptr);
    program.Menu(kMenuApropos);
    HWND about = WaitForWindow(program.process.dwProcessId, "\xC0 propos de Lorvane", 10000);
    ASSERT_NE(about, nullptr);
    PostMessageA(program.window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(program.Ended(1000));
    EXPECT_TRUE(IsWindow(about));
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended(20000));
}

TEST(Win32Platform, ShellOpensABatchFileWithoutWaitingForIt) {
    TempTree folder;
    const StartedProcesses started;
    folder.File("essai.bat", "@echo ouvert> marque.txt\r\n");
    Win32Platform platform;
    platform.ShellOpen("essai.bat", folder.Root());
    const std::string marker = folder.Path("marque.txt");
    EXPECT_TRUE(WaitFor([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 20000));
}

TEST(Win32Platform, ReadableFolderResolvesAndRefuses) {
    TempTree folder;
    folder.Folder("sous");
    Win32Platform platform;
    EXPECT_EQ(platform.ReadableFolder(folder.Path("sous") + "\\"), folder.Path("sous"));
    EXPECT_EQ(platform.ReadableFolder(folder.Path("absent")), "");
    folder.File("fichier.txt");
    EXPECT_EQ(platform.ReadableFolder(folder.Path("fichier.txt")), "");
    const std::string root = folder.Root().substr(0, 3);
    EXPECT_EQ(platform.ReadableFolder(root), root);
}

}  // namespace
}  // namespace lorvane::win32
