// The floor for start-up on a given system: a program built the same way that puts the
// main window's child controls (same classes, styles, places and fonts, no text) on one
// empty window and paints it, with none of the program behind them. Whatever the program
// takes beyond this is its own; what this takes beyond the bare window is the system's
// price for the controls themselves.
#include <windows.h>

#include <vector>

#include "app/frm_xcopy.h"
#include "win32/control_classes.h"
#include "win32/dpi.h"
#include "win32/gdi_cache.h"
#include "win32/win32_platform.h"

namespace {

using namespace lorvane;
using namespace lorvane::win32;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            if (dc != nullptr) FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "BareControls";
    if (RegisterClassA(&windowClass) == 0) return 1;
    HWND hwnd = CreateWindowExA(0, "BareControls", "Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                695, 519, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) return 1;

    Win32Platform platform;
    FrmXcopy form(platform);  // only for the table of controls
    const PixelScale scale(ScreenDpi());
    GdiCache gdi(scale);
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    for (const LayoutEntry& entry : layout) {
        const ClassAndStyle cls = ClassFor(entry);
        const RECT rect = scale.Rect(PlaceInWindow(entry, layout));
        HWND control = CreateWindowExA(cls.exStyle, cls.className, "", WS_CHILD | WS_VISIBLE | cls.style, rect.left,
                                       rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
        if (control == nullptr) return 1;
        if (HFONT font = gdi.Font(entry.font)) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
