// The floor for start-up on a given system: a program built the same way that puts the
// main window's child controls (same classes, styles, places and fonts, no text) on one
// empty window and paints it, with none of the program behind them. Whatever the program
// takes beyond this is its own; what this takes beyond the bare window is the system's
// price for the controls themselves.
#include <vector>

#include "app/frm_xcopy.h"
#include "bare_program.h"
#include "win32/binder.h"
#include "win32/dpi.h"
#include "win32/gdi_cache.h"
#include "win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    using namespace lorvane;
    using namespace lorvane::win32;
    Win32Platform platform;
    FrmXcopy form(platform);  // only for the table of controls
    const PixelScale scale(ScreenDpi());
    GdiCache gdi(scale);
    return bench::RunBareWindow(instance, showCommand, [&](HWND window) {
        const std::vector<LayoutEntry> layout = MainWindowLayout(form);
        for (const LayoutEntry& entry : layout) {
            const KindBinding& cls = BindingOf(entry.kind);
            const RECT rect = scale.Rect(PlaceInWindow(entry, layout));
            HWND control = CreateWindowExW(cls.exStyle, cls.className, L"", WS_CHILD | WS_VISIBLE | cls.style,
                                           rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, window,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
            if (control == nullptr) return false;
            if (HFONT font = gdi.Font(entry.font)) {
                SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            }
        }
        return true;
    });
}
