#pragma once
#include <windows.h>

#include <functional>

#include "about/frm_about.h"
#include "win32/bound_controls.h"
#include "win32/dpi.h"
#include "win32/gdi_cache.h"
#include "win32/owned.h"

namespace lorvane::win32 {

// The real About window: modeless, fixed size, centred, kept out of the taskbar by an
// invisible owner of its own, one per model; laid out again on a monitor of another scale.
class AboutWindow {
public:
    AboutWindow(FrmAbout& about, const PixelScale& scale, std::function<void()> destroyed);
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    bool Create(HINSTANCE instance);
    HWND ControlHandle(const Control& control) const;
    // Enter and Esc press "OK", Tab moves between the buttons; true when used.
    bool PreTranslate(MSG& message);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The steps of Create, each false when the system refuses it.
    bool MakeWindows(HINSTANCE instance);
    bool Show();
    void Paint();
    // The picture, at the size the scale gives it; without it the window shows its texts alone.
    void LoadPicture();

    FrmAbout& about_;
    // Its own copy: each window follows the monitor it stands on.
    PixelScale scale_;
    std::function<void()> destroyed_;
    GdiCache gdi_;
    BoundControls controls_;
    OwnedWindow owner_;
    HWND hwnd_ = nullptr;  // its own: cleared when the window goes
    OwnedIcon picture_;
};

}  // namespace lorvane::win32
