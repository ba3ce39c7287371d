#pragma once
#include <windows.h>

#include "app/console.h"

namespace lorvane::win32 {

// The console a new batch file runs in, by the system's own code page conversions.
class Win32Console : public Console {
public:
    unsigned ConsoleCodePage() override;
    std::optional<std::string> ConsoleBytes(char32_t character) override;
    std::string ConsoleTextOf(const std::string& bytes) override;
};

}  // namespace lorvane::win32
