#pragma once
// Mouse and keyboard input sent as real window messages, as a person gives it, and the waits for what it does: with a
// time-out while the window keeps working, never a fixed sleep.

#include <shlobj.h>

#include <functional>

#include "win32/main_window.h"
#include "win32/wide_text.h"

namespace lorvane::win32::testing {

inline int quitMessagesSeen = 0;

inline void PumpPending(MainWindow* window) {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        if (message.message == WM_QUIT) {
            ++quitMessagesSeen;
        } else if (window == nullptr || window->Handle() == nullptr || !window->PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// False on time-out. `done` is checked after each batch of messages, and every 50 ms for conditions no message
// announces (another process's work).
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000, MainWindow* window = nullptr) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;; MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT)) {
        PumpPending(window);
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
    }
}

inline DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}
inline bool IsDialog(HWND window) {
    wchar_t cls[8] = {};
    return GetClassNameW(window, cls, 8) != 0 && lstrcmpW(cls, L"#32770") == 0;
}
// The first visible top-level window that `take` takes, waiting for one up to `timeoutMs`; null if none comes.
inline HWND ShownWindow(const std::function<bool(HWND)>& take, DWORD timeoutMs = 0) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            while ((found = FindWindowExW(nullptr, found, nullptr, nullptr)) != nullptr &&
                   !(IsWindowVisible(found) && take(found))) {}
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

// `down` WM_LBUTTONDBLCLK makes it the second click of a double click.
inline void ClickAt(HWND hwnd, int x, int y, UINT down = WM_LBUTTONDOWN) {
    SendMessageW(hwnd, down, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

inline RECT PlaceIn(HWND window, HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

inline void ClickListItem(HWND list, int index, bool twice = false) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const int x = (item.left + item.right) / 2, y = (item.top + item.bottom) / 2;
    ClickAt(list, x, y);
    if (twice) ClickAt(list, x, y, WM_LBUTTONDBLCLK);
}

// Whether the control, painted now, shows that colour anywhere in the area.
inline bool PaintedIn(HWND control, const RECT& area, COLORREF color) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    bool found = false;
    for (LONG y = area.top; y < area.bottom && !found; ++y)
        for (LONG x = area.left; x < area.right && !found; ++x) found = GetPixel(dc, x, y) == color;
    ReleaseDC(control, dc);
    return found;
}

// Selects characters [from, to) as a user drags the mouse over them.
inline void DragSelect(HWND edit, int from, int to) {
    SetFocus(edit);
    const LRESULT start = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(from), 0);
    const LRESULT end = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(to), 0);
    const int y = HIWORD(start) + 4;
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(LOWORD(start), y));
    SendMessageW(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(LOWORD(end), y));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(LOWORD(end), y));
}

// Paths dropped from the shell on a control, as the shell hands them over: a DROPFILES header and the wide paths,
// posted to the window at the control's centre. The drop's memory is the taker's to give back.
inline HGLOBAL DropOn(HWND window, HWND control, const std::vector<std::string>& paths) {
    std::wstring names;
    for (const std::string& path : paths) names += ToUtf16(path) + L'\0';
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    const RECT place = PlaceIn(window, control);
    *header = {sizeof(DROPFILES), {(place.left + place.right) / 2, (place.top + place.bottom) / 2}, FALSE, TRUE};
    names.copy(reinterpret_cast<wchar_t*>(header + 1), names.size());  // GHND zeroed the list's closing null
    GlobalUnlock(drop);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    return drop;
}

enum KeyModifier : unsigned { kShift = 1, kCtrl = 2 };

// A key pressed while the focused control has the keyboard, as a user would type it: it goes through the message queue,
// where the window's keyboard handling sees it, with the modifiers held in the thread's keyboard state.
inline void PressKey(MainWindow& window, UINT key, unsigned modifiers = 0) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = (modifiers & kCtrl) != 0 ? 0x80 : 0;
    keys[VK_SHIFT] = (modifiers & kShift) != 0 ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND target = GetFocus() != nullptr ? GetFocus() : window.Handle();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, key, scan | 1);
    PostMessageW(target, WM_KEYUP, key, scan | static_cast<LPARAM>(0xC0000001));
    PumpPending(&window);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

// Typed over the whole text of the box, as by a user who selected it all first: each UTF-16 unit a WM_CHAR through the
// window's loop, as an input method gives any character.
inline void TypeOver(MainWindow& window, HWND edit, const std::string& text) {
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t unit : ToUtf16(text)) PostMessageW(edit, WM_CHAR, unit, 1);
    PumpPending(&window);
}

// The real clipboard's Unicode text ("(fermé)" when it cannot be opened).
inline std::string Clipboard() {
    if (!OpenClipboard(nullptr)) return "(fermé)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* units = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    const std::string text = units != nullptr ? ToUtf8(units) : "";
    if (units != nullptr) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

// Put on the clipboard as another program puts it, then pasted over the box's whole text with a user's keys.
inline void PasteOver(MainWindow& window, HWND edit, const std::string& text) {
    const std::wstring units = ToUtf16(text);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(wchar_t));
    std::copy_n(units.c_str(), units.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    if (OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, data) != nullptr) data = nullptr;
    CloseClipboard();
    if (data != nullptr) GlobalFree(data);
    SetFocus(edit);
    for (UINT key : {'A', 'V'}) PressKey(window, key, kCtrl);
}

}  // namespace lorvane::win32::testing
