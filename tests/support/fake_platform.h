#pragma once
// Every role faked, in one object that a test sets up and reads by the fakes' member names.

#include "app/platform.h"
#include "support/fake_clipboard.h"
#include "support/fake_console.h"
#include "support/fake_disk.h"
#include "support/fake_registry.h"
#include "support/fake_settings.h"
#include "support/fake_shell.h"
#include "support/scripted_dialogs.h"

namespace lorvane::testing {

class FakePlatform : public FakeDialogs,
                     public FakeFiles,
                     public FakeFolders,
                     public FakeClipboard,
                     public FakeShell,
                     public FakeRegistry,
                     public FakeConsole,
                     public FakeXcopyDialect,
                     public FakeRegionalSettings {
public:
    explicit FakePlatform(std::string folder = "C:\\Travail") : FakeFolders(*this, std::move(folder)) {}
    // What a window is given: each role, this one object.
    operator Platform() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this}; }
};

}  // namespace lorvane::testing
