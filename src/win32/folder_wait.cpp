#include "win32/folder_wait.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "app/folder_entries.h"
#include "win32/background_work.h"
#include "win32/dropped_files.h"
#include "win32/owned.h"
#include "win32/user_input.h"
#include "win32/wide_text.h"
#include "win32/win32_texts.h"

namespace lorvane::win32 {

namespace {

// Shared by the window's thread and the worker: whichever lets go last frees it, so that a
// worker still stuck on a dead server after the wait has ended touches nothing freed.
struct CheckJob {
    CheckJob(std::string p, std::function<std::string(const std::string&)> c)
        : path(std::move(p)), check(std::move(c)), done(CreateEventExW(nullptr, nullptr, {}, SYNCHRONIZE | EVENT_MODIFY_STATE)) {}

    const std::string path;
    const std::function<std::string(const std::string&)> check;
    std::string result;  // read by the window's thread only once `done` is set
    const OwnedHandle done;  // set once; waited for once
};

void RunCheck(const std::shared_ptr<CheckJob>& job) {
    job->result = job->check(job->path);
    SetEvent(job->done.get());
}

// While the window waits, painting, timers and other threads' calls go on; anything else
// posted (a close, a listing that came in) waits its turn, so that nothing re-enters the
// handler that is waiting. What the user does in the first moments (keys, clicks, a drop, a
// menu command) waits in the queue, as it always did for a check that takes no time; once
// the window says it waits, it is dropped: the window cannot act on it, and acting on it
// later would surprise.
class WaitingLoop {
public:
    explicit WaitingLoop(HWND window) : window_(window) {}
    WaitingLoop(const WaitingLoop&) = delete;
    WaitingLoop& operator=(const WaitingLoop&) = delete;
    ~WaitingLoop() {
        if (noticeShown_) {
            SetWindowTextW(window_, ToUtf16(caption_).c_str());
            SetCursor(cursorBefore_);
        }
        for (const MSG& message : held_) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
            } else if (message.hwnd == nullptr) {
                PostThreadMessageW(GetCurrentThreadId(), message.message, message.wParam, message.lParam);
            } else {
                // A window gone meanwhile takes nothing.
                PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
            }
        }
    }

    bool Announced() const { return announced_; }
    void ShowNotice(const std::string& path) {
        if (announced_) return;
        announced_ = true;
        if (!IsWindow(window_)) return;  // none, or gone
        noticeShown_ = true;
        caption_ = WindowText(window_);
        SetWindowTextW(window_, ToUtf16(WaitingForFolder(caption_, path)).c_str());
        waitCursor_ = LoadCursorW(nullptr, IDC_WAIT);
        cursorBefore_ = SetCursor(waitCursor_);
    }

    void Pump() {
        MSG message;
        while (Next(message)) {
            if (IsUserInput(message.message)) {
                if (message.message == WM_DROPFILES) DiscardDrop(reinterpret_cast<HDROP>(message.wParam));
                // Moving the pointer has the window set its own cursor again.
                if (noticeShown_) SetCursor(waitCursor_);
                continue;
            }
            if (message.message == WM_PAINT || message.message == WM_TIMER || message.message == WM_NULL) {
                DispatchMessageW(&message);
            } else {
                held_.push_back(message);
            }
        }
    }

private:
    // Every message once the wait is announced; before, all but the user's.
    bool Next(MSG& message) {
        if (announced_) return PeekMessageW(&message, nullptr, {}, {}, PM_REMOVE);  // no filter
        static constexpr auto kBeside = BesideUserInput();
        return std::ranges::any_of(kBeside, [&message](const std::pair<UINT, UINT>& range) {
            return PeekMessageW(&message, nullptr, range.first, range.second, PM_REMOVE);
        });
    }

    HWND window_;
    bool announced_ = false;
    bool noticeShown_ = false;
    std::string caption_;
    HCURSOR waitCursor_ = nullptr;
    HCURSOR cursorBefore_ = nullptr;
    std::vector<MSG> held_;
};

}  // namespace

std::string FullFolderPath(const std::string& path) {
    // A bare drive ("D:") names that drive's current folder for this process.
    const std::wstring wide = ToUtf16(path);
    const std::wstring full = SystemText(
        [&wide](wchar_t* buffer, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buffer, nullptr); });
    return full.empty() ? std::string() : WithoutTrailingSeparators(ToUtf8(full));
}

std::string CheckFolderNow(const std::string& path) {
    const std::string full = FullFolderPath(path);
    if (full.empty()) return {};
    const std::wstring folder = ToUtf16(full);

    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    // Opening it for listing proves it can be read, without reading it: a folder of a
    // hundred thousand entries costs no more to check than an empty one.
    HANDLE handle =
        CreateFileW(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {};
    CloseHandle(handle);
    return ToUtf8(folder);
}

std::string CheckFolderWithoutBlocking(const std::string& path, const FolderWaitSettings& settings, HWND window) {
    if (!settings.check) return {};
    auto job = std::make_shared<CheckJob>(path, settings.check);
    if (!job->done) return settings.check(path);  // nothing to wait on: checked here, as before
    // The worker holds its own share of the job.
    if (RunOnPooledThread(std::make_unique<std::shared_ptr<CheckJob>>(job), RunCheck)) return settings.check(path);

    HANDLE done = job->done.get();
    WaitingLoop loop(window);
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const ULONGLONG waited = GetTickCount64() - start;
        if (waited >= settings.timeoutMs) return {};
        if (waited >= settings.noticeMs) loop.ShowNotice(path);
        // Until the notice is due, then until the time-out.
        const ULONGLONG until =
            loop.Announced() ? settings.timeoutMs : std::min<ULONGLONG>(settings.noticeMs, settings.timeoutMs);
        // Before the notice, the user's input left in the queue must not wake the wait again.
        const DWORD outcome = loop.Announced()
                                  ? MsgWaitForMultipleObjectsEx(1, &done, static_cast<DWORD>(until - waited),
                                                                QS_ALLINPUT, MWMO_INPUTAVAILABLE)
                                  : MsgWaitForMultipleObjectsEx(1, &done, static_cast<DWORD>(until - waited),
                                                                QS_ALLINPUT & ~QS_INPUT, 0);
        if (outcome == WAIT_OBJECT_0) return job->result;
        if (outcome == WAIT_FAILED) {
            // The messages cannot be waited on: the worker alone, for the rest of the time-out.
            const DWORD left = static_cast<DWORD>(settings.timeoutMs - waited);
            return WaitForSingleObject(done, left) == WAIT_OBJECT_0 ? job->result : std::string();
        }
        loop.Pump();
    }
}

}  // namespace lorvane::win32
