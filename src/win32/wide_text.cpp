#include "win32/wide_text.h"

#include <type_traits>

#include "app/utf8.h"

namespace lorvane::win32 {

namespace {

// Most names and texts are plain ASCII: a folder of a hundred thousand of them converts at
// the speed of a copy.
template <typename Unit>
bool AllAscii(std::basic_string_view<Unit> text) {
    for (const Unit unit : text) {
        if (static_cast<std::make_unsigned_t<Unit>>(unit) >= 0x80) return false;
    }
    return true;
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

namespace {

// Each UTF-16 unit of the text, in order; never more units than the text has bytes.
template <typename Put>
void EachUtf16Unit(std::string_view utf8, Put put) {
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t character = NextCharacter(utf8, at);
        if (character >= 0x10000) {
            put(static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10)));
            put(static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<wchar_t>(character));
        }
    }
}

}  // namespace

std::wstring ToUtf16(std::string_view utf8) {
    if (AllAscii(utf8)) return std::wstring(utf8.begin(), utf8.end());
    std::wstring wide;
    wide.reserve(utf8.size());
    EachUtf16Unit(utf8, [&](wchar_t unit) { wide += unit; });
    return wide;
}

std::wstring_view ToUtf16In(std::string_view utf8, wchar_t* buffer) {
    std::size_t length = 0;
    EachUtf16Unit(utf8, [&](wchar_t unit) { buffer[length++] = unit; });
    return {buffer, length};
}

std::string ToUtf8(std::wstring_view utf16) {
    std::string utf8;
    AppendUtf8(utf16, utf8);
    return utf8;
}

void AppendUtf8(std::wstring_view utf16, std::string& to) {
    if (AllAscii(utf16)) {
        to.append(utf16.begin(), utf16.end());
        return;
    }
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t character = static_cast<char16_t>(utf16[i]);
        if (IsHighSurrogate(character) && i + 1 < utf16.size() && IsLowSurrogate(static_cast<char16_t>(utf16[i + 1]))) {
            character = 0x10000 + ((character - 0xD800) << 10) + (static_cast<char16_t>(utf16[++i]) - 0xDC00);
        }
        AppendCharacter(to, character);  // a lone surrogate is written as U+FFFD
    }
}

bool HasLoneSurrogate(std::wstring_view utf16) {
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = static_cast<char16_t>(utf16[i]);
        if (IsLowSurrogate(unit)) return true;
        if (!IsHighSurrogate(unit)) continue;
        if (i + 1 == utf16.size() || !IsLowSurrogate(static_cast<char16_t>(utf16[i + 1]))) return true;
        ++i;
    }
    return false;
}

std::string WindowText(HWND hwnd) {
    // One call for the usual short text, two for a long one: typing reads a part box at
    // every character, and each call into an edit box costs, under Wine above all.
    wchar_t shortText[1024];
    const int got = GetWindowTextW(hwnd, shortText, 1024);
    if (got >= 0 && got < 1023) return ToUtf8(shortText, got);
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    return ToUtf8(text.data(), GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
}

}  // namespace lorvane::win32
