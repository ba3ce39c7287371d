#pragma once
#include <windows.h>

#include "app/platform.h"
#include "win32/com_apartment.h"
#include "win32/dialog_owner.h"
#include "win32/disk_wait.h"
#include "win32/win32_clipboard.h"
#include "win32/win32_console.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_files.h"
#include "win32/win32_folders.h"
#include "win32/win32_regional_settings.h"
#include "win32/win32_registry.h"
#include "win32/win32_shell.h"
#include "win32/win32_xcopy_dialect.h"

namespace lorvane::win32 {

// What the roles share: the window they belong to, the COM apartment, the disk waits. A base
// of its own, so that it is made before the roles that are given it.
struct Win32Shared {
    DialogOwner owner;
    ComApartment com;
    DiskWait wait{owner};
};

// Every role, as the system gives it, in one object the program makes at start.
class Win32Platform : protected Win32Shared,
                      public Win32Dialogs,
                      public Win32Files,
                      public Win32Folders,
                      public Win32Clipboard,
                      public Win32Shell,
                      public Win32Registry,
                      public Win32Console,
                      public Win32XcopyDialect,
                      public Win32RegionalSettings {
public:
    Win32Platform()
        : Win32Dialogs(owner), Win32Files(wait), Win32Folders(wait), Win32Clipboard(owner), Win32Shell(owner, com) {}
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // What a window is given: each role, this one object.
    operator Platform() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this}; }

    // Boxes are modal to this window once it exists.
    void SetOwner(HWND window) { owner.Set(window); }
    void EnsureComApartment() { com.Ensure(); }
};

}  // namespace lorvane::win32
