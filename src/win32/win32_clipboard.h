#pragma once
#include <windows.h>

#include "app/clipboard.h"
#include "win32/dialog_owner.h"

namespace lorvane::win32 {

// The clipboard, in the system's Unicode text format, opened for the main window.
class Win32Clipboard : public Clipboard {
public:
    explicit Win32Clipboard(const DialogOwner& owner) : owner_(owner) {}
    bool ClearClipboard() override;
    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;

private:
    const DialogOwner& owner_;
};

}  // namespace lorvane::win32
