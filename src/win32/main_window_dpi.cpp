// The main window moved to a monitor of another resolution: everything is laid out again
// from the layout's twips, as a start on that monitor would have made it.
#include "win32/main_window.h"

#include <commctrl.h>

#include "win32/relayout.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    scale_ = PixelScale(dpi);
    if (helpTips_) Send(helpTips_, TTM_SETMAXTIPWIDTH, {}, HelpTipWidth());
    LayOutAgain(hwnd_, suggested, controls_, gdi_, [this](Binder& bound) {
        if (bound.ListView()) Send(bound.Handle(), LB_SETITEMHEIGHT, {}, ItemHeight());
    });
}

}  // namespace lorvane::win32
