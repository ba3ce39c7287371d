#pragma once
// Texts as the system speaks them, UTF-16, and as the program keeps them, UTF-8, crossing
// exactly: no code page takes part. Written for any 16-bit unit, so that the host tests
// check with char16_t what the Windows program does with wchar_t.

#include <string>
#include <string_view>
#include <type_traits>

#include "app/utf8.h"

namespace lorvane {

constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Most names and texts are plain ASCII: a folder of a hundred thousand of them converts at
// the speed of a copy.
template <typename Unit>
bool AllAscii(std::basic_string_view<Unit> text) {
    for (const Unit unit : text) {
        if (static_cast<std::make_unsigned_t<Unit>>(unit) >= 0x80) return false;
    }
    return true;
}

// Each UTF-16 unit of the text, in order; never more units than the text has bytes. A byte
// that starts no character becomes U+FFFD, one unit for each.
template <typename Unit, typename Put>
void EachUtf16Unit(std::string_view utf8, Put put) {
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t character = NextCharacter(utf8, at);
        if (character >= 0x10000) {
            put(static_cast<Unit>(0xD800 + ((character - 0x10000) >> 10)));
            put(static_cast<Unit>(0xDC00 + ((character - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<Unit>(character));
        }
    }
}

// A surrogate without its other half becomes U+FFFD (and the text then names nothing: see
// HasLoneSurrogate).
template <typename Unit>
void AppendUtf8(std::basic_string_view<Unit> utf16, std::string& to) {
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

// Whether the text holds a surrogate without its other half, which no UTF-8 text can carry: an
// NTFS disk written by another system can hold such a name.
template <typename Unit>
bool HasLoneSurrogate(std::basic_string_view<Unit> utf16) {
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t unit = static_cast<char16_t>(utf16[i]);
        if (IsLowSurrogate(unit)) return true;
        if (!IsHighSurrogate(unit)) continue;
        if (i + 1 == utf16.size() || !IsLowSurrogate(static_cast<char16_t>(utf16[i + 1]))) return true;
        ++i;
    }
    return false;
}

}  // namespace lorvane
