#pragma once
// Reading the date typed for the "/D" switch.

#include <optional>
#include <string>
#include <string_view>

#include "app/regional_settings.h"

namespace lorvane {

struct CalendarDate {
    int day;
    int month;
    int year;
};

// A date when the answer holds day, month and year in the given order, as numbers
// separated by "/", "-", "." or a blank, and names a real calendar day. Two-digit years
// fall in 1930..2029. Anything else, the empty answer included, is no date.
std::optional<CalendarDate> ReadDate(std::string_view answer, DateOrder order);

// ":DD/MM/YYYY", day first whatever order the answer used.
std::string ColonForm(const CalendarDate& date);

}  // namespace lorvane
