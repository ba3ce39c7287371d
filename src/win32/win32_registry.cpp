#include "win32/win32_registry.h"

#include "win32/wide_text.h"

namespace lorvane::win32 {

bool Win32Registry::ReadMachineRegistryValue(const std::string& key, const std::string& valueName,
                                             RegistryValue& value) {
    // Read access only: full access to these keys is refused to a standard user.
    HKEY opened = nullptr;
    wchar_t buffer[1024] = {};
    DWORD type{};
    DWORD length = sizeof buffer;
    LSTATUS status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, ToUtf16(key).c_str(), {}, KEY_READ, &opened);
    if (status == ERROR_SUCCESS) {
        status = RegQueryValueExW(opened, ToUtf16(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                                  &length);
        RegCloseKey(opened);
    }
    const bool read = status == ERROR_SUCCESS;
    if (!read) return read;
    value.type = type;
    if (type == REG_SZ) {  // the only text the program reads there
        // A terminating zero stored with the text stays its last byte, for the reader to drop.
        value.bytes = ToUtf8(buffer, static_cast<int>(length / sizeof(wchar_t)));
    } else {
        value.bytes.assign(reinterpret_cast<const char*>(buffer), length);
    }
    return read;
}

}  // namespace lorvane::win32
