#include "win32/dpi.h"

namespace lorvane::win32 {

RECT PixelScale::Rect(const Twips& place) const {
    const int left = Pixels(place.left);
    const int top = Pixels(place.top);
    return RECT{left, top, left + Pixels(place.width), top + Pixels(place.height)};
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return USER_DEFAULT_SCREEN_DPI;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace lorvane::win32
