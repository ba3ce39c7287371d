#pragma once
// The twenty XCOPY switches the window offers, in the order of their rows.

#include <array>
#include <string>
#include <string_view>

namespace lorvane {

inline constexpr int kSwitchCount = 20;

// The switches by their tokens, in the order of their rows: the index of Check1 and Label3.
enum SwitchName : int {
    kSwitchA,
    kSwitchM,
    kSwitchD,
    kSwitchP,
    kSwitchS,
    kSwitchE,
    kSwitchW,
    kSwitchC,
    kSwitchI,
    kSwitchQ,
    kSwitchF,
    kSwitchL,
    kSwitchH,
    kSwitchR,
    kSwitchT,
    kSwitchU,
    kSwitchK,
    kSwitchY,
    kSwitchMinusY,
    kSwitchN,
};
static_assert(kSwitchN + 1 == kSwitchCount);

struct SwitchRow {
    std::string_view description;  // the row's label; its first characters are the token
    bool tickedAtStart;
    bool takesDate = false;  // carries the date argument, asked when it is ticked
    bool asksUser = false;   // XCOPY waits for the user's answers: not with the activity recorded
    const char* help;        // what it does to the copy, shown when the pointer rests on its row
};

extern const std::array<SwitchRow, kSwitchCount> kSwitchTable;

// The token as the command line writes it, read back from a label text: its first
// three characters without surrounding blanks ("/D [:date]..." gives "/D").
std::string TokenFromLabel(std::string_view label);

}  // namespace lorvane
