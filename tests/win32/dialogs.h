#pragma once
// Dialogs answered by a script, or shown for real and answered from another thread as a
// person would, and the texts of windows.

#include <atomic>
#include <cstdio>
#include <functional>
#include <set>

#include "support/scripted_dialogs.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace lorvane::win32::testing {

// The real platform, with its dialogs, beep and shell answered by the script unless a
// test asks for the real ones; folders named in `unreadable` cannot be read.
class UiPlatform : public Win32Platform, public lorvane::testing::ScriptedDialogs {
public:
    bool realDialogs = false;  // message boxes and the input box
    bool realShell = false;
    bool realFileDialogs = false;
    std::set<std::string> unreadable;
    std::deque<std::string> fileDialogAnswers;  // the empty text cancels

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override {
        if (!realDialogs) return Message(text, title, buttons, icon);
        messages.push_back({text, title, buttons, icon});
        return Win32Platform::MsgBox(text, title, buttons, icon);
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) override {
        if (!realDialogs) return Input(prompt, title, proposed);
        inputs.push_back({prompt, title, proposed});
        return Win32Platform::InputBox(prompt, title, proposed);
    }
    void Beep() override { ++beeps; }
    void ShellOpen(const std::string& file, const std::string& directory) override {
        shellOpens.emplace_back(file, directory);
        if (realShell) Win32Platform::ShellOpen(file, directory);
    }
    bool ShowFileDialog(FileDialogRequest& request) override {
        if (realFileDialogs) return Win32Platform::ShowFileDialog(request);
        if (fileDialogAnswers.empty()) return false;
        request.fileName = fileDialogAnswers.front();
        fileDialogAnswers.pop_front();
        return !request.fileName.empty();
    }
    void EndProgram() override {}  // the test, not the window, ends the program
    // Checks of that folder take `delayMs` on the worker, as on a slow server; any check is
    // given up after `timeoutMs`.
    void SlowFolderChecks(const std::string& slow, DWORD delayMs, DWORD timeoutMs) {
        folderWait_.check = [slow, delayMs](const std::string& path) {
            if (path == slow) Sleep(delayMs);
            return CheckFolderNow(path);
        };
        folderWait_.timeoutMs = timeoutMs;
    }
    std::string ReadableFolder(const std::string& path) override {
        if (unreadable.count(path) != 0) return {};
        std::string folder = Win32Platform::ReadableFolder(path);
        return unreadable.count(folder) != 0 ? std::string() : folder;
    }
};

inline std::string TextOf(HWND hwnd) {
    // WM_GETTEXT, not GetWindowText, so that another process's edit boxes answer too.
    std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return ToUtf8(text.substr(0, static_cast<std::size_t>(length)));
}

// All texts of the static controls of a dialog, joined by line feeds.
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

// Waits on another thread for a visible dialog with that title, then runs `answer` on it
// from that thread. The dialog's own modal loop keeps the test's thread busy meanwhile; a
// dialog not found in time is closed, so that the test fails instead of waiting forever.
class DialogAnswerer {
public:
    DialogAnswerer(std::string title, std::function<void(HWND dialog)> answer)
        : title_(std::move(title)), answer_(std::move(answer)) {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    DialogAnswerer(std::string title, int button)
        : DialogAnswerer(std::move(title), [button](HWND box) { PostMessageW(box, WM_COMMAND, button, 0); }) {}
    ~DialogAnswerer() {
        stop_ = true;
        if (thread_ == nullptr) return;
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    bool Answered() const { return answered_; }
    // Empty while no dialog has been answered, so that a check of the text also checks the answer.
    std::string SeenText() const { return answered_ ? seenText_ : std::string(); }

private:
    static DWORD WINAPI Run(void* parameter) {
        auto* self = static_cast<DialogAnswerer*>(parameter);
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (!self->stop_ && GetTickCount64() < deadline) {
            HWND dialog = FindWindowW(L"#32770", ToUtf16(self->title_).c_str());
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                self->seenText_ = DialogText(dialog);
                self->answered_ = true;  // before the answer ends the modal loop the test's thread waits in
                self->answer_(dialog);
                return 0;
            }
            Sleep(20);  // another thread's window: nothing to wait on
        }
        for (HWND dialog = nullptr; (dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr));) {
            DWORD process = 0;
            GetWindowThreadProcessId(dialog, &process);
            if (process != GetCurrentProcessId() || !IsWindowVisible(dialog)) continue;
            std::fprintf(stderr, "unanswered dialog \"%s\"\n", TextOf(dialog).c_str());
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        }
        return 0;
    }
    std::string title_;
    std::function<void(HWND dialog)> answer_;
    std::atomic<bool> answered_{false}, stop_{false};
    std::string seenText_;
    HANDLE thread_ = nullptr;
};

}  // namespace lorvane::win32::testing
