// The answer typed for the date switch, read in each of the three date orders: a date read
// is a real calendar day and prints back to itself; and a real day typed in the user's order,
// its year in four digits or in two, reads as itself.

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "rules/date_answer.h"

using namespace lorvane;

namespace {

bool Same(const std::optional<CalendarDate>& a, const CalendarDate& b) {
    return a && a->day == b.day && a->month == b.month && a->year == b.year;
}

bool RealDay(const CalendarDate& date) {
    using namespace std::chrono;
    return date.day >= 1 && date.day <= 31 && date.month >= 1 && date.month <= 12 && date.year >= 1 &&
           date.year <= 9999 && year_month_day{year{date.year}, month(date.month), day(date.day)}.ok();
}

// As a user may type it, the numbers taken from the day's printed form.
std::string Typed(const CalendarDate& date, DateOrder order, char separator, bool shortYear) {
    const std::string colon = ColonForm(date), s(1, separator);
    const std::string day = colon.substr(1, 2), month = colon.substr(4, 2), year = colon.substr(shortYear ? 9 : 7);
    if (order == DateOrder::DayMonthYear) return day + s + month + s + year;
    if (order == DateOrder::MonthDayYear) return month + s + day + s + year;
    return year + s + month + s + day;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    fuzz::Reader reader{data, size};
    const int low = reader.Pick(100), high = reader.Pick(101);  // two-digit years are 1930..2029
    const CalendarDate typed{1 + reader.Pick(31), 1 + reader.Pick(12),
                             high > 99 ? 1930 + low : std::max(100, 100 * high + low)};

    for (DateOrder order : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
        const std::optional<CalendarDate> date = ReadDate(answer, order);
        if (date) {
            FUZZ_CHECK(RealDay(*date), "a date read is no calendar day");
            for (char separator : {'/', '-', '.', ' '})
                FUZZ_CHECK(Same(ReadDate(Typed(*date, order, separator, false), order), *date),
                           "a date read does not print back to itself");
        }
        if (!RealDay(typed)) continue;
        for (bool shortYear : {false, typed.year >= 1930 && typed.year <= 2029})
            FUZZ_CHECK(Same(ReadDate(Typed(typed, order, '/', shortYear), order), typed),
                       "a calendar day typed in the user's order does not read as itself");
    }
    return 0;
}
