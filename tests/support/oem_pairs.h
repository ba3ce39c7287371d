#pragma once
// The 35 pairs of the program's OEM table, written out here apart from the program's own
// table, for the tests and the fuzzer to check it against.

#include <array>
#include <utility>

namespace lorvane::testing {

// The character and its byte in code page 437, eight pairs a line. ¶, § and Ø have none: 437
// only draws look-alikes of them (0x14, 0x15, 0xED read back as U+0014, U+0015 and φ).
// clang-format off
inline constexpr std::array<std::pair<const char*, unsigned char>, 35> kOemPairs = {{
    {"ä", 0x84}, {"ö", 0x94}, {"ü", 0x81}, {"ß", 0xE1}, {"Ä", 0x8E}, {"Ö", 0x99}, {"Ü", 0x9A}, {"Ç", 0x80},
    {"é", 0x82}, {"â", 0x83}, {"à", 0x85}, {"å", 0x86}, {"ç", 0x87}, {"ê", 0x88}, {"ë", 0x89}, {"è", 0x8A},
    {"ï", 0x8B}, {"î", 0x8C}, {"Å", 0x8F}, {"É", 0x90}, {"ô", 0x93}, {"û", 0x96}, {"ù", 0x97}, {"æ", 0x91},
    {"Æ", 0x92}, {"¢", 0x9B}, {"£", 0x9C}, {"¥", 0x9D}, {"ª", 0xA6}, {"º", 0xA7}, {"½", 0xAB}, {"¼", 0xAC},
    {"±", 0xF1}, {"÷", 0xF6}, {"²", 0xFD},
}};
// clang-format on

}  // namespace lorvane::testing
