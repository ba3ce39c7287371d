// The profile reader on any bytes; and profiles the program writes, read back as written,
// after a byte order mark, in UTF-16, followed by anything, laid out loosely as a hand-edited
// profile may be, and cut short.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "profile/profile_file.h"

using namespace lorvane;

namespace {

void CheckReads(std::string_view text, const SwitchStates& states, const char* what) {
    const ProfileReading reading = ReadProfile(text);
    FUZZ_CHECK(reading.fault == ProfileReading::Fault::None && reading.states == states, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ProfileReading any = ReadProfile(bytes);
    const auto lines = 1 + std::count_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
    FUZZ_CHECK(any.fault == ProfileReading::Fault::None || (any.line > 0 && any.line <= lines), "a fault off the text");
    FUZZ_CHECK(std::all_of(any.states.begin(), any.states.end(), [](unsigned s) { return s < 3; }), "not a state");

    fuzz::Reader reader{data, size};
    SwitchStates states{};
    for (int& state : states) state = reader.Pick(3);
    const std::string written = ProfileText(states);
    FUZZ_CHECK(written.size() == 100, "a written profile is not 100 bytes");
    CheckReads(written, states, "a written profile does not read back as written");
    CheckReads("\xEF\xBB\xBF" + written, states, "a byte order mark changes a profile's reading");
    std::string utf16 = "\xFF\xFE";
    for (char c : written) utf16 += {c, '\0'};
    CheckReads(utf16, states, "a profile saved in UTF-16 does not read as its states");
    CheckReads(written + bytes, states, "bytes after a written profile change its reading");

    std::string loose;
    for (int state : states) {
        static constexpr const char* kEnds[] = {",", "\n", "\r\n"};
        loose.append(static_cast<std::size_t>(reader.Pick(3)), ' ') += static_cast<char>('0' + state);
        loose.append(static_cast<std::size_t>(reader.Pick(3)), '\t') += kEnds[reader.Pick(3)];
    }
    CheckReads(loose, states, "a loosely laid out profile does not read as its states");

    const int kept = reader.Pick(kSwitchCount);
    const ProfileReading cut = ReadProfile(written.substr(0, static_cast<std::size_t>(5 * kept + reader.Pick(2))));
    FUZZ_CHECK(cut.fault == ProfileReading::Fault::TooShort && cut.line == kept + 1,
               "a profile cut short is not too short on the line where it stops");
    return 0;
}
