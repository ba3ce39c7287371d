#pragma once
// Names for screen readers of the controls that have no label of their own.
#include <windows.h>

struct IAccPropServices;

namespace lorvane::win32 {

// Gives the window the name under which screen readers announce it, through the system's
// dynamic annotation; without the service, or refused, the control goes unnamed.
class AccessibleNames {
public:
    AccessibleNames() = default;
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // The name is UTF-8, as every text of the program.
    void Name(HWND control, const char* name);

private:
    IAccPropServices* services_ = nullptr;
    bool tried_ = false;
};

}  // namespace lorvane::win32
