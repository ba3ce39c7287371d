// The profile reader on arbitrary bytes, and profiles written by the program read back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "profile/profile_file.h"

using lorvane::ProfileReading;
using lorvane::ProfileText;
using lorvane::ReadProfile;
using lorvane::SwitchStates;

namespace {

bool IsState(int value) { return value >= 0 && value <= 2; }

void CheckReading(std::string_view text) {
    const ProfileReading reading = ReadProfile(text);
    if (reading.fault == ProfileReading::Fault::None) {
        for (int state : reading.states) FUZZ_CHECK(IsState(state), "a state read is not 0, 1 or 2");
        return;
    }
    // The fault's line must be one the text has: lines count from 1 and each line end
    // (CR, LF or CR LF) starts at most one more.
    std::size_t lineEnds = 0;
    for (char c : text) lineEnds += c == '\r' || c == '\n';
    FUZZ_CHECK(reading.line >= 1, "a fault without its line");
    FUZZ_CHECK(static_cast<std::size_t>(reading.line) <= lineEnds + 1, "a fault on a line past the end of the text");
}

void CheckSameStates(std::string_view text, const SwitchStates& states, const char* what) {
    const ProfileReading reading = ReadProfile(text);
    FUZZ_CHECK(reading.fault == ProfileReading::Fault::None, what);
    FUZZ_CHECK(reading.states == states, what);
}

// The same states laid out loosely, as a hand-edited profile may be: blanks around the
// fields, and commas or line ends (LF or CR LF) between them.
std::string LooseText(const SwitchStates& states, lorvane::fuzz::Reader& layout) {
    static constexpr const char* kSeparators[] = {",", "\n", "\r\n"};
    std::string text;
    for (int state : states) {
        text.append(static_cast<std::size_t>(layout.Pick(3)), ' ');
        text += static_cast<char>('0' + state);
        text.append(static_cast<std::size_t>(layout.Pick(3)), ' ');
        text += kSeparators[layout.Pick(3)];
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReading(bytes);

    // States taken from the input, so that every combination gets written.
    lorvane::fuzz::Reader reader(data, size);
    SwitchStates states{};
    for (int& state : states) state = reader.Pick(3);

    const std::string written = ProfileText(states);
    FUZZ_CHECK(written.size() == 100, "a written profile is not 100 bytes");
    CheckSameStates(written, states, "a written profile does not read back as written");
    // Anything after the twentieth field is ignored, whatever it holds.
    CheckSameStates(written + std::string(bytes), states, "bytes after a written profile change its reading");
    CheckSameStates(LooseText(states, reader), states, "a loosely laid out profile does not read as its states");
    return 0;
}
