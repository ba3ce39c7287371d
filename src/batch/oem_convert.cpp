#include "batch/oem_convert.h"

#include <algorithm>
#include <array>

#include "app/utf8.h"

namespace lorvane {

namespace {

struct OemPair {
    char32_t character;
    unsigned char oem;
};

// Code page 437. ¶, § and Ø have no row: 437 lacks them, and the bytes it draws with look-alike
// glyphs (0x14, 0x15 and 0xED) are read back as two control characters and φ, which would
// name another file.
constexpr std::array<OemPair, 35> kPairs = {{
    {0xE4, 0x84},  // ä
    {0xF6, 0x94},  // ö
    {0xFC, 0x81},  // ü
    {0xDF, 0xE1},  // ß
    {0xC4, 0x8E},  // Ä
    {0xD6, 0x99},  // Ö
    {0xDC, 0x9A},  // Ü
    {0xC7, 0x80},  // Ç
    {0xE9, 0x82},  // é
    {0xE2, 0x83},  // â
    {0xE0, 0x85},  // à
    {0xE5, 0x86},  // å
    {0xE7, 0x87},  // ç
    {0xEA, 0x88},  // ê
    {0xEB, 0x89},  // ë
    {0xE8, 0x8A},  // è
    {0xEF, 0x8B},  // ï
    {0xEE, 0x8C},  // î
    {0xC5, 0x8F},  // Å
    {0xC9, 0x90},  // É
    {0xF4, 0x93},  // ô
    {0xFB, 0x96},  // û
    {0xF9, 0x97},  // ù
    {0xE6, 0x91},  // æ
    {0xC6, 0x92},  // Æ
    {0xA2, 0x9B},  // ¢
    {0xA3, 0x9C},  // £
    {0xAA, 0xA6},  // ª
    {0xBA, 0xA7},  // º
    {0xBD, 0xAB},  // ½
    {0xBC, 0xAC},  // ¼
    {0xB1, 0xF1},  // ±
    {0xF7, 0xF6},  // ÷
    {0xB2, 0xFD},  // ²
    {0xA5, 0x9D},  // ¥
}};

}  // namespace

std::string OEMConvert(const std::string& Texte, int ConvertMode) {
    std::string out;
    out.reserve(Texte.size());
    if (ConvertMode != 0) {
        for (const char byte : Texte) {
            const auto* pair = std::find_if(kPairs.begin(), kPairs.end(), [byte](const OemPair& p) {
                return p.oem == static_cast<unsigned char>(byte);
            });
            if (pair != kPairs.end()) {
                AppendCharacter(out, pair->character);
            } else {
                out += byte;
            }
        }
        return out;
    }
    for (std::size_t at = 0; at < Texte.size();) {
        const std::size_t start = at;
        const char32_t character = NextCharacter(Texte, at);
        const auto* pair = std::find_if(kPairs.begin(), kPairs.end(),
                                        [character](const OemPair& p) { return p.character == character; });
        if (pair != kPairs.end() && character != kReplacementCharacter) {
            out += static_cast<char>(pair->oem);
        } else {
            out.append(Texte, start, at - start);
        }
    }
    return out;
}

}  // namespace lorvane
