#pragma once
// Everything the window's handlers need from the operating system, one interface a role, so
// that what a routine needs can be read from what it is given and each fake stays small.
// src/win32 implements each role with the real APIs; the tests fake each. Every text is
// UTF-8 (app/utf8.h).

#include "app/clipboard.h"
#include "app/console.h"
#include "app/dialogs.h"
#include "app/files.h"
#include "app/folders.h"
#include "app/regional_settings.h"
#include "app/registry.h"
#include "app/shell.h"
#include "app/xcopy_dialect.h"

namespace lorvane {

// The system as a window holds it: one implementation of each role, owned elsewhere.
struct Platform {
    Dialogs& dialogs;
    Files& files;
    Folders& folders;
    Clipboard& clipboard;
    Shell& shell;
    Registry& registry;
    Console& console;
    XcopyDialect& xcopy;
    RegionalSettings& regional;
};

}  // namespace lorvane
