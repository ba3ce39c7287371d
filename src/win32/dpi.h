#pragma once
#include <windows.h>

#include "app/window_layout.h"

namespace lorvane::win32 {

// Converts the layout's twips to pixels at the monitor's resolution (15 twips a pixel at
// 96 dots per inch, proportionally fewer at higher resolutions).
class PixelScale {
public:
    explicit PixelScale(int dpi) : dpi_(dpi) {}
    int Dpi() const { return dpi_; }
    int Pixels(int twips) const { return MulDiv(twips, dpi_, kTwipsPerInch); }
    RECT Rect(const Twips& place) const;
    // Font height for CreateFont: negative, in pixels, from hundredths of a point.
    int FontHeight(int centiPoints) const { return -MulDiv(centiPoints, dpi_, 7200); }

private:
    int dpi_;
};

// The resolution the window is shown at; the manifest declares the program DPI-aware.
int ScreenDpi();

// The resolution of the monitor the window stands on, where the system knows it per
// monitor (Windows 10 1607 and later); the screen's otherwise.
int WindowDpi(HWND window);

// The window rectangle around a client rectangle at a resolution: the frame and the menu
// bar grow with the monitor's resolution, where the system can say by how much.
bool FrameAround(RECT& client, DWORD style, bool menu, DWORD exStyle, int dpi);

// Puts the window in the middle of the screen's work area.
void CentreOnScreen(HWND window);

}  // namespace lorvane::win32
