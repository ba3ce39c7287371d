#include "win32/wide_text.h"

#include <iterator>

#include "app/utf16.h"

namespace lorvane::win32 {

std::wstring ToUtf16(std::string_view utf8) {
    if (AllAscii(utf8)) return std::wstring(utf8.begin(), utf8.end());
    std::wstring wide;
    wide.reserve(utf8.size());
    EachUtf16Unit<wchar_t>(utf8, [&](wchar_t unit) { wide += unit; });
    return wide;
}

std::wstring_view ToUtf16In(std::string_view utf8, wchar_t* buffer) {
    std::size_t length = 0;
    EachUtf16Unit<wchar_t>(utf8, [&](wchar_t unit) { buffer[length++] = unit; });
    return {buffer, length};
}

std::string ToUtf8(std::wstring_view utf16) {
    std::string utf8;
    AppendUtf8(utf16, utf8);
    return utf8;
}

void AppendUtf8(std::wstring_view utf16, std::string& to) { lorvane::AppendUtf8(utf16, to); }

bool HasLoneSurrogate(std::wstring_view utf16) { return lorvane::HasLoneSurrogate(utf16); }

std::string WindowText(HWND hwnd) {
    // One call for the usual short text, two for a long one: typing reads a part box at
    // every character, and each call into an edit box costs, under Wine above all.
    wchar_t shortText[1024];
    const int got = GetWindowTextW(hwnd, shortText, static_cast<int>(std::size(shortText)));
    if (got < std::ssize(shortText) - 1) return ToUtf8(shortText, got);  // 0 when it cannot be read
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, wchar_t{});
    return ToUtf8(text.data(), GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
}

std::wstring SystemText(const std::function<DWORD(wchar_t* buffer, DWORD size)>& ask) {
    const DWORD needed = ask(nullptr, {});
    std::wstring text(needed, wchar_t{});
    const DWORD length = ask(text.data(), needed);
    if (length >= needed) return {};  // grown meanwhile, or none
    text.resize(length);
    return text;
}

}  // namespace lorvane::win32
