#pragma once
// A console code page as the C library's converter (iconv) knows it, apart from the program,
// and the property every batch text must keep: the console reads back the very line the
// program was given, or the program refuses it. Not on Windows, which has no iconv.

#include <iconv.h>

#include <string>

#include "app/utf8.h"
#include "batch/console_text.h"
#include "support/fake_platform.h"

namespace lorvane::testing {

// One text through iconv, exactly: none when a character has no form in the other set.
inline std::optional<std::string> Iconv(const std::string& to, const std::string& from, const std::string& text) {
    iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(text.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(text.data());
    char* at = out.data();
    std::size_t inLeft = text.size(), outLeft = out.size();
    const bool whole = iconv(converter, &in, &inLeft, &at, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(converter);
    if (!whole) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

// The fake platform with the console's bytes of a real code page.
class ConsolePagePlatform : public FakePlatform {
public:
    explicit ConsolePagePlatform(unsigned page) { consoleCodePage = page; }
    std::optional<std::string> ConsoleBytes(char32_t character) override {
        std::string text;
        AppendCharacter(text, character);
        const std::optional<std::string> bytes = Iconv(Name(), "UTF-8", text);
        // A byte that reads back as another character is no form of this one.
        if (!bytes || Iconv("UTF-8", Name(), *bytes) != text) return std::nullopt;
        return bytes;
    }
    // What the console reads from the bytes.
    std::optional<std::string> ReadBack(const std::string& bytes) { return Iconv("UTF-8", Name(), bytes); }

private:
    std::string Name() const { return "CP" + std::to_string(consoleCodePage); }
};

// Empty when the line is refused for a character the page lacks, or read back unchanged.
inline std::string RoundTripFault(ConsolePagePlatform& platform, const std::string& line) {
    const ConsoleText text = ToConsoleText(platform, line);
    if (text.refused) return text.shown.empty() && text.bytes.empty() ? "" : "a refused line left bytes";
    if (text.shown != line) return "the line shown is not the line given";
    const std::optional<std::string> read = platform.ReadBack(text.bytes);
    if (!read) return "bytes the page cannot read";
    return *read == line ? "" : "the console reads another line";
}

}  // namespace lorvane::testing
