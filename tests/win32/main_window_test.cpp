#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/frm_xcopy.h"
#include "support/fake_platform.h"
#include "win32/main_window.h"

namespace lorvane::win32 {
namespace {

std::string TextOf(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The real window over the fake platform: dialogs answered by the test.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
    }
    void TearDown() override {
        if (IsWindow(window.Handle())) DestroyWindow(window.Handle());
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    testing::FakePlatform fake = [] {
        testing::FakePlatform platform;
        platform.currentDirectory = "C:\\Mes dossiers";
        return platform;
    }();
    Win32Platform realPlatform;
    FrmXcopy form{fake};
    MainWindow window{form, realPlatform};
};

TEST_F(MainWindowTest, ShowsTheCaptionAndTheFirstCommandLine) {
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS)");
    EXPECT_EQ(TextOf(window.ControlHandle(form.TxtCmd[0])), "C:\\. ");
    EXPECT_EQ(TextOf(window.ControlHandle(form.TxtCmd[2])), "/S /E /C /H /Y ");
    EXPECT_EQ(TextOf(window.ControlHandle(form.TxtCmd[3])), "XCOPY C:\\.  C:\\.  /S /E /C /H /Y ");
    EXPECT_EQ(GetFocus(), window.ControlHandle(form.ChkSource));
}

TEST_F(MainWindowTest, ClickingARealTickBoxRebuildsTheLine) {
    HWND slashA = window.ControlHandle(form.Check1[0]);
    SendMessageA(slashA, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(slashA, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(TextOf(window.ControlHandle(form.TxtCmd[2])), "/A /S /E /C /H /Y ");
    SendMessageA(slashA, BM_CLICK, 0, 0);
    EXPECT_EQ(form.Check1[0].Value(), 0);
    EXPECT_EQ(TextOf(window.ControlHandle(form.TxtCmd[3])), "XCOPY C:\\.  C:\\.  /S /E /C /H /Y ");
}

TEST_F(MainWindowTest, TypingInAPartBoxRecomposesTheFullLine) {
    HWND source = window.ControlHandle(form.TxtCmd[0]);
    SetFocus(source);
    SendMessageA(source, EM_SETSEL, 0, -1);
    for (char c : std::string("A:\\x ")) SendMessageA(source, WM_CHAR, static_cast<WPARAM>(c), 1);
    EXPECT_EQ(form.TxtCmd[0].Text(), "A:\\x ");
    EXPECT_EQ(TextOf(window.ControlHandle(form.TxtCmd[3])), "XCOPY A:\\x  C:\\.  /S /E /C /H /Y ");
}

}  // namespace
}  // namespace lorvane::win32
