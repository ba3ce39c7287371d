#pragma once
#include <windows.h>

#include "app/regional_settings.h"

namespace lorvane::win32 {

// The user's short date format, read from the user's locale.
class Win32RegionalSettings : public RegionalSettings {
public:
    DateOrder ShortDateOrder() override;
};

}  // namespace lorvane::win32
