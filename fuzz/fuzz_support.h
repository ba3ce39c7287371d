#pragma once
// Shared by the fuzz targets: a broken property aborts with a message, so that libFuzzer
// keeps the input as a crash; and a reader that cuts the input into small values and texts,
// so that seeds stay readable and a mutation moves one field at a time.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace lorvane::fuzz {

#define FUZZ_CHECK(condition, what) \
    ((condition) ? void()           \
                 : (std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, what), std::abort()))

struct Reader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;

    bool Empty() const { return pos >= size; }
    std::uint8_t Byte() { return Empty() ? 0 : data[pos++]; }  // 0 past the end: any input decodes
    int Pick(int count) { return Byte() % count; }
    // Up to a NUL, which is dropped: no path or typed text holds one.
    std::string Text(std::size_t maxLength = 256) {
        std::string text;
        for (char c; text.size() < maxLength && !Empty() && (c = static_cast<char>(data[pos++])) != '\0';) text += c;
        return text;
    }
};

}  // namespace lorvane::fuzz
