#include "window_fixture.h"

#include "about/about_texts.h"
#include "win32/win32_texts.h"

namespace lorvane::win32::testing {
namespace {

using AboutTest = WindowTest;

TEST_F(AboutTest, OneAboutWindowEnterClosesItAndTheSystemInformationGoesOverIt) {
    auto aboutWindows = [] {
        int count = 0;
        const std::wstring caption = ToUtf16(std::string(texts::kAboutCaptionPrefix) + texts::kApplicationTitle);
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, caption.c_str()));) count += IsWindowVisible(w);
        return count;
    };
    auto inAbout = [this](const Control& control) { return window.About()->ControlHandle(control); };
    PumpPending(&window);
    const int quitsBefore = QuitMessagesSeen();
    for (int twice = 0; twice < 2; ++twice) Menu(form.MnuApropos);
    ASSERT_EQ(aboutWindows(), 1);
    PostMessageW(inAbout(form.About->cmdOK), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(PumpUntil([&] { return aboutWindows() == 0; }, 5000));
    EXPECT_FALSE(form.About);
    Menu(form.MnuApropos);
    ASSERT_EQ(aboutWindows(), 1);
    EXPECT_EQ(QuitMessagesSeen(), quitsBefore);  // the main window keeps the program going

    // Nothing usable in this system's registry: one message over the About window, modal to
    // it, also once the main window is closed.
    platform.realDialogs = true;
    HWND aboutWindow = GetParent(inAbout(form.About->cmdSysInfo));
    for (const bool mainOpen : {true, false}) {
        bool aboutEnabled = true;
        DialogAnswerer answer(aboutWindow, Dialog::Message, [&](HWND box) {
            aboutEnabled = IsWindowEnabled(aboutWindow) != 0;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        SetForegroundWindow(aboutWindow);  // as the click on its button does first
        SendMessageW(inAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
        ASSERT_EQ(std::tuple(answer.SeenTitle(), answer.SeenText(), aboutEnabled),
                  std::tuple(kApplicationTitle, texts::kSysInfoUnavailable, false))
            << mainOpen;
        SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    }

    // With a tool named in the registry, that tool is started instead.
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const MachineValue tool("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH", ToUtf8(system) + "\\notepad.exe");
    ASSERT_TRUE(tool.set);
    SendMessageW(inAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 10000));
    EXPECT_EQ(platform.messages.size(), 2u);  // none this time
}

}  // namespace
}  // namespace lorvane::win32::testing
