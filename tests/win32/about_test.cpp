#include "window_fixture.h"

namespace lorvane::win32::testing {
namespace {

class AboutTest : public WindowTest {
protected:
    int AboutWindows() {
        int count = 0;
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, nullptr, "À propos de Lorvane"));)
            count += IsWindowVisible(w);
        return count;
    }
    HWND InAbout(const Control& control) { return window.About()->ControlHandle(control); }
};

TEST_F(AboutTest, OneAboutWindowWithItsTextsAndTheSystemInformation) {
    PumpPending(&window);
    const int quitsBefore = QuitMessagesSeen();
    for (int twice = 0; twice < 2; ++twice) Menu(form.MnuApropos);
    EXPECT_EQ(AboutWindows(), 1);
    ASSERT_NE(window.About(), nullptr);
    EXPECT_EQ(std::tuple(TextOf(InAbout(form.About->lblVersion)), TextOf(InAbout(form.About->lblTitle)),
                         TextOf(InAbout(form.About->cmdSysInfo))),
              std::tuple("Version 1.1.2", "Lorvane", "&Infos système..."));

    // Enter presses OK: the window goes, and comes back afresh.
    PostMessageA(InAbout(form.About->cmdOK), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(PumpUntil([this] { return AboutWindows() == 0; }, 5000));
    EXPECT_FALSE(form.About);
    Menu(form.MnuApropos);
    EXPECT_EQ(AboutWindows(), 1);
    EXPECT_EQ(QuitMessagesSeen(), quitsBefore);  // the main window keeps the program going

    // Nothing usable in this system's registry: one message, over the About window and
    // modal to it, also once the main window is closed.
    platform.realDialogs = true;
    HWND aboutWindow = GetParent(InAbout(form.About->cmdSysInfo));
    for (const bool mainOpen : {true, false}) {
        std::pair<HWND, bool> ownerAndAboutEnabled;
        DialogAnswerer answer("Lorvane", [&](HWND box) {
            ownerAndAboutEnabled = {GetWindow(box, GW_OWNER), IsWindowEnabled(aboutWindow) != 0};
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        });
        SetForegroundWindow(aboutWindow);  // as the click on its button does first
        SendMessageA(InAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
        ASSERT_EQ(answer.SeenText(), "Les informations système ne sont pas disponibles actuellement") << mainOpen;
        EXPECT_EQ(ownerAndAboutEnabled, std::pair(aboutWindow, false));
        SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
    }

    // With a tool named in the registry, that tool is started instead.
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, sizeof system);
    const MachineValue tool("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", std::string(system) + "\\notepad.exe");
    ASSERT_TRUE(tool.set);
    SendMessageA(InAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return FindWindowA("Notepad", nullptr) != nullptr; }, 10000));
    EXPECT_EQ(platform.messages.size(), 2u);  // none this time
}

}  // namespace
}  // namespace lorvane::win32::testing
