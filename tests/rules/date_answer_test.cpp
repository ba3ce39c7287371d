#include "rules/date_answer.h"

#include <gtest/gtest.h>

namespace lorvane {
namespace {

TEST(ReadDate, TakesDayMonthAndYearInTheLocalesOrder) {
    const struct {
        const char* answer;
        DateOrder order;
        const char* stored;  // empty: no date
    } rows[] = {
        {"25/12/2003", DateOrder::DayMonthYear, ":25/12/2003"},
        {"5/3/2003", DateOrder::DayMonthYear, ":05/03/2003"},
        {"05-03-2003", DateOrder::DayMonthYear, ":05/03/2003"},
        {" 5.3.03 ", DateOrder::DayMonthYear, ":05/03/2003"},
        {"1/2/99", DateOrder::DayMonthYear, ":01/02/1999"},
        {"29/2/2004", DateOrder::DayMonthYear, ":29/02/2004"},
        {"29/2/2003", DateOrder::DayMonthYear, ""},
        {"31/4/2003", DateOrder::DayMonthYear, ""},
        {"12/25/2003", DateOrder::DayMonthYear, ""},
        {"12/25/2003", DateOrder::MonthDayYear, ":25/12/2003"},
        {"2003/12/25", DateOrder::YearMonthDay, ":25/12/2003"},
        {"2003-1-5", DateOrder::YearMonthDay, ":05/01/2003"},
        {"", DateOrder::DayMonthYear, ""},
        {"hier", DateOrder::DayMonthYear, ""},
        {"25/12", DateOrder::DayMonthYear, ""},
        {"25/12/2003/1", DateOrder::DayMonthYear, ""},
        {"25//12/2003", DateOrder::DayMonthYear, ""},
        {"0/12/2003", DateOrder::DayMonthYear, ""},
        {"25/13/2003", DateOrder::DayMonthYear, ""},
        {"25/12/203", DateOrder::DayMonthYear, ""},
        {"025/12/2003", DateOrder::DayMonthYear, ""},
        {"25/12/20031", DateOrder::DayMonthYear, ""},
    };
    for (const auto& row : rows) {
        const auto date = ReadDate(row.answer, row.order);
        EXPECT_EQ(date ? ColonForm(*date) : std::string(), row.stored) << row.answer;
    }
}

}  // namespace
}  // namespace lorvane
