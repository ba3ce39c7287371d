#pragma once
// Shared by the fuzz targets: a broken property aborts with a message, so libFuzzer keeps
// the input as a crash; and a plain reader that cuts the input into small values and
// NUL-ended texts, so that seeds stay readable and a mutation moves one field at a time.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace lorvane::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition, what)                                        \
    do {                                                                   \
        if (!(condition)) ::lorvane::fuzz::Fail(__FILE__, __LINE__, what); \
    } while (0)

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }

    // 0 once the input is used up, so that every input decodes to something.
    std::uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }

    int Pick(int count) { return Byte() % count; }

    // Bytes up to a NUL (which ends the text and is dropped) or the end of the input: texts
    // read this way never hold a NUL, as no path or typed text can.
    std::string Text(std::size_t maxLength = 256) {
        std::string text;
        while (!Empty() && text.size() < maxLength) {
            const char c = static_cast<char>(data_[pos_++]);
            if (c == '\0') break;
            text += c;
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace lorvane::fuzz
