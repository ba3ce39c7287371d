#pragma once
// How a folder's reading is made into its listing, apart from the system that reads it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/name_list.h"

namespace lorvane {

// "." and "..", which every folder lists and no list shows; for the system's own units.
template <typename Unit>
bool IsDotEntry(std::basic_string_view<Unit> name) {
    constexpr Unit kDot = '.';
    return (name.size() == 1 || name.size() == 2) && name.find_first_not_of(kDot) == name.npos;
}

// Whether the names read so far are worth showing while the reading goes on: a few
// screenfuls, or one when the reading is slow.
bool FirstPartDue(std::size_t namesRead, std::uint64_t elapsedMs);

// A name of the folder's second reading, which only a folder holding a name the system would
// read as another (app/name_spelling.h) pays for, with the short name the volume gives it.
struct ShortNameRead {
    std::string name;
    bool loneSurrogate = false;
    std::string shortName;
};

// Whether a list holds a name that must go by its short name.
bool HoldsFlawedNames(const NameList& list);
// Whether the second reading's name is one of them, worth keeping.
bool NeedsShortName(std::string_view name, bool loneSurrogate);
// Each such name of the lists is given its short name; two names that half UTF-16 pairs made
// alike get none, rather than one the other's.
void GiveShortNames(const std::vector<NameList*>& lists, const std::vector<ShortNameRead>& read);

}  // namespace lorvane
