#pragma once
#include <windows.h>

#include "app/shell.h"
#include "win32/com_apartment.h"
#include "win32/dialog_owner.h"

namespace lorvane::win32 {

class Win32Shell : public Shell {
public:
    Win32Shell(const DialogOwner& owner, ComApartment& com) : owner_(owner), com_(com) {}
    bool ShellOpen(const std::string& file, const std::string& directory) override;
    bool StartProgram(const std::string& path) override;
    void EndProgram() override;

private:
    const DialogOwner& owner_;
    ComApartment& com_;
};

}  // namespace lorvane::win32
