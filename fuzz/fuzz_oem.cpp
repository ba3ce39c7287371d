// Batch texts in the console's code page (the first byte picks it): any line is read back by
// the console as that very line, or refused, never another; the pages are iconv's, not ours.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "support/console_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr unsigned kPages[] = {437, 850, 852, 866, 1251, 932};
    lorvane::fuzz::Reader reader(data, size);
    lorvane::testing::ConsolePagePlatform platform(kPages[reader.Pick(std::size(kPages))]);
    // The rest as characters: two bytes each (high byte first), over the planes people write in.
    std::string line = "XCOPY ";
    while (!reader.Empty()) {
        const char32_t high = reader.Byte(), c = high << 8 | reader.Byte();
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        lorvane::AppendCharacter(line, lorvane::IsControlCharacter(c) ? c + 0x20 : c);
    }
    const std::string fault = lorvane::testing::RoundTripFault(platform, line);
    FUZZ_CHECK(fault.empty(), fault.c_str());
    return 0;
}
