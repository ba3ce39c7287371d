#include "batch/oem_convert.h"

#include <array>

namespace lorvane {

namespace {

struct OemPair {
    unsigned char ansi;
    unsigned char oem;
};

// Code page 437, except ¶ and § (the control codes the console draws with those glyphs)
// and Ø (the look-alike φ, as 437 has no Ø).
constexpr std::array<OemPair, 38> kPairs = {{
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
    {0xB6, 0x14},  // ¶
    {0xE6, 0x91},  // æ
    {0xC6, 0x92},  // Æ
    {0xA2, 0x9B},  // ¢
    {0xA3, 0x9C},  // £
    {0xAA, 0xA6},  // ª
    {0xBA, 0xA7},  // º
    {0xBD, 0xAB},  // ½
    {0xBC, 0xAC},  // ¼
    {0xD8, 0xED},  // Ø
    {0xB1, 0xF1},  // ±
    {0xF7, 0xF6},  // ÷
    {0xB2, 0xFD},  // ²
    {0xA7, 0x15},  // §
    {0xA5, 0x9D},  // ¥
}};

// One lookup table per direction, built once at compile time.
constexpr std::array<unsigned char, 256> MakeTable(bool toOem) {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(c);
    for (const OemPair& pair : kPairs) {
        if (toOem) {
            table[pair.ansi] = pair.oem;
        } else {
            table[pair.oem] = pair.ansi;
        }
    }
    return table;
}

constexpr std::array<unsigned char, 256> kToOem = MakeTable(true);
constexpr std::array<unsigned char, 256> kToAnsi = MakeTable(false);

}  // namespace

std::string OEMConvert(std::string Texte, int ConvertMode) {
    const auto& table = ConvertMode == 0 ? kToOem : kToAnsi;
    for (char& c : Texte) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return Texte;
}

}  // namespace lorvane
