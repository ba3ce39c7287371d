#include "win32/message_filter.h"

#include <initializer_list>

#include "win32/system_library.h"

namespace lorvane::win32 {

namespace {

// The shell hands the dropped names over through it, before WM_DROPFILES.
constexpr UINT kCopyGlobalData = 0x0049;

}  // namespace

void AllowShellDrops(HWND window) {
    // Loaded by name: where user32 lacks it, drops from a shell with fewer rights stay
    // blocked and nothing else changes.
    using ChangeFilterFn = BOOL WINAPI(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
    auto* change = LoadSystemFunction<ChangeFilterFn>(L"user32.dll", "ChangeWindowMessageFilterEx");
    if (!change) return;
    for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
        change(window, message, MSGFLT_ALLOW, nullptr);  // refused, that message alone stays blocked
    }
}

}  // namespace lorvane::win32
