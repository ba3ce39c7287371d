#pragma once
// The console a batch file runs in, as far as its bytes go.

#include <optional>
#include <string>

namespace lorvane {

class Console {
public:
    virtual ~Console() = default;
    // The number of its code page, and one character as that page writes it (one byte, or
    // two in the double-byte pages), or none when the page lacks the character: a look-alike
    // never stands in for it. The character is one a text decodes to: never half a UTF-16 pair.
    virtual unsigned ConsoleCodePage() = 0;
    virtual std::optional<std::string> ConsoleBytes(char32_t character) = 0;
    // What the console wrote in its code page, as text; a byte the page does not read is U+FFFD.
    virtual std::string ConsoleTextOf(const std::string& bytes) = 0;
};

}  // namespace lorvane
