#pragma once
#include <windows.h>

#include <string>

namespace lorvane::win32 {

// A modal question with a prompt, a title, a proposed answer, "OK" and "Annuler". Enter
// accepts, Esc cancels; a cancel gives the empty text, as does a failure to show it.
std::string ShowInputBox(HWND owner, const std::string& prompt, const std::string& title, const std::string& proposed);

// Control IDs, for the tests that answer the box.
inline constexpr int kInputBoxEditId = 100;
inline constexpr int kInputBoxPromptId = 101;

}  // namespace lorvane::win32
