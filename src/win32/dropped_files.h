#pragma once
// Folders and files dropped from the shell on the window.
#include <windows.h>

#include <shellapi.h>

#include <vector>

#include "app/frm_xcopy.h"

namespace lorvane::win32 {

// The items of a drop, each as the code page holds its path exactly, and where it was
// dropped in the window's client area. Releases the drop. False when the shell's functions
// cannot be had.
bool ReadDrop(HDROP drop, std::vector<FrmXcopy::DroppedItem>& items, POINT& at);

}  // namespace lorvane::win32
