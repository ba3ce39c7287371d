#pragma once
// Helpers for driving the real window under Wine: a platform whose dialogs a test
// answers, a temporary folder tree, message pumping with a time-out, and mouse and
// keyboard input sent as real window messages.

#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "support/scripted_dialogs.h"
#include "win32/ansi_names.h"
#include "win32/main_window.h"
#include "win32/win32_platform.h"

namespace lorvane::win32::testing {

// The real platform, with its dialogs, beep and shell answered by the script unless a
// test asks for the real ones; folders named in `unreadable` cannot be read.
class UiPlatform : public Win32Platform, public lorvane::testing::ScriptedDialogs {
public:
    bool realMessageBoxes = false;
    bool realInputBox = false;
    bool realShell = false;
    bool realFileDialogs = false;
    std::set<std::string> unreadable;

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                     MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    void Beep() override { ++beeps; }
    void ShellOpen(const std::string& file, const std::string& directory) override {
        shellOpens.emplace_back(file, directory);
        if (realShell) Win32Platform::ShellOpen(file, directory);
    }
    std::deque<std::string> fileDialogAnswers;  // the empty text cancels
    bool ShowFileDialog(FileDialogRequest& request) override;
    int endProgramCalls = 0;
    void EndProgram() override { ++endProgramCalls; }
    std::string ReadableFolder(const std::string& path) override;
};

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempTree {
public:
    TempTree();
    ~TempTree();
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }
    // Names the code page may lack come as the system's wide ones.
    std::wstring Path(const std::wstring& relative) const { return ToWide(root_) + L"\\" + relative; }
    void Folder(const std::wstring& relative) const;
    void File(const std::wstring& relative, const std::string& content = "x") const;
    void Folder(const std::string& relative) const { Folder(ToWide(relative)); }
    void File(const std::string& relative, const std::string& content = "x") const { File(ToWide(relative), content); }

private:
    std::string root_;
};

// Pumps the thread's messages through the window's keyboard handling until `done` holds
// or the time-out passes; false on time-out. `done` is checked after each batch of
// messages, and every `pollMs` for conditions no message announces (another process's work).
bool PumpUntil(MainWindow& window, const std::function<bool()>& done, DWORD timeoutMs = 10000,
               DWORD pollMs = INFINITE);
void PumpPending(MainWindow& window);
// How many times the pumps above met the message that ends the program's loop.
int QuitMessagesSeen();

// Waits on another thread for a visible dialog with that title, then runs `answer` on it
// from that thread. The dialog's own modal loop keeps the test's thread busy meanwhile; a
// dialog not found in time is closed, so that the test fails instead of waiting forever.
class DialogAnswerer {
public:
    DialogAnswerer(std::string title, std::function<void(HWND dialog)> answer);
    ~DialogAnswerer();
    bool Answered() const { return answered_; }
    const std::string& SeenText() const { return seenText_; }

private:
    static DWORD WINAPI Run(void* self);
    std::string title_;
    std::function<void(HWND dialog)> answer_;
    std::atomic<bool> answered_{false};
    std::atomic<bool> stop_{false};
    std::string seenText_;
    HANDLE thread_ = nullptr;
};

std::string TextOf(HWND hwnd);
// All texts of the static controls of a dialog, joined by line feeds.
std::string DialogText(HWND dialog);

void ClickListItem(HWND list, int index);
void DoubleClickListItem(HWND list, int index);
// Selects characters [from, to) of an edit box by dragging the mouse, then releases it.
void DragSelect(HWND edit, int from, int to);
void ClickAt(HWND hwnd, int x, int y);
// The processes a test starts (the command interpreter of a run, the viewer of the
// activity file, a tool), orphans included: ends those still running. Processes started
// meanwhile by those that were already there (the system's services) are left alone.
class StartedProcesses {
public:
    StartedProcesses();
    ~StartedProcesses() { EndAll(); }
    StartedProcesses(const StartedProcesses&) = delete;
    StartedProcesses& operator=(const StartedProcesses&) = delete;
    void EndAll();

private:
    std::set<DWORD> before_;
    std::set<DWORD> ended_;
};

// Waits, letting the window work, until the file exists and holds `needle` (any content
// when empty); false on time-out.
bool WaitForFile(MainWindow& window, const std::wstring& path, const std::string& needle, DWORD timeoutMs);
std::string FileContent(const std::wstring& path);
inline bool WaitForFile(MainWindow& window, const std::string& path, const std::string& needle, DWORD timeoutMs) {
    return WaitForFile(window, ToWide(path), needle, timeoutMs);
}
inline std::string FileContent(const std::string& path) { return FileContent(ToWide(path)); }
// The files below a folder, subfolders included, as sorted relative paths.
std::vector<std::wstring> FilesUnder(const std::wstring& folder, const std::wstring& prefix = L"");
inline std::vector<std::wstring> FilesUnder(const std::string& folder) { return FilesUnder(ToWide(folder)); }

// A key pressed while the focused control has the keyboard, as a user would type it.
enum KeyModifier : unsigned { kShift = 1, kCtrl = 2 };
void PressKey(MainWindow& window, UINT key, unsigned modifiers = 0);
void TypeText(HWND edit, const std::string& text);

bool MenuChecked(const MainWindow& window, const MenuItem& item);
bool MenuEnabled(const MainWindow& window, const MenuItem& item);
int MenuId(const MainWindow& window, const MenuItem& item);

}  // namespace lorvane::win32::testing
