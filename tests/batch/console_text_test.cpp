// Any line, in any code page a console may use: the console reads back the same line, or the
// program refuses it. Never another line.
#include <gtest/gtest.h>

#include <random>

#include "batch/oem_convert.h"
#include "support/console_page.h"

namespace lorvane {
namespace {

constexpr unsigned kPages[] = {437, 850, 852, 866, 1252, 932};

TEST(ConsoleText, EveryCharacterOfThePlaneIsReadBackOrRefused) {
    for (const unsigned page : kPages) {
        testing::ConsolePagePlatform platform(page);
        int written = 0;
        for (char32_t c = 0x20; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) continue;
            const std::string line = "XCOPY " + CharacterText(c);
            const std::string fault = testing::RoundTripFault(platform, line);
            ASSERT_EQ(fault, "") << "page " << page << ", U+" << std::hex << static_cast<unsigned>(c);
            written += !ToConsoleText(platform, line).refused;
        }
        EXPECT_GT(written, 120) << page;  // each page writes its own characters
    }
}

// The program's own table: 35 characters, each as code page 437 reads its byte, both ways.
TEST(OEMConvert, EachPairIsWhatCodePage437ReadsBothWays) {
    int pairs = 0;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        const std::string text = CharacterText(c), oem = OEMConvert(text, 0);
        if (oem == text || (c >= 0xD800 && c <= 0xDFFF)) continue;
        ++pairs;
        EXPECT_EQ(std::tuple(oem.size(), testing::Iconv("UTF-8", "CP437", oem), OEMConvert(oem, 1)),
                  std::tuple(1u, std::optional(text), text));
    }
    EXPECT_EQ(pairs, 35);
    // Characters without a pair, and bytes of neither column, are kept as they are.
    EXPECT_EQ(OEMConvert("XCOPY ÈÀ Łódź ¶ \"C:\\é\"\r\n", 0), "XCOPY ÈÀ Łódź ¶ \"C:\\\x82\"\r\n");
    EXPECT_EQ(std::tuple(OEMConvert("\x82", 0), OEMConvert("a\xC8", 1), OEMConvert("\x82\x82", -7)),
              std::tuple("\x82", "a\xC8", "éé"));  // any mode but 0 goes back
}

TEST(ConsoleText, RandomLinesAreReadBackOrRefused) {
    std::mt19937 random(20261207);
    // Mostly ASCII, with Latin, Polish, Cyrillic, Greek, Japanese and some beyond the plane.
    const char32_t ranges[][2] = {{0x20, 0x7E},   {0xA0, 0xFF},     {0x100, 0x17F},   {0x400, 0x45F},
                                  {0x391, 0x3C9}, {0xFF61, 0xFF9F}, {0x3041, 0x30FF}, {0x1F600, 0x1F64F}};
    for (const unsigned page : kPages) {
        testing::ConsolePagePlatform platform(page);
        for (int n = 0; n < 300; ++n) {
            std::string line = "XCOPY ";
            const int length = static_cast<int>(random() % 24);
            const std::size_t alphabet = random() % std::size(ranges);
            for (int i = 0; i < length; ++i) {
                const auto& range = ranges[random() % 4 == 0 ? alphabet : 0];
                AppendCharacter(line, range[0] + random() % (range[1] - range[0] + 1));
            }
            ASSERT_EQ(testing::RoundTripFault(platform, line), "") << "page " << page << ": " << line;
        }
    }
}

}  // namespace
}  // namespace lorvane
