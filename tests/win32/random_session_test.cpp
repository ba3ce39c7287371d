#include <cstdlib>
#include <random>

#include "window_fixture.h"

namespace lorvane::win32::testing {
namespace {

// Random actions on the real controls (the fuzzer runs the rules behind them), each followed by what must hold: the
// window answers, each box shows the model's text, the full line is "XCOPY " and the parts unless typed into.
class RandomSessionTest : public WindowTest {
protected:
    RandomSessionTest()
        : WindowTest([](const TempTree& t) {
              t.Add({"un\\", "un\\deux & trois\\", "100%\\", "a.txt", "b c.txt"});
          }) {}
    std::string Parts() const {
        return form.TxtCmd[0].Text() + " " + form.TxtCmd[1].Text() + " " + form.TxtCmd[2].Text();
    }
};

TEST_F(RandomSessionTest, TheScreenStaysOnTheModel) {
    auto setting = [](const char* name, int otherwise) {
        return std::getenv(name) ? std::atoi(std::getenv(name)) : otherwise;
    };
    std::mt19937 random(setting("LORVANE_SESSION_SEED", 1206));
    auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    const int actions = setting("LORVANE_SESSION_ACTIONS", 10000);
    const UINT keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, 'Q'};
    bool lineTyped = false;
    for (int done = 0; done < actions && !HasFailure(); ++done) {
        platform.messageAnswers = {pick(2) != 0 ? MsgResult::Yes : MsgResult::No};
        platform.inputAnswers = {pick(2) != 0 ? "25/12/2003" : "demain"};
        const int side = pick(2), box = pick(4), kind = pick(8);
        const std::string parts = Parts(), line = form.TxtCmd[3].Text();
        const Control &folders = side == 0 ? form.Dir1 : form.Dir2, &files = side == 0 ? form.File1 : form.File2;
        if (kind == 0) Click(form.Check1[static_cast<std::size_t>(pick(kSwitchCount))]);
        if (kind == 1) Click((side == 0 ? form.Option1 : form.Option2)[pick(3)]);
        if (kind == 2) Click(side == 0 ? form.ChkSource : form.ChkDestination);
        if (kind == 3 || kind == 4) {
            HWND edit = Hwnd(form.TxtCmd[static_cast<std::size_t>(box)]);
            SetFocus(edit);
            const int length = GetWindowTextLengthW(edit), from = pick(length + 1);
            SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(from),
                         static_cast<LPARAM>(from + pick(length - from + 1)));
            kind == 3 ? static_cast<void>(SendMessageW(edit, WM_CHAR, L"a &%\\\"éł\b"[pick(9)], 1))
                      : PressKey(window, "XVCA"[pick(4)], kCtrl);
        }
        if (kind == 5 && window.ListView(files)->Count() > 0)
            ClickListItem(Hwnd(files), pick(window.ListView(files)->Count()));
        if (kind == 6) {  // opened inside the tree only, where the session's files are
            const FolderListView& view = *window.ListView(folders);
            const int index = pick(view.Count());
            const bool inside = FolderToOpen(view.Folder(), *view.EntryAt(index)).rfind(tree.Root(), 0) == 0;
            ClickListItem(Hwnd(folders), index, inside && pick(2) == 0);
            EXPECT_TRUE(ListsLoaded());
        }
        if (kind == 7) PressKey(window, keys[pick(4)], pick(2) != 0 ? kShift : 0u);
        PumpPending(&window);
        SCOPED_TRACE(::testing::Message()
                     << "action " << done << ": kind " << kind << ", box " << box << ", side " << side);
        ASSERT_NE(SendMessageTimeoutW(window.Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr), 0);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(Shown(form.TxtCmd[i]), form.TxtCmd[i].Text()) << "box " << i;
        const bool lineEdited = kind >= 3 && GetFocus() == Hwnd(form.TxtCmd[3]) && form.TxtCmd[3].Text() != line;
        lineTyped = lineEdited || (lineTyped && Parts() == parts);  // a hand edit stays until the parts change
        if (!lineTyped) {
            EXPECT_EQ(form.TxtCmd[3].Text(), "XCOPY " + Parts());
        }
    }
}

}  // namespace
}  // namespace lorvane::win32::testing
