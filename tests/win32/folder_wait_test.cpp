#include "window_fixture.h"

#include "command/command_texts.h"
#include "win32/win32_texts.h"

namespace lorvane::win32::testing {
namespace {

// Looks at the window from another thread while the window's thread waits on a folder: how
// often it answered within a quarter of a second and how often not, the captions it showed,
// and a click given to a tick box once the window said it waits.
class Watcher {
public:
    Watcher(HWND window, HWND tickBox, std::string waitingCaption)
        : window_(window), tickBox_(tickBox), waitingCaption_(std::move(waitingCaption)) {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~Watcher() {
        stop_ = true;
        if (thread_ == nullptr) return;
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    bool Started() const { return thread_ != nullptr; }
    // Its last question may be on its way: the window's thread answers it while waiting.
    void AskToStop() { stop_ = true; }
    bool Ended() const { return WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }
    int answered = 0, unanswered = 0;
    bool sawWaitingCaption = false, clicked = false;

private:
    static DWORD WINAPI Run(void* parameter) {
        static_cast<Watcher*>(parameter)->Watch();
        return 0;
    }
    void Watch() {
        while (!stop_) {
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 250, &result)) {
                ++unanswered;
                continue;
            }
            ++answered;
            wchar_t caption[512] = {};
            if (!SendMessageTimeoutW(window_, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(caption), SMTO_NORMAL, 250,
                                     &result)) {
                ++unanswered;
                continue;
            }
            if (ToUtf8(caption) != waitingCaption_ || clicked) continue;
            sawWaitingCaption = true;
            // A click as the mouse gives it, which the waiting window must not act on.
            PostMessageW(tickBox_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            PostMessageW(tickBox_, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            clicked = true;
        }
    }
    HWND window_, tickBox_;
    std::string waitingCaption_;
    std::atomic<bool> stop_{false};
    HANDLE thread_ = nullptr;
};

class FolderWaitTest : public WindowTest {
protected:
    FolderWaitTest() : WindowTest([](const TempTree& tree) { tree.Add({"lent\\", "lent\\dedans.txt"}); }) {}
};

TEST_F(FolderWaitTest, ASlowFolderLeavesTheWindowAnsweringAndTakingNoInputThenOpens) {
    platform.SlowFolderChecks(tree.Path("lent"), 1000, 10000);
    const std::string caption = TextOf(window.Handle());
    const int tick = SendMessageW(Hwnd(form.Check1[0]), BM_GETCHECK, 0, 0);
    const int value = form.Check1[0].Value();
    Watcher watcher(window.Handle(), Hwnd(form.Check1[0]), WaitingForFolder(caption, tree.Path("lent")));
    ASSERT_TRUE(watcher.Started());

    const ULONGLONG start = GetTickCount64();
    DoubleClickEntry(form.Dir1, "lent");
    const ULONGLONG waited = GetTickCount64() - start;
    watcher.AskToStop();
    ASSERT_TRUE(PumpUntil([&watcher] { return watcher.Ended(); }));

    EXPECT_GE(waited, 1000u);
    EXPECT_EQ(form.Dir1.Path(), tree.Path("lent"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_GE(watcher.answered, 4);
    EXPECT_EQ(watcher.unanswered, 0);
    EXPECT_TRUE(watcher.sawWaitingCaption);
    EXPECT_TRUE(watcher.clicked);
    PumpPending(&window);
    EXPECT_EQ(TextOf(window.Handle()), caption);
    EXPECT_EQ(std::tuple(SendMessageW(Hwnd(form.Check1[0]), BM_GETCHECK, 0, 0), form.Check1[0].Value()),
              std::tuple(tick, value));
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
    EXPECT_EQ(form.Dir1.Path(), tree.Root());
    EXPECT_EQ(TextOf(window.Handle()), caption);
}

}  // namespace
}  // namespace lorvane::win32::testing
