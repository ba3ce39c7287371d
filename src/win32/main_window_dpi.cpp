// The main window moved to a monitor of another resolution: everything is laid out again
// from the layout's twips, as a start on that monitor would have made it.
#include "win32/main_window.h"

#include <commctrl.h>

namespace lorvane::win32 {

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0) return;
    scale_ = PixelScale(dpi);
    // The old fonts stay selected in the controls until each has its new one.
    const std::vector<HFONT> oldFonts = gdi_.TakeFonts();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& bound : controls_.All()) {
        const RECT rect = controls_.Rect(bound->Entry());
        SetWindowPos(bound->Handle(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (HFONT font = gdi_.Font(bound->Entry().font)) {
            SendMessageW(bound->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
        if (bound->ListView() != nullptr) SendMessageW(bound->Handle(), LB_SETITEMHEIGHT, 0, ItemHeight());
    }
    if (helpTips_ != nullptr) SendMessageW(helpTips_, TTM_SETMAXTIPWIDTH, 0, HelpTipWidth());
    for (HFONT font : oldFonts) {
        // A control whose new font the system refused keeps its old one: that one lives on.
        bool stillUsed = false;
        for (const auto& bound : controls_.All()) {
            if (reinterpret_cast<HFONT>(SendMessageW(bound->Handle(), WM_GETFONT, 0, 0)) == font) stillUsed = true;
        }
        if (!stillUsed) DeleteObject(font);
    }
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace lorvane::win32
