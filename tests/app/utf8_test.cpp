#include "app/utf16.h"
#include "app/utf8.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lorvane {
namespace {

TEST(Utf8, CharactersUnitsAndBadBytes) {
    // text, characters read (U+FFFD for each byte that starts none; without one, written back alike), UTF-16 units
    const std::tuple<std::string, std::u32string, int> rows[] = {
        {"aé€", U"aé€", 3},
        {"\u07FF\u0800\u0905", U"\u07FF\u0800\u0905", 3},  // the largest of two bytes, the smallest of three
        {"\U0000FFFF\U00010000\U0010FFFF", U"\U0000FFFF\U00010000\U0010FFFF", 5},
        {"\xC0\x80", U"\uFFFD\uFFFD", 2},                      // overlong
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD", 3},            // a surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD", 4},  // past U+10FFFF
        {"\xF5\x80\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD", 4},  // no lead byte
        {"\xC1\xBF\xBF\xBF", U"\uFFFD\uFFFD\uFFFD\uFFFD", 4},
        {"\xE2\x82", U"\uFFFD\uFFFD", 2},  // cut short
        {"\xE2(", U"\uFFFD(", 2},
    };
    for (const auto& [text, characters, units] : rows) {
        std::u32string read;
        for (std::size_t at = 0; at < text.size();) read += NextCharacter(text, at);
        std::string written;
        for (const char32_t c : characters) AppendCharacter(written, c);
        EXPECT_EQ(std::tuple(read, Utf16Length(text)), std::tuple(characters, units)) << text;
        EXPECT_EQ(written, characters.find(kReplacementCharacter) == std::u32string::npos ? text : written) << text;
    }
    EXPECT_EQ(std::tuple(ByteOffsetOfUtf16("a\U00010000b", 2), ByteOffsetOfUtf16("a\U00010000b", 3),
                         ByteOffsetOfUtf16("ab", 5)),
              std::tuple(1u, 5u, 2u));
    EXPECT_EQ(std::tuple(CharacterText(0xD800), CharacterText(0xDFFF)), std::tuple("\uFFFD", "\uFFFD"));
    // What a message quotes: what cannot be seen by its code, a long text cut at its 80th character.
    EXPECT_EQ(std::tuple(Visible(std::string(81, 'x')), Visible(std::string(80, 'x')), Visible("é\x01\xFF\u200B\u202E")),
              std::tuple(std::string(80, 'x') + "…", std::string(80, 'x'), "é<01><FF><200B><202E>"));
    // UTF-16 bytes: a pair is one character; a half alone, or cut short, is U+FFFD.
    using namespace std::literals;
    EXPECT_EQ(std::tuple(Utf16BytesAsUtf8("\x3D\xD8\xFF\xDF\x61\0"sv, false), Utf16BytesAsUtf8("\xD8\x3D"sv, true),
                         Utf16BytesAsUtf8("\xD8\x3D\0a"sv, true)),
              std::tuple("\U0001F7FFa", "\uFFFD", "\uFFFDa"));
    // The smallest low half; a high half whose partner is cut off, however the bytes go on.
    EXPECT_EQ(std::tuple(Utf16BytesAsUtf8("\x3D\xD8\x00\xDC\xFF\xDB\xFF\xDF"sv, false),
                         Utf16BytesAsUtf8("\x3D\xD8\xFF\xDF"sv.substr(0, 3), false),
                         Utf16BytesAsUtf8("a\0bc"sv.substr(0, 3), false)),
              std::tuple("\U0001F400\U0010FFFF", "\uFFFD", "a"));  // an odd last byte is no character
}

// The system's UTF-16 and the program's UTF-8 cross exactly, both ways; half a pair, which
// only UTF-16 holds, becomes U+FFFD and is said to be there.
TEST(Utf16, CrossesExactlyAndAHalfPairIsSaid) {
    const std::tuple<std::u16string, std::string, bool> rows[] = {
        {u"été", "été", false},           {u"\U0001F600x", "\U0001F600x", false}, {u"a\xD800" u"b", "a\uFFFDb", true},
        {u"\xDC00", "\uFFFD", true},      {u"x\xD83D", "x\uFFFD", true},          {u"\xD83D\xDE00\xDE00", "\U0001F600\uFFFD", true},
        {u"plain", "plain", false}};
    for (const auto& [utf16, utf8, lone] : rows) {
        std::string converted = "<";
        AppendUtf8(std::u16string_view(utf16), converted);
        std::u16string back;
        EachUtf16Unit<char16_t>(utf8, [&](char16_t unit) { back += unit; });
        EXPECT_EQ(std::tuple(converted, HasLoneSurrogate(std::u16string_view(utf16)), back == utf16),
                  std::tuple("<" + utf8, lone, !lone))
            << utf8;
    }
}

TEST(Utf8, CaseFoldsInTheScriptsOfNames) {
    const std::u32string lower = U"azàþÿāķĺňŋźžαωςаяѐџ", upper = U"AZÀÞŸĀĶĹŇŊŹŽΑΩΣАЯЀЏ";
    for (std::size_t i = 0; i < lower.size(); ++i)
        EXPECT_EQ(std::tuple(FoldCase(lower[i]), FoldCase(upper[i])), std::tuple(upper[i], upper[i])) << i;
    for (const char32_t kept : U"÷ĸŉſıİ×ß@[`{") EXPECT_EQ(FoldCase(kept), kept) << static_cast<unsigned>(kept);
    // A stray byte folds to U+FFFD.
    EXPECT_EQ(std::tuple(Folded("été2"), Folded("é\x80z")), std::tuple("ÉTÉ2", "É\uFFFDZ"));
}

// A command box takes every typed character of the plane but these four.
TEST(Utf8, TheLineKeysAloneStayOutOfACommandBox) {
    std::u32string kept;
    for (char32_t c = 0; c < 0x10000; ++c)
        if (IsLineKey(c)) kept += c;
    EXPECT_EQ(kept, U"\t\n\r\x1B");
}

}  // namespace
}  // namespace lorvane
