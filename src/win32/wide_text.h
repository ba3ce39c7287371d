#pragma once
// The system speaks UTF-16 and the program UTF-8: texts cross between the two here, and
// only here, exactly. No code page takes part, so a name shows and runs the same whatever
// the system's language.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace lorvane::win32 {

// Any bytes convert: a byte that starts no character becomes U+FFFD, one unit for each, as
// the program counts an edit box's units (app/utf8.h), so that positions agree both sides.
std::wstring ToUtf16(std::string_view utf8);
// The same into a buffer of at least utf8.size() units, for the many short names of a listing.
std::wstring_view ToUtf16In(std::string_view utf8, wchar_t* buffer);

// A surrogate without its other half becomes U+FFFD (and the text then names nothing: see
// HasLoneSurrogate).
std::string ToUtf8(std::wstring_view utf16);
void AppendUtf8(std::wstring_view utf16, std::string& to);
// Whether the text holds a surrogate without its other half, which no UTF-8 text can carry: an
// NTFS disk written by another system can hold such a name.
bool HasLoneSurrogate(std::wstring_view utf16);
inline std::string ToUtf8(const wchar_t* text, int length) {
    return ToUtf8(std::wstring_view(text, length > 0 ? static_cast<std::size_t>(length) : 0));
}

// A window's or a control's text; empty when it cannot be read.
std::string WindowText(HWND hwnd);

// A text the system writes into a buffer after telling its size (with the final null) when
// given none; empty when it cannot tell.
std::wstring SystemText(const std::function<DWORD(wchar_t* buffer, DWORD size)>& ask);

}  // namespace lorvane::win32
