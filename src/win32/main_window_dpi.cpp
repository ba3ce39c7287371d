// The main window moved to a monitor of another resolution: everything is laid out again
// from the layout's twips, as a start on that monitor would have made it.
#include "win32/main_window.h"

#include <commctrl.h>

#include "win32/relayout.h"

namespace lorvane::win32 {

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0) return;
    scale_ = PixelScale(dpi);
    if (helpTips_ != nullptr) SendMessageW(helpTips_, TTM_SETMAXTIPWIDTH, 0, HelpTipWidth());
    LayOutAgain(hwnd_, suggested, controls_, gdi_, [this](Binder& bound) {
        if (bound.ListView() != nullptr) SendMessageW(bound.Handle(), LB_SETITEMHEIGHT, 0, ItemHeight());
    });
}

}  // namespace lorvane::win32
