#pragma once
// The system's ways the tests choose: Windows' XCOPY or Wine's, and the user's date order.

#include "app/regional_settings.h"
#include "app/xcopy_dialect.h"

namespace lorvane::testing {

class FakeXcopyDialect : public XcopyDialect {
public:
    bool wildcardDestinationIsFolder = true;  // Windows' XCOPY; false for Wine's
    bool datesMonthFirst = false;             // Windows' XCOPY; true for Wine's

    bool XcopyTakesWildcardDestinationAsFolder() override { return wildcardDestinationIsFolder; }
    bool XcopyReadsDatesMonthFirst() override { return datesMonthFirst; }
};

class FakeRegionalSettings : public RegionalSettings {
public:
    DateOrder dateOrder = DateOrder::DayMonthYear;
    DateOrder ShortDateOrder() override { return dateOrder; }
};

}  // namespace lorvane::testing
