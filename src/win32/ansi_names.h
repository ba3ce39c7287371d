#pragma once
// Names from the system, which speaks UTF-16, in the program's code page. A conversion
// never puts a look-alike in place of a character the code page lacks: such a name is
// taken by its short name, or not at all.
#include <windows.h>

#include <string>

#include "app/folder_entries.h"

namespace lorvane::win32 {

// The text in the code page, '?' for each character it lacks; true when that gives back
// the very same text.
bool ToAnsi(const wchar_t* wide, int length, std::string& ansi);
inline bool ToAnsi(const std::wstring& wide, std::string& ansi) {
    return ToAnsi(wide.data(), static_cast<int>(wide.size()), ansi);
}
std::wstring ToWide(const std::string& ansi);

// The path as the code page holds it exactly: itself, else its short form; empty when it
// has neither (a volume without short names).
std::string ExactAnsiPath(const std::wstring& path);

// A name found in `folder` (ending with a separator), its short name looked up only when
// the name itself is not exact: a listing of ordinary names costs no system call more.
SystemName ReadName(const std::wstring& folder, const wchar_t* name);

}  // namespace lorvane::win32
