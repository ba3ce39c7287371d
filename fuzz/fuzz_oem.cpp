// The ANSI <-> OEM conversion of batch texts, against its table written out independently
// here: each direction changes exactly the characters of its own column, one for one, and
// a text of table characters survives the round trip both ways.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/oem_convert.h"
#include "fuzz_support.h"

using lorvane::OEMConvert;

namespace {

struct Pair {
    unsigned char ansi;  // Windows-1252
    unsigned char oem;   // code page 437, but for the three noted below
};

constexpr std::array<Pair, 38> kTable = {{
    {0xE4, 0x84},
    {0xF6, 0x94},
    {0xFC, 0x81},
    {0xDF, 0xE1},  // ä ö ü ß
    {0xC4, 0x8E},
    {0xD6, 0x99},
    {0xDC, 0x9A},
    {0xC7, 0x80},  // Ä Ö Ü Ç
    {0xE9, 0x82},
    {0xE2, 0x83},
    {0xE0, 0x85},
    {0xE5, 0x86},  // é â à å
    {0xE7, 0x87},
    {0xEA, 0x88},
    {0xEB, 0x89},
    {0xE8, 0x8A},  // ç ê ë è
    {0xEF, 0x8B},
    {0xEE, 0x8C},
    {0xC5, 0x8F},
    {0xC9, 0x90},  // ï î Å É
    {0xF4, 0x93},
    {0xFB, 0x96},
    {0xF9, 0x97},
    {0xE6, 0x91},  // ô û ù æ
    {0xC6, 0x92},
    {0xA2, 0x9B},
    {0xA3, 0x9C},
    {0xA5, 0x9D},  // Æ ¢ £ ¥
    {0xAA, 0xA6},
    {0xBA, 0xA7},
    {0xBD, 0xAB},
    {0xBC, 0xAC},  // ª º ½ ¼
    {0xB1, 0xF1},
    {0xF7, 0xF6},
    {0xB2, 0xFD},  // ± ÷ ²
    // ¶ and § go to the control codes the console draws with those glyphs; Ø to the
    // look-alike φ, as 437 has no Ø.
    {0xB6, 0x14},
    {0xA7, 0x15},
    {0xD8, 0xED},
}};

// The expected conversion of one character: its partner when it is in the column the
// direction reads from, else itself. The columns overlap (ö and ÷ in 0xF6, § and º in
// 0xA7), which is why each direction must look at its own column only.
unsigned char Expected(unsigned char c, bool toOem) {
    for (const Pair& pair : kTable) {
        if (toOem && c == pair.ansi) return pair.oem;
        if (!toOem && c == pair.oem) return pair.ansi;
    }
    return c;
}

void CheckDirection(const std::string& text, int mode) {
    const bool toOem = mode == 0;
    const std::string converted = OEMConvert(text, mode);
    FUZZ_CHECK(converted.size() == text.size(), "the conversion changed the length");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        FUZZ_CHECK(static_cast<unsigned char>(converted[i]) == Expected(c, toOem),
                   toOem ? "a character was not converted to OEM as the table says"
                         : "a character was not converted to ANSI as the table says");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckDirection(text, 0);
    CheckDirection(text, 1);
    // Any mode but 0 reads OEM: a mode taken from the input must behave as 1.
    lorvane::fuzz::Reader reader(data, size);
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits = bits << 8 | reader.Byte();
    const int mode = static_cast<int>(bits);  // negative ones included
    if (mode != 0) {
        FUZZ_CHECK(OEMConvert(text, mode) == OEMConvert(text, 1),
                   "a non-zero mode is not OEM to ANSI");
    }

    // Texts made only of table characters, picked by the input's bytes.
    std::string ansi, oem;
    for (std::size_t i = 0; i < size; ++i) {
        const Pair& pair = kTable[data[i] % kTable.size()];
        ansi += static_cast<char>(pair.ansi);
        oem += static_cast<char>(pair.oem);
    }
    FUZZ_CHECK(OEMConvert(OEMConvert(ansi, 0), 1) == ansi,
               "an ANSI text does not come back from OEM");
    FUZZ_CHECK(OEMConvert(ansi, 0) == oem, "an ANSI text is not its OEM partner");
    FUZZ_CHECK(OEMConvert(OEMConvert(oem, 1), 0) == oem,
               "an OEM text does not come back from ANSI");
    return 0;
}
