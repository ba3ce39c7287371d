#include <gtest/gtest.h>

#include <string>

// The window's texts go to the ANSI API and the OEM table as Windows-1252 bytes.
TEST(Charset, NarrowLiteralsAreWindows1252) {
    const struct {
        std::string literal;
        std::string bytes;
    } rows[] = {
        {"é", "\xE9"}, {"À", "\xC0"}, {"É", "\xC9"}, {"«", "\xAB"},
        {"»", "\xBB"}, {"°", "\xB0"}, {"è", "\xE8"}, {"ç", "\xE7"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.literal, row.bytes);
}
