#pragma once
// Dialogs answered by a script, or shown for real and answered from another thread as a person would; windows' texts.

#include <atomic>
#include <cstdio>
#include <functional>
#include <set>
#include <thread>

#include "input.h"
#include "support/scripted_dialogs.h"
#include "win32/input_box.h"
#include "win32/win32_platform.h"

namespace lorvane::win32::testing {

// The real platform, with its dialogs, beep and shell answered by the script unless a test asks for the real ones;
// folders named in `unreadable` cannot be read.
class UiPlatform : public Win32Platform, public lorvane::testing::ScriptedDialogs {
public:
    bool realDialogs = false;  // message boxes and the input box
    bool realShell = false;
    bool realFileDialogs = false;
    std::set<std::string> unreadable;
    std::vector<std::pair<std::string, std::string>> shellOpens;  // file, folder

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override {
        if (!realDialogs) return Message(text, title, buttons, icon);
        messages.push_back({text, title, buttons, icon});
        return Win32Platform::MsgBox(text, title, buttons, icon);
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) override {
        return realDialogs ? Win32Platform::InputBox(prompt, title, proposed) : Input(prompt, title, proposed);
    }
    void Beep() override { ++beeps; }
    bool ShellOpen(const std::string& file, const std::string& directory) override {
        shellOpens.emplace_back(file, directory);
        return !realShell || Win32Platform::ShellOpen(file, directory);
    }
    bool ShowFileDialog(FileDialogRequest& request) override {
        return realFileDialogs && Win32Platform::ShowFileDialog(request);
    }
    void EndProgram() override {}  // the test, not the window, ends the program
    // Checks of that folder take `delayMs` on the worker, as on a slow server; any check is given up after `timeoutMs`.
    void SlowFolderChecks(const std::string& slow, DWORD delayMs, DWORD timeoutMs) {
        wait.settings.check = [slow, delayMs](const std::string& path) {
            if (path == slow) Sleep(delayMs);
            return CheckFolderNow(path);
        };
        wait.settings.timeoutMs = timeoutMs;
    }
    std::string ReadableFolder(const std::string& path) override {
        const std::string folder = unreadable.count(path) != 0 ? "" : Win32Platform::ReadableFolder(path);
        return unreadable.count(folder) != 0 ? std::string() : folder;
    }
};

inline std::string TextOf(HWND hwnd) {
    // WM_GETTEXT, not GetWindowText, so that another process's edit boxes answer too.
    std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return ToUtf8(text.substr(0, static_cast<std::size_t>(length)));
}

inline std::string DialogText(HWND dialog) {
    std::string all;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        GetClassNameW(child, cls, 32);
        const std::string text = lstrcmpiW(cls, L"Static") == 0 ? TextOf(child) : "";
        if (!text.empty()) all += (all.empty() ? "" : "\n") + text;
    }
    return all;
}

// Dialogs told apart by a control of their own, whatever their titles: a message box's text, the input box's answer, a
// file dialog's name box.
enum class Dialog { Message = 0xFFFF, Input = kInputBoxEditId, File = 0x47C };

inline HWND WaitForDialog(HWND owner, Dialog kind, DWORD timeoutMs = 10000) {
    return ShownWindow(
        [=](HWND dialog) {
            return IsDialog(dialog) && GetWindow(dialog, GW_OWNER) == owner &&
                   GetDlgItem(dialog, static_cast<int>(kind));
        },
        timeoutMs);
}

// Waits on another thread for the dialog, then runs `answer` on it from that thread: its own modal loop keeps the
// test's thread busy meanwhile. A dialog not found in time is closed: the test fails instead of waiting forever.
class DialogAnswerer {
public:
    DialogAnswerer(HWND owner, Dialog kind, std::function<void(HWND dialog)> answer)
        : answer_(std::move(answer)), thread_([this, owner, kind](std::stop_token stop) { Run(owner, kind, stop); }) {}
    DialogAnswerer(HWND owner, Dialog kind, int button)
        : DialogAnswerer(owner, kind, [button](HWND box) { PostMessageW(box, WM_COMMAND, button, 0); }) {}
    // Empty while none has been answered, so that a check of a text also checks the answer.
    std::string SeenTitle() const { return answered_ ? title_ : std::string(); }
    std::string SeenText() const { return answered_ ? text_ : std::string(); }

private:
    void Run(HWND owner, Dialog kind, const std::stop_token& stop) {
        HWND dialog = nullptr;
        PumpUntil([&] { return stop.stop_requested() || (dialog = WaitForDialog(owner, kind, 0)) != nullptr; });
        if (dialog != nullptr) {
            title_ = TextOf(dialog);
            text_ = DialogText(dialog);
            answered_ = true;  // before the answer ends the modal loop the test's thread waits in
            return answer_(dialog);
        }
        if (stop.stop_requested()) return;
        ShownWindow([](HWND dialog) {
            if (!IsDialog(dialog) || ProcessOf(dialog) != GetCurrentProcessId()) return false;
            std::fprintf(stderr, "unanswered dialog \"%s\"\n", TextOf(dialog).c_str());
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            return false;  // on to the next
        });
    }
    std::function<void(HWND dialog)> answer_;
    std::atomic<bool> answered_{false};
    std::string title_, text_;
    std::jthread thread_;  // last: ended before the members it uses
};

}  // namespace lorvane::win32::testing
