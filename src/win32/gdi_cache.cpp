#include "win32/gdi_cache.h"

#include "win32/wide_text.h"

namespace lorvane::win32 {

COLORREF ToColorRef(Color color) {
    if (color & kSystemColor) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color);
}

GdiCache::~GdiCache() {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::Font(const FontSpec& wanted) {
    const std::string key = std::string(wanted.face) + "/" + std::to_string(wanted.centiPoints) +
                            (wanted.bold ? "b" : "") + (wanted.underline ? "u" : "");
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    HFONT font = CreateFontW(scale_.FontHeight(wanted.centiPoints), {}, {}, {}, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             wanted.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ToUtf16(wanted.face).c_str());
    if (!font) return nullptr;
    fonts_.emplace(key, font);
    return font;
}

std::vector<HFONT> GdiCache::TakeFonts() {
    std::vector<HFONT> taken;
    for (auto& [key, font] : fonts_) taken.push_back(font);
    fonts_.clear();
    return taken;
}

HBRUSH GdiCache::Brush(Color color) {
    if (auto found = brushes_.find(color); found != brushes_.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    if (!brush) return GetSysColorBrush(COLOR_BTNFACE);
    brushes_.emplace(color, brush);
    return brush;
}

}  // namespace lorvane::win32
