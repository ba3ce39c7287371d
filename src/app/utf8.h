#pragma once
// Texts inside the program are UTF-8: every character of every system's names fits, and the
// program's own French texts are written as they read. Positions in an edit box count UTF-16
// units, as the system's edit boxes do.

#include <cstddef>
#include <string>
#include <string_view>

namespace lorvane {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character starting at `at`, and `at` moved past it. A byte that starts no valid
// sequence reads as U+FFFD and moves one byte, so that any bytes can be walked.
char32_t NextCharacter(std::string_view text, std::size_t& at);

void AppendCharacter(std::string& text, char32_t character);
inline std::string CharacterText(char32_t character) {
    std::string text;
    AppendCharacter(text, character);
    return text;
}

// How many UTF-16 units the text takes; and the byte where the unit at `units` starts,
// moved back to the start of its character and kept inside the text.
int Utf16Length(std::string_view text);
std::size_t ByteOffsetOfUtf16(std::string_view text, int units);

// Line breaks, tabs and the other control characters of C0, DEL and C1.
constexpr bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// The characters a command box never takes when typed: each box holds one part of one line,
// Tab moves on, Enter and Escape do nothing.
constexpr bool IsLineKey(char32_t c) { return c == '\r' || c == '\n' || c == '\t' || c == 0x1B; }

// Characters that show nothing of their own, or turn the text around them (zero widths, joiners,
// direction marks and overrides, the byte order mark, variation selectors, tags): between «  » a
// message would seem to name nothing, or name something else.
constexpr bool IsInvisibleCharacter(char32_t c) {
    return c == 0xAD || c == 0x34F || c == 0x61C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || (c >= 0xFE00 && c <= 0xFE0F) ||
           c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFF8) || (c >= 0xE0000 && c <= 0xE0FFF);
}

// A character as a message names it: itself, or "U+200B" for one that could not be seen.
std::string NamedCharacter(char32_t character);

// The text as a message may quote it: each control or invisible character, and each byte that
// starts no character, written as its code between angle brackets ("<0D>", "<200B>"), so that nothing is
// hidden and nothing cuts the message short; a text longer than `longest` characters ends
// with "…" there.
std::string Visible(std::string_view text, std::size_t longest = 80);

// UTF-16 units (little or big endian) as UTF-8; a lone surrogate reads as U+FFFD.
std::string Utf16BytesAsUtf8(std::string_view bytes, bool bigEndian);

// The same letter of the other case counts as one in file names: the capital, for the
// alphabets file names are most often written in (Latin, Greek, Cyrillic).
char32_t FoldCase(char32_t c);

// The text with each character folded: names compared or sorted without regard to case.
std::string Folded(std::string_view text);

}  // namespace lorvane
