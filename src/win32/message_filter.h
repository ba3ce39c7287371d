#pragma once
#include <windows.h>

namespace lorvane::win32 {

// Run as administrator, the program would not hear the shell's drops: the system keeps
// messages from processes of lower rights away from its windows. Lets the drop messages
// through to this window. Refused, drops from the shell are lost and everything else works.
void AllowShellDrops(HWND window);

}  // namespace lorvane::win32
