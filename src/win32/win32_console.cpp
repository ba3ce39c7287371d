#include "win32/win32_console.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "app/code_pages.h"
#include "app/utf8.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

// A new console starts in the OEM code page, and the command interpreter reads a batch file
// in its console's page.
unsigned Win32Console::ConsoleCodePage() { return GetOEMCP(); }

std::string Win32Console::ConsoleTextOf(const std::string& bytes) {
    const UINT codePage = ConsoleCodePage();
    // The system converts at most INT_MAX bytes at once: beyond them (no caller reads as
    // much), the beginning, as a view of a long log shows.
    const int size = static_cast<int>(std::min<std::size_t>(bytes.size(), INT_MAX));
    // Asked for none, the system tells the length; 0 when the bytes do not convert.
    const int length = MultiByteToWideChar(codePage, {}, bytes.data(), size, nullptr, {});
    std::wstring wide(static_cast<std::size_t>(length), wchar_t{});
    if (MultiByteToWideChar(codePage, {}, bytes.data(), size, wide.data(), length) != length) return {};
    return ToUtf8(wide);
}

std::optional<std::string> Win32Console::ConsoleBytes(char32_t character) {
    const std::wstring wide = ToUtf16(CharacterText(character));
    const UINT codePage = ConsoleCodePage();
    const bool flags = TakesConversionFlags(codePage);
    // No best fit: "À" must not become "A" in a page without it, which names another folder.
    char bytes[8] = {};
    const int length = WideCharToMultiByte(codePage, flags ? WC_NO_BEST_FIT_CHARS : DWORD{}, wide.data(),
                                           static_cast<int>(wide.size()), bytes, sizeof bytes, nullptr, nullptr);
    // Read back, a character the page lacks is its default one ("?"); some others convert and
    // yet read back as others: either way, not this character.
    wchar_t back[4] = {};
    const int backLength = MultiByteToWideChar(codePage, {}, bytes, length, back, 4);
    // Nothing written, or nothing read back (0 either way), is no character either.
    if (std::wstring_view(back, static_cast<std::size_t>(backLength)) != wide) return std::nullopt;
    return std::string(bytes, static_cast<std::size_t>(length));
}

}  // namespace lorvane::win32
