#pragma once
#include <windows.h>

#include <functional>

#include "win32/binder.h"
#include "win32/bound_controls.h"
#include "win32/gdi_cache.h"

namespace lorvane::win32 {

// A window moved to a monitor of another resolution, the scale its controls and fonts follow
// already set to it: the window takes the rectangle the system suggests, and each control its
// place and font again from the layout's twips, as a start on that monitor would have made
// them; `each` gives a control what more it needs.
void LayOutAgain(HWND window, const RECT& suggested, const BoundControls& controls, GdiCache& gdi,
                 const std::function<void(Binder&)>& each = {});

}  // namespace lorvane::win32
