#include "window_fixture.h"

namespace lorvane::win32::testing {
namespace {

class EditAndAboutTest : public WindowTest {
protected:
    std::string Clipboard() {
        std::string text;
        if (!OpenClipboard(nullptr)) return "(fermé)";
        HANDLE data = GetClipboardData(CF_TEXT);
        if (const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr) {
            text = bytes;
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    int AboutWindows() {
        int count = 0;
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, "\xC0 propos de Lorvane"));) {
            count += IsWindowVisible(w) ? 1 : 0;
        }
        return count;
    }
    HWND SysInfoButton() { return window.About()->ControlHandle(form.About->cmdSysInfo); }
};

TEST_F(EditAndAboutTest, EditMenuThroughTheRealClipboard) {
    DragSelect(Hwnd(form.TxtCmd[3]), 0, 5);
    PressKey(window, 'C', kCtrl);
    EXPECT_EQ(Clipboard(), "XCOPY");

    SetFocus(Hwnd(form.TxtCmd[2]));
    PressKey(window, 'A', kCtrl);
    PressKey(window, 'X', kCtrl);
    EXPECT_EQ(Clipboard(), "/S /E /C /H /Y ");
    EXPECT_EQ(Shown(form.TxtCmd[2]), "");
    EXPECT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + Root() + ".  " + Root() + ".  ");

    PressKey(window, 'V', kCtrl);
    PressKey(window, 'V', kCtrl);  // pasted at the caret, after the first
    EXPECT_EQ(Shown(form.TxtCmd[2]), "/S /E /C /H /Y /S /E /C /H /Y ");
    EXPECT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + Root() + ".  " + Root() + ".  /S /E /C /H /Y /S /E /C /H /Y ");

    SetFocus(Hwnd(form.Check1[kSwitchA]));  // no selection there: copy empties the clipboard
    PressKey(window, 'C', kCtrl);
    EXPECT_EQ(Clipboard(), "");
}

TEST_F(EditAndAboutTest, OneAboutWindowWithItsTexts) {
    PumpPending(window);
    const int quitsBefore = QuitMessagesSeen();
    Menu(form.MnuApropos);
    Menu(form.MnuApropos);
    EXPECT_EQ(AboutWindows(), 1);
    ASSERT_NE(window.About(), nullptr);
    const AboutWindow& about = *window.About();
    EXPECT_EQ(TextOf(about.ControlHandle(form.About->lblVersion)), "Version 1.1.2");
    EXPECT_EQ(TextOf(about.ControlHandle(form.About->lblTitle)), "Lorvane");
    EXPECT_EQ(TextOf(about.ControlHandle(form.About->cmdSysInfo)), "&Infos syst\xE8me...");

    // Enter presses OK: the window goes, and comes back afresh.
    PostMessageA(about.ControlHandle(form.About->cmdOK), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(PumpUntil(window, [this] { return AboutWindows() == 0; }, 5000));
    EXPECT_FALSE(form.About);
    Menu(form.MnuApropos);
    EXPECT_EQ(AboutWindows(), 1);
    EXPECT_EQ(QuitMessagesSeen(), quitsBefore);  // the main window keeps the program going

    // Nothing usable in this system's registry: one message, over the About window and
    // modal to it, also once the main window is closed.
    platform.realMessageBoxes = true;
    HWND aboutWindow = GetParent(SysInfoButton());
    for (const bool mainOpen : {true, false}) {
        HWND owner = nullptr;
        bool aboutDisabled = false;
        DialogAnswerer answer("Lorvane", [&](HWND box) {
            owner = GetWindow(box, GW_OWNER);
            aboutDisabled = !IsWindowEnabled(aboutWindow);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        SetForegroundWindow(aboutWindow);  // as the click on its button does first
        SendMessageA(SysInfoButton(), BM_CLICK, 0, 0);
        ASSERT_TRUE(answer.Answered()) << mainOpen;
        EXPECT_EQ(answer.SeenText(), "Les informations syst\xE8me ne sont pas disponibles actuellement");
        EXPECT_EQ(owner, aboutWindow);
        EXPECT_TRUE(aboutDisabled);
        SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
    }
}

TEST_F(EditAndAboutTest, TheToolTheRegistryNamesIsStarted) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const MachineValue tool("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", std::string(system) + "\\notepad.exe");
    ASSERT_TRUE(tool.set);
    Menu(form.MnuApropos);
    ASSERT_NE(window.About(), nullptr);
    SendMessageA(SysInfoButton(), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil(window, [] { return FindWindowA("Notepad", nullptr) != nullptr; }, 10000, 50));
    started.EndAll();
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace lorvane::win32::testing
