#pragma once
#include <windows.h>

namespace lorvane::win32 {

// The class of a window of the program, registered by the first window of it and found
// there by the next; false when the system refuses it.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon = nullptr);

}  // namespace lorvane::win32
