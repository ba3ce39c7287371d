#pragma once
#include <windows.h>

#include "app/registry.h"

namespace lorvane::win32 {

class Win32Registry : public Registry {
public:
    bool ReadMachineRegistryValue(const std::string& key, const std::string& valueName, RegistryValue& value) override;
};

}  // namespace lorvane::win32
