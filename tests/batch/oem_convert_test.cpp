#include "batch/oem_convert.h"

#include <gtest/gtest.h>

#include "support/oem_pairs.h"

namespace lorvane {
namespace {

using testing::kOemPairs;

TEST(OEMConvert, EveryPairBothWaysAndNothingElse) {
    std::string text, oem;
    for (const auto& [character, byte] : kOemPairs) {
        text += character;
        oem += static_cast<char>(byte);
    }
    EXPECT_EQ(OEMConvert(text, 0), oem);
    EXPECT_EQ(OEMConvert(oem, 1), text);
    EXPECT_EQ(OEMConvert(oem, -7), text);  // any mode but 0 goes back
    // Characters without a pair, and bytes of neither column, are kept as they are.
    EXPECT_EQ(OEMConvert("XCOPY ÈÀ Łódź \"C:\\é\"\r\n", 0), "XCOPY ÈÀ Łódź \"C:\\\x82\"\r\n");
    EXPECT_EQ(OEMConvert("º¶§Ø", 0), "\xA7¶§Ø");  // 437 has no ¶, § or Ø, only look-alikes
    EXPECT_EQ(OEMConvert("\x82", 0), "\x82");     // a byte that is no character stays
    EXPECT_EQ(OEMConvert("a\xC8", 1), "a\xC8");
}

}  // namespace
}  // namespace lorvane
