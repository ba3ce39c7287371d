#include "win32/win32_regional_settings.h"

namespace lorvane::win32 {

DateOrder Win32RegionalSettings::ShortDateOrder() {
    wchar_t order[4] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, 4);  // refused, it stays empty: day first
    switch (order[0]) {
        case L'0': return DateOrder::MonthDayYear;
        case L'2': return DateOrder::YearMonthDay;
        default: return DateOrder::DayMonthYear;
    }
}

}  // namespace lorvane::win32
