#pragma once
// The machine's registry, read only.

#include <string>

namespace lorvane {

// A registry value as read: its type (1 text, 4 double word...) and its bytes, as many
// as the value's stored length says.
struct RegistryValue {
    unsigned long type = 0;
    std::string bytes;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Reads one value of a key under HKEY_LOCAL_MACHINE, asking for read access only;
    // false when the key or the value cannot be read.
    virtual bool ReadMachineRegistryValue(const std::string& key, const std::string& valueName,
                                          RegistryValue& value) = 0;
};

}  // namespace lorvane
