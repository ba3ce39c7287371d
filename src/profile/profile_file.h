#pragma once
// Profile files: the twenty tick states, one line each.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/switch_table.h"

namespace lorvane {

using SwitchStates = std::array<int, kSwitchCount>;

// What the program writes: per switch a blank, the state, a blank, CR LF (100 bytes).
std::string ProfileText(const SwitchStates& states);

// A profile read loosely: fields end at a line end or a comma, blanks around them do not
// count, anything after the twentieth field is ignored. Every field must be 0, 1 or 2. A byte
// order mark at the start is read past, and a file written in UTF-16 (as some editors save
// "Unicode" text) is read as its characters.
struct ProfileReading {
    enum class Fault { None, TooShort, NotAState };
    Fault fault = Fault::None;
    SwitchStates states{};
    int line = 0;       // where the fault lies, counting from 1
    std::string field;  // the field that is not a state
};
ProfileReading ReadProfile(std::string_view bytes);

// No profile needs more; a larger file is read this far and then judged.
inline constexpr std::size_t kProfileReadLimit = 64 * 1024;

}  // namespace lorvane
