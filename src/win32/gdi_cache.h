#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/window_layout.h"
#include "win32/dpi.h"

namespace lorvane::win32 {

// The fonts and brushes a window paints with, made once and freed with the window.
class GdiCache {
public:
    explicit GdiCache(const PixelScale& scale) : scale_(scale) {}
    ~GdiCache();
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    // Null when the font cannot be made: the control then keeps the system font.
    HFONT Font(const FontSpec& wanted);
    HBRUSH Brush(Color color);
    // Hands over the fonts made so far, for the caller to free once no control uses them:
    // the fonts made next follow the scale as it is then.
    std::vector<HFONT> TakeFonts();

private:
    const PixelScale& scale_;
    std::map<std::string, HFONT> fonts_;
    std::map<Color, HBRUSH> brushes_;
};

// Resolves a model colour (RGB or a system colour index) for GDI.
COLORREF ToColorRef(Color color);

}  // namespace lorvane::win32
