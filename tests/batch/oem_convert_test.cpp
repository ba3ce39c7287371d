#include "batch/oem_convert.h"

#include <gtest/gtest.h>

namespace lorvane {
namespace {

// The 38 pairs, written out as bytes.
const unsigned char kPairs[38][2] = {
    {0xE4, 0x84}, {0xF6, 0x94}, {0xFC, 0x81}, {0xDF, 0xE1}, {0xC4, 0x8E}, {0xD6, 0x99},
    {0xDC, 0x9A}, {0xC7, 0x80}, {0xE9, 0x82}, {0xE2, 0x83}, {0xE0, 0x85}, {0xE5, 0x86},
    {0xE7, 0x87}, {0xEA, 0x88}, {0xEB, 0x89}, {0xE8, 0x8A}, {0xEF, 0x8B}, {0xEE, 0x8C},
    {0xC5, 0x8F}, {0xC9, 0x90}, {0xF4, 0x93}, {0xFB, 0x96}, {0xF9, 0x97}, {0xB6, 0x14},
    {0xE6, 0x91}, {0xC6, 0x92}, {0xA2, 0x9B}, {0xA3, 0x9C}, {0xAA, 0xA6}, {0xBA, 0xA7},
    {0xBD, 0xAB}, {0xBC, 0xAC}, {0xD8, 0xED}, {0xB1, 0xF1}, {0xF7, 0xF6}, {0xB2, 0xFD},
    {0xA7, 0x15}, {0xA5, 0x9D},
};

TEST(OEMConvert, EveryPairBothWaysAndNothingElse) {
    std::string ansi, oem;
    for (const auto& pair : kPairs) {
        ansi += static_cast<char>(pair[0]);
        oem += static_cast<char>(pair[1]);
        EXPECT_EQ(OEMConvert(std::string(1, static_cast<char>(pair[0])), 0),
                  std::string(1, static_cast<char>(pair[1])));
    }
    EXPECT_EQ(OEMConvert(ansi, 0), oem);
    EXPECT_EQ(OEMConvert(oem, 1), ansi);
    EXPECT_EQ(OEMConvert(oem, -7), ansi);  // any mode but 0 goes back to ANSI

    // Every other byte passes unchanged toward OEM.
    for (int c = 0; c < 256; ++c) {
        bool paired = false;
        for (const auto& pair : kPairs) paired = paired || pair[0] == c;
        if (!paired) {
            EXPECT_EQ(OEMConvert(std::string(1, static_cast<char>(c)), 0)[0], static_cast<char>(c)) << c;
        }
    }
}

TEST(OEMConvert, EachPositionIsConvertedOnce) {
    EXPECT_EQ(OEMConvert("", 0), "");
    EXPECT_EQ(OEMConvert("XCOPY é", 0), "XCOPY \x82");
    EXPECT_EQ(OEMConvert("ÉÈ", 0), "\x90\xC8");       // È has no pair
    EXPECT_EQ(OEMConvert("º§", 0), "\xA7\x15");       // º's OEM byte is § in ANSI: not again
    EXPECT_EQ(OEMConvert("\x82", 0), "\x82");         // already OEM: kept
    EXPECT_EQ(OEMConvert("\x94\xF6", 1), "ö÷");
    EXPECT_EQ(OEMConvert("a \"C:\\x\"\r\n/", 0), "a \"C:\\x\"\r\n/");
}

}  // namespace
}  // namespace lorvane
