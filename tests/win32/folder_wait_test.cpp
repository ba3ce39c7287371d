#include "window_fixture.h"

#include "command/command_texts.h"
#include "win32/win32_texts.h"

namespace lorvane::win32::testing {
namespace {

class FolderWaitTest : public WindowTest {
protected:
    FolderWaitTest() : WindowTest([](const TempTree& tree) { tree.Add({"lent\\", "lent\\dedans.txt"}); }) {}
};

TEST_F(FolderWaitTest, ASlowFolderLeavesTheWindowAnsweringAndTakingNoInputThenOpens) {
    platform.SlowFolderChecks(tree.Path("lent"), 1000, 10000);
    const std::string caption = TextOf(window.Handle()), waiting = WaitingForFolder(caption, tree.Path("lent"));
    HWND main = window.Handle(), tickBox = Hwnd(form.Check1[0]);
    const LRESULT tick = SendMessageW(tickBox, BM_GETCHECK, 0, 0);
    const int value = form.Check1[0].Value();
    // From another thread while the window's thread waits on the folder: how often the window
    // answered within a quarter of a second and how often not, and a click as the mouse gives
    // it once the caption says the window waits, which the window must not act on.
    int answered = 0, unanswered = 0;
    std::atomic<bool> clicked = false;
    OtherThread watcher([&] {
        for (wchar_t shown[512]; !watcher.stop;) {
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 250, &result) ||
                !SendMessageTimeoutW(main, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(shown), SMTO_NORMAL, 250,
                                     &result)) {
                ++unanswered;
                continue;
            }
            ++answered;
            if (ToUtf8(shown) != waiting || clicked) continue;
            PostMessageW(tickBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            PostMessageW(tickBox, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            clicked = true;
        }
    });

    const ULONGLONG start = GetTickCount64();
    DoubleClickEntry(form.Dir1, "lent");
    const ULONGLONG waited = GetTickCount64() - start;
    watcher.stop = true;  // its last question may be on its way: the window's thread answers it
    ASSERT_TRUE(PumpUntil([&watcher] { return watcher.Ended(); }));

    EXPECT_GE(waited, 1000u);
    EXPECT_EQ(std::tuple(form.Dir1.Path(), platform.messages.size(), unanswered, clicked.load()),
              std::tuple(tree.Path("lent"), 0u, 0, true));
    EXPECT_GE(answered, 4);
    PumpPending(&window);
    EXPECT_EQ(std::tuple(TextOf(window.Handle()), SendMessageW(tickBox, BM_GETCHECK, 0, 0), form.Check1[0].Value()),
              std::tuple(caption, tick, value));
}

TEST_F(FolderWaitTest, AFolderThatDoesNotAnswerInTimeCannotBeRead) {
    platform.SlowFolderChecks(tree.Path("lent"), 4000, 1000);
    const std::string caption = TextOf(window.Handle());
    const ULONGLONG start = GetTickCount64();
    DoubleClickEntry(form.Dir1, "lent");
    const ULONGLONG waited = GetTickCount64() - start;

    EXPECT_GE(waited, 1000u);
    EXPECT_LT(waited, 4000u);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(std::tuple(platform.messages[0].text, platform.messages[0].title),
              std::tuple(texts::UnreadableFolder(tree.Path("lent")), std::string(texts::kUnreadableFolderTitle)));
    EXPECT_EQ(std::tuple(form.Dir1.Path(), TextOf(window.Handle())), std::tuple(tree.Root(), caption));
}

}  // namespace
}  // namespace lorvane::win32::testing
