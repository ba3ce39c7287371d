#pragma once
#include <windows.h>

namespace lorvane::win32 {

// The main window once it exists, which boxes, the clipboard and the folder waits belong to.
class DialogOwner {
public:
    void Set(HWND window) { window_ = window; }
    HWND Window() const { return window_; }
    // The window the user acted in: the About window for its own buttons (the main window
    // may be gone by then), the main window for everything else.
    HWND Active() const {
        if (HWND active = GetActiveWindow()) return active;
        return IsWindow(window_) ? window_ : nullptr;
    }

private:
    HWND window_ = nullptr;
};

}  // namespace lorvane::win32
