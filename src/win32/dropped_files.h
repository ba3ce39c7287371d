#pragma once
// Folders and files dropped from the shell on the window.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace lorvane::win32 {

// The full paths of a drop, and where it was dropped in the window's client area. Releases
// the drop. False when the shell's function that reads the paths cannot be had.
bool ReadDrop(HDROP drop, std::vector<std::string>& paths, POINT& at);
// Releases a drop the window refuses unread.
void DiscardDrop(HDROP drop);

}  // namespace lorvane::win32
