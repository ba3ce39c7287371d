// The answer typed for the date switch, read in each of the three date orders: any date it
// gives is a real calendar day, written ":DD/MM/YYYY", and its written form reads back the
// same when typed in that order.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "rules/date_answer.h"

using lorvane::CalendarDate;
using lorvane::ColonForm;
using lorvane::DateOrder;
using lorvane::ReadDate;

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Saturates, so that a long run of digits stays a number no date can hold.
int Number(std::string_view digits) {
    long long value = 0;
    for (char c : digits) value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
    return static_cast<int>(value);
}

bool Same(const CalendarDate& a, const CalendarDate& b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

// The three numbers of an answer that gave a date, as typed: nothing but digits and single
// separators may stand between the blanks that surround the answer.
struct TypedNumber {
    int value;
    std::size_t digits;
};

std::optional<std::array<TypedNumber, 3>> TypedNumbers(std::string_view answer) {
    while (!answer.empty() && answer.front() == ' ') answer.remove_prefix(1);
    while (!answer.empty() && answer.back() == ' ') answer.remove_suffix(1);
    std::array<TypedNumber, 3> numbers{};
    std::size_t pos = 0;
    for (std::size_t n = 0; n < numbers.size(); ++n) {
        if (n > 0) {
            if (pos >= answer.size() || std::string_view("/-. ").find(answer[pos]) == std::string_view::npos) {
                return std::nullopt;
            }
            ++pos;
        }
        const std::size_t start = pos;
        while (pos < answer.size() && IsDigit(answer[pos])) ++pos;
        if (pos == start) return std::nullopt;
        numbers[n] = {Number(answer.substr(start, pos - start)), pos - start};
    }
    if (pos != answer.size()) return std::nullopt;
    return numbers;
}

// A date read must be the one the answer names in the user's order.
void CheckAgainstAnswer(const CalendarDate& date, std::string_view answer, DateOrder order) {
    const auto numbers = TypedNumbers(answer);
    FUZZ_CHECK(numbers.has_value(), "a date read from an answer that is not three numbers");
    TypedNumber day{}, month{}, year{};
    switch (order) {
        case DateOrder::DayMonthYear: day = (*numbers)[0], month = (*numbers)[1], year = (*numbers)[2]; break;
        case DateOrder::MonthDayYear: month = (*numbers)[0], day = (*numbers)[1], year = (*numbers)[2]; break;
        case DateOrder::YearMonthDay: year = (*numbers)[0], month = (*numbers)[1], day = (*numbers)[2]; break;
    }
    FUZZ_CHECK(date.day == day.value && date.month == month.value,
               "the date read is not the day and month typed in the user's order");
    if (year.digits <= 2) {
        FUZZ_CHECK(date.year >= 1930 && date.year <= 2029 && date.year % 100 == year.value,
                   "a two-digit year outside 1930..2029");
    } else {
        FUZZ_CHECK(date.year == year.value, "the date read is not the year typed");
    }
}

void CheckDate(const CalendarDate& date, DateOrder order) {
    FUZZ_CHECK(date.month >= 1 && date.month <= 12, "a month outside 1..12");
    FUZZ_CHECK(date.year >= 1 && date.year <= 9999, "a year that four digits cannot write");
    FUZZ_CHECK(date.day >= 1 && date.day <= DaysInMonth(date.month, date.year), "a day the month does not have");

    const std::string colon = ColonForm(date);
    FUZZ_CHECK(colon.size() == 11, "the colon form is not 11 characters");
    FUZZ_CHECK(colon[0] == ':' && colon[3] == '/' && colon[6] == '/', "the colon form is not :DD/MM/YYYY");
    for (std::size_t i : {1, 2, 4, 5, 7, 8, 9, 10}) {
        FUZZ_CHECK(IsDigit(colon[i]), "the colon form has a non-digit where a digit belongs");
    }
    const std::string day = colon.substr(1, 2);
    const std::string month = colon.substr(4, 2);
    const std::string year = colon.substr(7, 4);
    FUZZ_CHECK(Number(day) == date.day && Number(month) == date.month && Number(year) == date.year,
               "the colon form names another date");

    // Typed back in the user's order, with each separator the answer may use.
    for (char separator : {'/', '-', '.', ' '}) {
        const std::string sep(1, separator);
        std::string typed;
        switch (order) {
            case DateOrder::DayMonthYear: typed = day + sep + month + sep + year; break;
            case DateOrder::MonthDayYear: typed = month + sep + day + sep + year; break;
            case DateOrder::YearMonthDay: typed = year + sep + month + sep + day; break;
        }
        const std::optional<CalendarDate> again = ReadDate(typed, order);
        FUZZ_CHECK(again.has_value(), "the colon form, typed back, is no date");
        FUZZ_CHECK(Same(*again, date), "the colon form, typed back, is another date");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view answer(reinterpret_cast<const char*>(data), size);
    for (DateOrder order : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
        const std::optional<CalendarDate> date = ReadDate(answer, order);
        if (!date) continue;
        CheckAgainstAnswer(*date, answer, order);
        CheckDate(*date, order);
    }
    return 0;
}
