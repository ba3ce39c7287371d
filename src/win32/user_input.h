#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <iterator>
#include <utility>

namespace lorvane::win32 {

// What the user does to a window, by message: the mouse in the frame, raw input and the
// keys, a command of a menu, a gesture, the mouse, a drop from the shell, touch and pen,
// the mouse resting and leaving. In rising order, none touching the next.
inline constexpr std::pair<UINT, UINT> kUserInput[] = {
    {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK},
    {WM_INPUT, WM_KEYLAST},
    {WM_COMMAND, WM_SYSCOMMAND},
    {WM_GESTURE, WM_GESTURE},
    {WM_MOUSEFIRST, WM_MOUSELAST},
    {WM_DROPFILES, WM_DROPFILES},
    {WM_TOUCH, 0x0257},  // the pointer messages of Windows 8 and later follow touch
    {WM_NCMOUSEHOVER, WM_MOUSELEAVE},
};

// The waits peek at what lies between the ranges, which must leave room between them.
constexpr bool RisingApart() {
    for (std::size_t i = 1; i < std::size(kUserInput); ++i) {
        if (kUserInput[i].first <= kUserInput[i - 1].second + 1) return false;
    }
    return kUserInput[0].first > 0;
}
static_assert(RisingApart());

// The messages between the user's input and around it, as ranges to peek at.
constexpr std::array<std::pair<UINT, UINT>, std::size(kUserInput) + 1> BesideUserInput() {
    std::array<std::pair<UINT, UINT>, std::size(kUserInput) + 1> beside{};
    UINT from = 0;
    for (std::size_t i = 0; i < std::size(kUserInput); ++i) {
        beside[i] = {from, kUserInput[i].first - 1};
        from = kUserInput[i].second + 1;
    }
    beside.back() = {from, 0xFFFFFFFF};
    return beside;
}

inline bool IsUserInput(UINT message) {
    for (const auto& [first, last] : kUserInput) {
        if (message >= first && message <= last) return true;
    }
    return false;
}

}  // namespace lorvane::win32
