// The ANSI <-> OEM conversion of batch texts, against the pairs written out apart from the
// program's table: each direction changes exactly the characters of its own column, one for
// one, and a text of table characters survives the round trip both ways.

#include <cstddef>
#include <cstdint>
#include <string>

#include "batch/oem_convert.h"
#include "fuzz_support.h"
#include "support/oem_pairs.h"

using lorvane::OEMConvert;

namespace {

using lorvane::testing::kOemPairs;
using Pair = lorvane::testing::OemPair;

// The expected conversion of one character: its partner when it is in the column the
// direction reads from, else itself. The columns overlap (ö and ÷ in 0xF6, § and º in
// 0xA7), which is why each direction must look at its own column only.
unsigned char Expected(unsigned char c, bool toOem) {
    for (const Pair& pair : kOemPairs) {
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
        FUZZ_CHECK(OEMConvert(text, mode) == OEMConvert(text, 1), "a non-zero mode is not OEM to ANSI");
    }

    // Texts made only of table characters, picked by the input's bytes.
    std::string ansi, oem;
    for (std::size_t i = 0; i < size; ++i) {
        const Pair& pair = kOemPairs[data[i] % kOemPairs.size()];
        ansi += static_cast<char>(pair.ansi);
        oem += static_cast<char>(pair.oem);
    }
    FUZZ_CHECK(OEMConvert(OEMConvert(ansi, 0), 1) == ansi, "an ANSI text does not come back from OEM");
    FUZZ_CHECK(OEMConvert(ansi, 0) == oem, "an ANSI text is not its OEM partner");
    FUZZ_CHECK(OEMConvert(OEMConvert(oem, 1), 0) == oem, "an OEM text does not come back from ANSI");
    return 0;
}
