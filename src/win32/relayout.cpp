#include "win32/relayout.h"
#include "win32/window_messages.h"

#include <algorithm>
#include <vector>

namespace lorvane::win32 {

void LayOutAgain(HWND window, const RECT& suggested, const BoundControls& controls, GdiCache& gdi,
                 const std::function<void(Binder&)>& each) {
    // The old fonts stay selected in the controls until each has its new one.
    const std::vector<HFONT> oldFonts = gdi.TakeFonts();
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& bound : controls.All()) {
        const RECT rect = controls.Rect(bound->Entry());
        SetWindowPos(bound->Handle(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (HFONT font = gdi.Font(bound->Entry().font)) {
            SetFontQuietly(bound->Handle(), font);
        }
        if (each) each(*bound);
    }
    for (HFONT font : oldFonts) {
        // A control whose new font the system refused keeps its old one: that one lives on.
        const bool stillUsed = std::ranges::any_of(controls.All(), [font](const auto& bound) {
            return reinterpret_cast<HFONT>(Send(bound->Handle(), WM_GETFONT)) == font;
        });
        if (!stillUsed) DeleteObject(font);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace lorvane::win32
