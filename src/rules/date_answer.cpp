#include "rules/date_answer.h"

#include <array>
#include <cstdio>

#include "app/text_utils.h"

namespace lorvane {

namespace {

bool IsDateSeparator(char c) { return c == '/' || c == '-' || c == '.' || c == ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[static_cast<std::size_t>(month - 1)];
}

struct Field {
    int value;
    std::size_t digits;
};

// Splits "12/3/2003" into three numbers; nothing else may stand between them.
std::optional<std::array<Field, 3>> SplitFields(std::string_view text) {
    std::array<Field, 3> fields{};
    std::size_t pos = 0;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (f > 0) {
            if (pos >= text.size() || !IsDateSeparator(text[pos])) return std::nullopt;
            ++pos;
        }
        const std::size_t start = pos;
        int value = 0;
        while (pos < text.size() && IsDigit(text[pos]) && pos - start < 4) {
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        if (pos == start) return std::nullopt;
        fields[f] = {value, pos - start};
    }
    if (pos != text.size()) return std::nullopt;
    return fields;
}

std::optional<int> FullYear(const Field& field) {
    if (field.digits <= 2) return field.value < 30 ? 2000 + field.value : 1900 + field.value;
    if (field.digits == 4 && field.value >= 100) return field.value;
    return std::nullopt;
}

}  // namespace

std::optional<CalendarDate> ReadDate(std::string_view answer, DateOrder order) {
    const auto fields = SplitFields(TrimBlanks(answer));
    if (!fields) return std::nullopt;
    const auto& f = *fields;
    Field day{}, month{}, year{};
    switch (order) {
        case DateOrder::DayMonthYear: day = f[0], month = f[1], year = f[2]; break;
        case DateOrder::MonthDayYear: month = f[0], day = f[1], year = f[2]; break;
        case DateOrder::YearMonthDay: year = f[0], month = f[1], day = f[2]; break;
    }
    if (day.digits > 2 || month.digits > 2) return std::nullopt;
    const auto fullYear = FullYear(year);
    if (!fullYear) return std::nullopt;
    if (month.value < 1 || month.value > 12) return std::nullopt;
    if (day.value < 1 || day.value > DaysInMonth(month.value, *fullYear)) return std::nullopt;
    return CalendarDate{day.value, month.value, *fullYear};
}

std::string ColonForm(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, ":%02d/%02d/%04d", date.day % 100, date.month % 100, date.year % 10000);
    return text;
}

}  // namespace lorvane
