#include "win32/win32_clipboard.h"

#include <string_view>

#include "win32/wide_text.h"

namespace lorvane::win32 {

bool Win32Clipboard::ClearClipboard() {
    if (!OpenClipboard(owner_.Window())) return false;
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
}

bool Win32Clipboard::SetClipboardText(const std::string& text) {
    const std::wstring wide = ToUtf16(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) return false;
    auto* units = static_cast<wchar_t*>(GlobalLock(memory));
    if (units == nullptr) {
        GlobalFree(memory);
        return false;
    }
    wide.copy(units, wide.size());
    units[wide.size()] = L'\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(owner_.Window())) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
    return placed;
}

std::string Win32Clipboard::GetClipboardText() {
    if (!OpenClipboard(owner_.Window())) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Another program's text may lack its final zero: never read past its memory.
            const std::wstring_view whole(units, GlobalSize(data) / sizeof(wchar_t));
            text = ToUtf8(whole.substr(0, whole.find(L'\0')));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace lorvane::win32
