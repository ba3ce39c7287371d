#include "win32/win32_xcopy_dialect.h"

namespace lorvane::win32 {

bool Win32XcopyDialect::UnderWine() {
    // Wine is known by an export of its ntdll.dll that Windows' has not.
    if (underWine_ < 0) {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        underWine_ = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr ? 1 : 0;
    }
    return underWine_ == 1;
}

bool Win32XcopyDialect::XcopyTakesWildcardDestinationAsFolder() { return !UnderWine(); }

bool Win32XcopyDialect::XcopyReadsDatesMonthFirst() { return UnderWine(); }

}  // namespace lorvane::win32
