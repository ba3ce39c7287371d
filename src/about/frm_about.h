#pragma once
// The About window: title, version, description, a link and the system information tool.

#include <functional>
#include <string>

#include "app/controls.h"
#include "app/dialogs.h"
#include "app/files.h"
#include "app/registry.h"
#include "app/shell.h"

namespace lorvane {

class FrmAbout {
public:
    FrmAbout(Dialogs& dialogs, Files& files, Shell& shell, Registry& registry);
    FrmAbout(const FrmAbout&) = delete;
    FrmAbout& operator=(const FrmAbout&) = delete;

    Label Caption;
    Label lblTitle, lblVersion, lblDescription, lblDisclaimer;
    Hyperlink urlhttp;
    CommandButton cmdOK, cmdSysInfo;

    // Close and unload the window, and bring it to the front; set by the screen binding.
    std::function<void()> Unload;
    std::function<void()> BringToFront;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void urlhttp_Click();
    void StartSysInfo();
    // KeyRoot is always HKEY_LOCAL_MACHINE here. KeyVal receives the value as text, or ""
    // when it cannot be read; a value neither text nor double word leaves it as passed.
    bool GetKeyValue(unsigned long KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

private:
    Dialogs& dialogs_;
    Files& files_;
    Shell& shell_;
    Registry& registry_;
};

// The registry root the About window reads under.
inline constexpr unsigned long kHkeyLocalMachine = 0x80000002ul;

}  // namespace lorvane
