#pragma once
// Values under HKEY_LOCAL_MACHINE by "key|value name".

#include <map>

#include "app/registry.h"

namespace lorvane::testing {

class FakeRegistry : public Registry {
public:
    std::map<std::string, RegistryValue> registry;

    bool ReadMachineRegistryValue(const std::string& key, const std::string& valueName, RegistryValue& value) override {
        const auto found = registry.find(key + "|" + valueName);
        if (found != registry.end()) value = found->second;
        return found != registry.end();
    }
};

}  // namespace lorvane::testing
