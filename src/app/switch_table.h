#pragma once
// The twenty XCOPY switches the window offers, in the order of their rows.

#include <array>
#include <string>
#include <string_view>

namespace lorvane {

inline constexpr int kSwitchCount = 20;

struct SwitchRow {
    std::string_view description;  // the row's label; its first characters are the token
    bool tickedAtStart;
};

// Indices with a meaning of their own elsewhere in the window.
inline constexpr int kSwitchDate = 2;  // "/D", carries the date argument
inline constexpr std::array<int, 4> kSwitchesNeedingUser = {3, 6, 8, 18};  // /P /W /I /-Y

extern const std::array<SwitchRow, kSwitchCount> kSwitchTable;

// The token as the command line writes it, read back from a label text: its first
// three characters without surrounding blanks ("/D [:date]..." gives "/D").
std::string TokenFromLabel(std::string_view label);

}  // namespace lorvane
