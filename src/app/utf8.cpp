#include "app/utf8.h"

#include <cstdio>

namespace lorvane {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

char32_t NextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    int length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u;
    }
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
        ++at;
        return kReplacementCharacter;
    }
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if (!IsContinuation(byte)) {
            ++at;
            return kReplacementCharacter;
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are no characters.
    static constexpr char32_t kSmallestOfLength[] = {0x80, 0x800, 0x10000};  // 2, 3 and 4 bytes
    if (value < kSmallestOfLength[length - 2] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        ++at;
        return kReplacementCharacter;
    }
    at += static_cast<std::size_t>(length);
    return value;
}

void AppendCharacter(std::string& text, char32_t c) {
    if (c >= 0xD800 && c <= 0xDFFF) c = kReplacementCharacter;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c <= 0x10FFFF) {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        AppendCharacter(text, kReplacementCharacter);
    }
}

int Utf16Length(std::string_view text) {
    int units = 0;
    for (std::size_t at = 0; at < text.size();) units += NextCharacter(text, at) >= 0x10000 ? 2 : 1;
    return units;
}

std::size_t ByteOffsetOfUtf16(std::string_view text, int units) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t next = at;
        const int width = NextCharacter(text, next) >= 0x10000 ? 2 : 1;
        if (units < width) break;
        units -= width;
        at = next;
    }
    return at;
}

std::string NamedCharacter(char32_t character) {
    if (!IsControlCharacter(character) && !IsInvisibleCharacter(character)) return CharacterText(character);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    return code;
}

std::string Visible(std::string_view text, std::size_t longest) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (characters == longest) return shown + "…";
        const std::size_t start = at;
        const char32_t character = NextCharacter(text, at);
        const bool badByte = character == kReplacementCharacter && at - start == 1;
        if (!badByte && !IsControlCharacter(character) && !IsInvisibleCharacter(character)) {
            shown.append(text, start, at - start);
            continue;
        }
        char code[16];
        std::snprintf(code, sizeof code, "<%02X>",
                      badByte ? static_cast<unsigned char>(text[start]) : static_cast<unsigned>(character));
        shown += code;
    }
    return shown;
}

std::string Utf16BytesAsUtf8(std::string_view bytes, bool bigEndian) {
    auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendCharacter(text, unit);  // a lone surrogate becomes U+FFFD there
    }
    return text;
}

char32_t FoldCase(char32_t c) {
    if (c <= 'z') return c >= 'a' ? c - 0x20 : c;                // ASCII: only its letters have cases
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;  // Latin-1
    if (c == 0xFF) return 0x178;                                 // ÿ
    if (c >= 0x100 && c <= 0x17F) {                              // Latin Extended-A
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);  // the pairs that shift
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F) return c;
        if (oddUpper) return (c & 1) == 0 ? c - 1 : c;
        return (c & 1) == 1 ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;  // Greek
    if (c == 0x3C2) return 0x3A3;                                 // final sigma
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;                // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

std::string Folded(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {  // most names are ASCII: no decoding for them
            folded += static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - 0x20 : byte);
            ++at;
            continue;
        }
        AppendCharacter(folded, FoldCase(NextCharacter(text, at)));
    }
    return folded;
}

}  // namespace lorvane
