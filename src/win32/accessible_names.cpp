#include "win32/accessible_names.h"

#include <objbase.h>
#include <oleacc.h>

#include <string>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// Written out rather than linked, so that the annotation service and its library load only
// when a screen reader first asks the window.
constexpr CLSID kAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID kPropName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

}  // namespace

AccessibleNames::~AccessibleNames() {
    if (services_) services_->Release();
}

void AccessibleNames::Name(HWND control, const char* name) {
    if (!tried_) {
        tried_ = true;
        auto* create = LoadSystemFunction<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
        void* created = nullptr;
        if (create &&
            SUCCEEDED(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices, &created))) {
            services_ = static_cast<IAccPropServices*>(created);
        }
    }
    if (!services_) return;  // none on this system: the controls go unnamed, as before
    const std::wstring wide = ToUtf16(name);
    services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), static_cast<DWORD>(CHILDID_SELF), kPropName,
                              wide.c_str());
}

}  // namespace lorvane::win32
