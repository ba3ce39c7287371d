#pragma once
#include <windows.h>

#include "app/window_layout.h"

namespace lorvane::win32 {

// The Win32 control that shows each kind of model control, with its own styles (the
// visibility, tab stop and group flags come from the layout).
struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle ClassFor(const LayoutEntry& entry);

}  // namespace lorvane::win32
