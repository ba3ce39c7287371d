#pragma once
#include <windows.h>

namespace lorvane::win32 {

// What a window procedure answers for most messages it takes care of.
inline constexpr LRESULT kHandled = 0;
// What it answers for those whose answer says whether it took care of them.
inline constexpr LRESULT kTakenCareOf = TRUE;

// A message to a window, its parameters none unless given: most control messages take one
// or none.
inline LRESULT Send(HWND to, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(to, message, wParam, lParam);
}

inline BOOL Post(HWND to, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return PostMessageW(to, message, wParam, lParam);
}

// Painted again when the window next paints, its background too.
inline void RepaintWhole(HWND window) { InvalidateRect(window, nullptr, TRUE); }

// The control is drawn with the rest of its window, not at once.
inline void SetFontQuietly(HWND control, HFONT font) { Send(control, WM_SETFONT, reinterpret_cast<WPARAM>(font)); }

}  // namespace lorvane::win32
