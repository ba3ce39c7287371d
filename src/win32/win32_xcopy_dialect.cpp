#include "win32/win32_xcopy_dialect.h"

namespace lorvane::win32 {

bool Win32XcopyDialect::UnderWine() {
    // Wine is known by an export of its ntdll.dll that Windows' has not.
    if (!underWine_) underWine_ = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return *underWine_;
}

bool Win32XcopyDialect::XcopyTakesWildcardDestinationAsFolder() { return !UnderWine(); }

bool Win32XcopyDialect::XcopyReadsDatesMonthFirst() { return UnderWine(); }

}  // namespace lorvane::win32
