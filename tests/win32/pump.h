#pragma once
// Waiting with a time-out while the window keeps working, never with a fixed sleep.

#include <windows.h>

#include <functional>
#include <string>

#include "temp_files.h"
#include "win32/main_window.h"

namespace lorvane::win32::testing {

// How many times the pumps met the message that ends the program's loop (test support
// only: what the pumps saw).
inline int& QuitMessagesSeen() {
    static int seen = 0;
    return seen;
}

// Dispatches the thread's waiting messages, through the window's keyboard handling when there is one.
inline void PumpPending(MainWindow* window) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ++QuitMessagesSeen();
            continue;
        }
        if (window != nullptr && window->Handle() != nullptr && window->PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
inline void PumpPending(MainWindow& window) { PumpPending(&window); }

// Pumps until `done` holds or the time-out passes; false on time-out. `done` is checked
// after each batch of messages, and every `pollMs` for conditions no message announces
// (another process's work).
inline bool PumpUntil(MainWindow* window, const std::function<bool()>& done, DWORD timeoutMs = 10000,
                      DWORD pollMs = INFINITE) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpPending(window);
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD left = static_cast<DWORD>(deadline - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < pollMs ? left : pollMs, QS_ALLINPUT);
    }
}
inline bool PumpUntil(MainWindow& window, const std::function<bool()>& done, DWORD timeoutMs = 10000,
                      DWORD pollMs = INFINITE) {
    return PumpUntil(&window, done, timeoutMs, pollMs);
}
// Another process's work, with no window of ours: looked at every 50 ms.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    return PumpUntil(nullptr, done, timeoutMs, 50);
}

// Until the file exists and holds `needle` (any content when empty); false on time-out.
inline bool WaitForFile(MainWindow& window, const WideName& path, const std::string& needle, DWORD timeoutMs) {
    return PumpUntil(window, [&] {
        if (GetFileAttributesW(path.wide.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
        return needle.empty() || FileContent(path).find(needle) != std::string::npos;
    }, timeoutMs, 50);
}

}  // namespace lorvane::win32::testing
