#pragma once
#include <windows.h>

#include "app/dialogs.h"
#include "win32/dialog_owner.h"

namespace lorvane::win32 {

// Boxes modal to the window the user acted in (file_dialog.cpp holds the file dialogs).
class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(const DialogOwner& owner) : owner_(owner) {}
    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) override;
    void Beep() override;
    bool ShowFileDialog(FileDialogRequest& request) override;

private:
    const DialogOwner& owner_;
};

}  // namespace lorvane::win32
