#pragma once
#include <windows.h>

#include <optional>

#include "app/xcopy_dialect.h"

namespace lorvane::win32 {

// Wine's XCOPY is the one that differs from Windows'.
class Win32XcopyDialect : public XcopyDialect {
public:
    bool XcopyTakesWildcardDestinationAsFolder() override;
    bool XcopyReadsDatesMonthFirst() override;

private:
    bool UnderWine();
    std::optional<bool> underWine_;  // none until asked
};

}  // namespace lorvane::win32
