#include "batch/oem_convert.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/oem_pairs.h"

namespace lorvane {
namespace {

using testing::kOemPairs;

TEST(OEMConvert, EveryPairBothWaysAndNothingElse) {
    std::string ansi, oem;
    for (const auto& pair : kOemPairs) {
        ansi += static_cast<char>(pair.ansi);
        oem += static_cast<char>(pair.oem);
    }
    EXPECT_EQ(OEMConvert(ansi, 0), oem);
    EXPECT_EQ(OEMConvert(oem, 1), ansi);
    EXPECT_EQ(OEMConvert(oem, -7), ansi);  // any mode but 0 goes back to ANSI

    // Every other byte passes unchanged toward OEM.
    for (int c = 0; c < 256; ++c) {
        if (std::none_of(kOemPairs.begin(), kOemPairs.end(), [c](const auto& pair) { return pair.ansi == c; })) {
            EXPECT_EQ(OEMConvert(std::string(1, static_cast<char>(c)), 0)[0], static_cast<char>(c)) << c;
        }
    }
}

TEST(OEMConvert, EachPositionIsConvertedOnce) {
    EXPECT_EQ(OEMConvert("", 0), "");
    EXPECT_EQ(OEMConvert("XCOPY é", 0), "XCOPY \x82");
    EXPECT_EQ(OEMConvert("ÉÈ", 0), "\x90\xC8");  // È has no pair
    EXPECT_EQ(OEMConvert("º§", 0), "\xA7\x15");  // º's OEM byte is § in ANSI: not again
    EXPECT_EQ(OEMConvert("\x82", 0), "\x82");    // already OEM: kept
    EXPECT_EQ(OEMConvert("\x94\xF6", 1), "ö÷");
    EXPECT_EQ(OEMConvert("a \"C:\\x\"\r\n/", 0), "a \"C:\\x\"\r\n/");
}

}  // namespace
}  // namespace lorvane
