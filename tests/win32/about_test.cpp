#include "window_fixture.h"

#include "about/about_texts.h"
#include "win32/win32_texts.h"

namespace lorvane::win32::testing {
namespace {

class AboutTest : public WindowTest {
protected:
    int AboutWindows() {
        int count = 0;
        const std::wstring caption = ToUtf16(std::string(texts::kAboutCaptionPrefix) + texts::kApplicationTitle);
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, caption.c_str()));) count += IsWindowVisible(w);
        return count;
    }
    HWND InAbout(const Control& control) { return window.About()->ControlHandle(control); }
};

TEST_F(AboutTest, OneAboutWindowAndTheSystemInformation) {
    PumpPending(&window);
    const int quitsBefore = QuitMessagesSeen();
    for (int twice = 0; twice < 2; ++twice) Menu(form.MnuApropos);
    EXPECT_EQ(AboutWindows(), 1);
    ASSERT_NE(window.About(), nullptr);

    // Enter presses OK: the window goes, and comes back afresh.
    PostMessageW(InAbout(form.About->cmdOK), WM_KEYDOWN, VK_RETURN, 1);
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
        DialogAnswerer answer(kApplicationTitle, [&](HWND box) {
            ownerAndAboutEnabled = {GetWindow(box, GW_OWNER), IsWindowEnabled(aboutWindow) != 0};
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        SetForegroundWindow(aboutWindow);  // as the click on its button does first
        SendMessageW(InAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
        ASSERT_EQ(answer.SeenText(), texts::kSysInfoUnavailable) << mainOpen;
        EXPECT_EQ(ownerAndAboutEnabled, std::pair(aboutWindow, false));
        SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    }

    // With a tool named in the registry, that tool is started instead.
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const MachineValue tool("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", ToUtf8(system) + "\\notepad.exe");
    ASSERT_TRUE(tool.set);
    SendMessageW(InAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 10000));
    EXPECT_EQ(platform.messages.size(), 2u);  // none this time
}

}  // namespace
}  // namespace lorvane::win32::testing
