#include "win32/com_apartment.h"

#include <windows.h>

#include <objbase.h>

#include "win32/system_library.h"

namespace lorvane::win32 {

ComApartment::~ComApartment() {
    if (!initialized_) return;
    if (auto* uninitialize = LoadSystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize")) {
        uninitialize();
    }
}

void ComApartment::Ensure() {
    if (tried_) return;
    tried_ = true;
    if (auto* initialize = LoadSystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx")) {
        // S_FALSE (already there) is balanced by an uninitialise too; another mode is kept.
        initialized_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
}

}  // namespace lorvane::win32
