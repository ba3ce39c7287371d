// Any character, in any code page a console may use (iconv's, apart from the program's own
// tables): the console reads back the same line, or the program refuses it. Never another line.
#include <gtest/gtest.h>
#include <iconv.h>

#include "app/code_pages.h"
#include "app/utf8.h"
#include "batch/console_text.h"
#include "batch/oem_convert.h"
#include "support/fake_platform.h"

namespace lorvane {
namespace {

constexpr unsigned kPages[] = {437, 850, 852, 866, 1252, 932};

// One text through iconv, exactly: none when a character has no form in the other set.
std::optional<std::string> Iconv(const std::string& to, const std::string& from, const std::string& text) {
    iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    char* at = out.data();
    std::size_t inLeft = text.size(), outLeft = out.size();
    const bool whole = iconv(converter, &in, &inLeft, &at, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return whole ? std::optional(out) : std::nullopt;
}

class ConsolePagePlatform : public testing::FakePlatform {
public:
    explicit ConsolePagePlatform(unsigned page) : name_("CP" + std::to_string(page)) { consoleCodePage = page; }
    std::optional<std::string> ConsoleBytes(char32_t character) override {
        const std::string text = CharacterText(character);
        const std::optional<std::string> bytes = Iconv(name_, "UTF-8", text);
        // A byte that reads back as another character is no form of this one.
        if (!bytes || ReadBack(*bytes) != text) return std::nullopt;
        return bytes;
    }
    // As a batch file reads its line: %% is one %, and a lone % would start a variable.
    std::optional<std::string> ReadBack(const std::string& bytes) {
        const std::optional<std::string> text = Iconv("UTF-8", name_, bytes);
        std::string read;
        for (std::size_t i = 0; text && i < text->size(); ++i) {
            if ((*text)[i] == '%' && (++i >= text->size() || (*text)[i] != '%')) return std::nullopt;
            read += (*text)[i];
        }
        return text ? std::optional(read) : std::nullopt;
    }

private:
    std::string name_;
};

TEST(ConsoleText, EveryCharacterOfThePlaneIsReadBackOrRefused) {
    for (const unsigned page : kPages) {
        ConsolePagePlatform platform(page);
        int written = 0;
        for (char32_t c = 0x20; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) continue;
            const std::string line = "XCOPY " + CharacterText(c);
            const ConsoleText text = ToConsoleText(platform, platform, line);
            const std::string kept = text.refused ? "" : line;
            ASSERT_EQ(std::tuple(text.shown, platform.ReadBack(text.bytes)), std::tuple(kept, std::optional(kept)))
                << "page " << page << ", U+" << std::hex << unsigned(c);
            written += !text.refused;
        }
        EXPECT_GT(written, 120) << page;  // each page writes its own characters
    }
}

// The pages that refuse the system's conversion flags, each range at both its ends.
TEST(CodePages, TheFlagsAreGivenToThePagesThatTakeThem) {
    for (const unsigned page : {42u, 50220u, 50229u, 57002u, 57011u, 65000u, 65001u})
        EXPECT_FALSE(TakesConversionFlags(page)) << page;
    for (const unsigned page : {41u, 43u, 437u, 50219u, 50230u, 57001u, 57012u, 64999u, 65002u})
        EXPECT_TRUE(TakesConversionFlags(page)) << page;
}

// The program's own table: 35 characters, each as code page 437 reads its byte, both ways.
TEST(OEMConvert, EachPairIsWhatCodePage437ReadsBothWays) {
    int pairs = 0;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        const std::string text = CharacterText(c), oem = OEMConvert(text, 0);
        if (oem == text || (c >= 0xD800 && c <= 0xDFFF)) continue;
        ++pairs;
        EXPECT_EQ(std::tuple(oem.size(), Iconv("UTF-8", "CP437", oem), OEMConvert(oem, 1)),
                  std::tuple(1u, std::optional(text), text));
    }
    EXPECT_EQ(pairs, 35);
}

}  // namespace
}  // namespace lorvane
