#pragma once
#include <windows.h>

#include "app/xcopy_dialect.h"

namespace lorvane::win32 {

// Wine's XCOPY is the one that differs from Windows'.
class Win32XcopyDialect : public XcopyDialect {
public:
    bool XcopyTakesWildcardDestinationAsFolder() override;
    bool XcopyReadsDatesMonthFirst() override;

private:
    bool UnderWine();
    int underWine_ = -1;  // not yet asked
};

}  // namespace lorvane::win32
