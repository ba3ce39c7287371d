#include "win32/win32_clipboard.h"

#include <string_view>

#include "win32/owned.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

bool Win32Clipboard::ClearClipboard() {
    if (!OpenClipboard(owner_.Window())) return false;
    const bool emptied = EmptyClipboard();
    CloseClipboard();
    return emptied;
}

bool Win32Clipboard::SetClipboardText(const std::string& text) {
    const std::wstring wide = ToUtf16(text);
    // The text and its final null, which the zeroed memory holds already; the clipboard owns
    // the memory only once it is placed there.
    Owned<HGLOBAL, GlobalFree> memory(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * sizeof(wchar_t)));
    auto* units = memory ? static_cast<wchar_t*>(GlobalLock(memory.get())) : nullptr;
    if (units) {
        wide.copy(units, wide.size());
        GlobalUnlock(memory.get());
    }
    if (!units || !OpenClipboard(owner_.Window())) return false;
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory.get());
    CloseClipboard();
    if (placed) memory.release();
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
