#pragma once
// The user's regional settings, as far as the date typed for /D goes.

namespace lorvane {

// Order of day, month and year in the user's short date format.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    virtual DateOrder ShortDateOrder() = 0;
};

}  // namespace lorvane
