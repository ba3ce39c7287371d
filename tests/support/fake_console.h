#pragma once
// A console of the test's choice: its code page and its bytes beyond ASCII by character.

#include <algorithm>
#include <map>

#include "app/console.h"
#include "app/utf8.h"

namespace lorvane::testing {

class FakeConsole : public Console {
public:
    unsigned consoleCodePage = 437;
    std::map<char32_t, std::string> consoleBytes;

    unsigned ConsoleCodePage() override { return consoleCodePage; }
    std::optional<std::string> ConsoleBytes(char32_t character) override {
        return consoleBytes.contains(character) ? std::optional(consoleBytes.at(character)) : std::nullopt;
    }
    // ASCII as it is, a byte by the character consoleBytes gives it, anything else U+FFFD.
    std::string ConsoleTextOf(const std::string& bytes) override {
        std::string text;
        for (const char byte : bytes) {
            auto found = std::find_if(consoleBytes.begin(), consoleBytes.end(),
                                      [&](const auto& pair) { return pair.second == std::string(1, byte); });
            text +=
                byte >= 0 ? std::string(1, byte) : CharacterText(found != consoleBytes.end() ? found->first : 0xFFFD);
        }
        return text;
    }
};

}  // namespace lorvane::testing
