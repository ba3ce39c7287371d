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

// Puts the window in the middle of the screen's work area.
void CentreOnScreen(HWND window);

}  // namespace lorvane::win32
