#pragma once
#include <windows.h>

#include "app/platform.h"

namespace lorvane::win32 {

class Win32Platform : public Platform {
public:
    // Boxes are modal to this window once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    void Beep() override;
    void ShellOpen(const std::string& file, const std::string& directory) override;
    std::string CurrentDirectory() override;
    std::string ReadableFolder(const std::string& path) override;
    DateOrder ShortDateOrder() override;

private:
    HWND owner_ = nullptr;
};

}  // namespace lorvane::win32
