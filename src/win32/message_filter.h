#pragma once
#include <windows.h>

namespace lorvane::win32 {

// Run as administrator, the program would not hear the shell's drops: the system keeps
// messages from processes of lower rights away from its windows. Lets the drop messages
// through to this window. False when the system refused; drops from the shell are then
// lost and everything else works.
bool AllowShellDrops(HWND window);

}  // namespace lorvane::win32
