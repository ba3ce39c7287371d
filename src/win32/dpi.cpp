#include "win32/dpi.h"

#include <algorithm>

#include "win32/system_library.h"

namespace lorvane::win32 {

RECT PixelScale::Rect(const Twips& place) const {
    const int left = Pixels(place.left);
    const int top = Pixels(place.top);
    return RECT{left, top, left + Pixels(place.width), top + Pixels(place.height)};
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);  // none without a screen
    ReleaseDC(nullptr, screen);
    return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
    // Loaded by name: the program also runs where user32 lacks it.
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    if (auto* getDpi = LoadSystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow")) {
        if (const UINT dpi = getDpi(window)) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

bool FrameAround(RECT& client, DWORD style, bool menu, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    auto* adjust = LoadSystemFunction<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame = client;
    // Before Windows 10 the system frames at its own scale, the only one it has.
    const BOOL framed = adjust ? adjust(&frame, style, menu, exStyle, static_cast<UINT>(dpi))
                                          : AdjustWindowRectEx(&frame, style, menu, exStyle);
    if (framed) client = frame;
    return framed;
}

void CentreOnScreen(HWND hwnd) {
    RECT window{};
    RECT work{};
    if (!GetWindowRect(hwnd, &window)) return;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, {}, &work, {})) return;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = work.left + ((work.right - work.left) - width) / 2;
    const int top = work.top + ((work.bottom - work.top) - height) / 2;
    SetWindowPos(hwnd, nullptr, std::max(left, static_cast<int>(work.left)), std::max(top, static_cast<int>(work.top)),
                 {}, {}, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace lorvane::win32
