#include <cstdlib>
#include <random>

#include "window_fixture.h"

namespace lorvane::win32::testing {
namespace {

void SessionTree(const TempTree& tree) {
    tree.Add({"un\\", "un\\deux & trois\\", "100%\\", "a.txt", "b c.txt", "un\\d(1).txt", "100%\\été.txt"});
    tree.File("vieux.lvp", "1,0,2\r\n");
}

// Keys on whatever control has the focus, through the window's message loop.
constexpr std::tuple<UINT, unsigned, const char*> kKeys[] = {
    {VK_TAB, 0, "Tab"}, {VK_TAB, kShift, "Shift+Tab"}, {VK_ESCAPE, 0, "Escape"}, {VK_RETURN, 0, "Enter"},
    {'Q', 0, "q"},      {'T', kCtrl, "Ctrl+T"},        {'A', kCtrl, "Ctrl+A"},   {VK_F1, 0, "F1"}};
// Typed into a box (the first nine), or pressed with Ctrl over a selection there.
constexpr wchar_t kBoxKeys[] = {L'a', L' ', L'&', L'%', L'\\', L'"', L'é', L'ł', VK_BACK, 'X', 'V', 'C', 'A'};
constexpr int kTypedKeys = 9;

// A long run of random user actions on the real window, each followed by the checks that
// must hold whatever happened: the window answers, no part box changed but by the action,
// and the full line is "XCOPY " and the three parts, unless the action typed into it.
class RandomSessionTest : public WindowTest {
protected:
    RandomSessionTest() : WindowTest(SessionTree) {}

    std::string Part(std::size_t i) const { return form.TxtCmd[i].Text(); }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    // Runs one action, its kind first in `what`; returns the part boxes it may change (bit
    // i for box i; bit 3 when it typed into the full line itself).
    unsigned Act(std::string& what) {
        platform.messageAnswers = {Pick(2) != 0 ? MsgResult::Yes : MsgResult::No};
        const char* dates[] = {"25/12/2003", "12/25/2003", "", "demain", "1/2/3"};
        platform.inputAnswers = {dates[Pick(5)]};
        const int side = Pick(2), box = Pick(4);
        const Control* files[] = {&form.File1, &form.File2};
        const Control* folders[] = {&form.Dir1, &form.Dir2};
        const std::string where = ": side " + std::to_string(side) + ", box " + std::to_string(box);
        switch (Pick(12)) {
            case 0: {
                const int i = Pick(kSwitchCount);
                what = "switch" + where + ", switch " + std::to_string(i);
                Click(form.Check1[static_cast<std::size_t>(i)]);
                return 1u << 2;
            }
            case 1: {
                const int level = Pick(3);
                what = "level" + where + ", level " + std::to_string(level);
                Click(side == 0 ? form.Option1[level] : form.Option2[level]);
                return 1u << side;
            }
            case 2:
                what = "current folder box" + where;
                Click(side == 0 ? static_cast<Control&>(form.ChkSource) : form.ChkDestination);
                return 1u << side;
            case 3:
            case 4:
            case 5: {
                const int key = Pick(13);
                const bool typed = key < kTypedKeys;
                what = (typed ? "typing" : "Ctrl") + where + ", key " + ToUtf8(std::wstring(1, kBoxKeys[key]));
                HWND edit = Hwnd(form.TxtCmd[static_cast<std::size_t>(box)]);
                SetFocus(edit);
                const int length = GetWindowTextLengthW(edit), from = Pick(length + 1);
                SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(from),
                             static_cast<LPARAM>(typed ? from : from + Pick(length - from + 1)));
                if (typed)
                    SendMessageW(edit, WM_CHAR, kBoxKeys[key], 1);
                else
                    PressKey(window, static_cast<UINT>(kBoxKeys[key]), kCtrl);
                return 1u << box;
            }
            case 6: {
                const int count = window.ListView(*files[side])->Count();
                what = "file click" + where;
                if (count > 0) ClickListItem(Hwnd(*files[side]), Pick(count));
                return 1u << side;
            }
            case 7: {
                const FolderListView& view = *window.ListView(*folders[side]);
                const int index = Pick(view.Count());
                what = "folder list" + where + ", entry " + view.EntryAt(index)->text;
                // Opened inside the tree only, where the session's files are.
                const bool inside = FolderToOpen(view.Folder(), *view.EntryAt(index)).rfind(tree.Root(), 0) == 0;
                ClickListItem(Hwnd(*folders[side]), index, inside && Pick(2) == 0);
                EXPECT_TRUE(ListsLoaded());
                return 1u << side;
            }
            case 8: {
                const auto& [key, modifiers, name] = kKeys[Pick(8)];
                what = std::string("key") + where + ", " + name;
                unsigned mayChange = 0;
                for (std::size_t i = 0; i < 4; ++i) mayChange |= GetFocus() == Hwnd(form.TxtCmd[i]) ? 1u << i : 0u;
                // In a side's list, Enter opens a folder and a letter goes to a name.
                for (unsigned s = 0; s < 2; ++s)
                    for (const Control* list : {folders[s], files[s]})
                        mayChange |= GetFocus() == Hwnd(*list) ? 1u << s : 0u;
                PressKey(window, key, modifiers);
                return mayChange;
            }
            case 9:
                what = "profile save" + where;
                platform.messageAnswers = {MsgResult::Yes};
                platform.fileDialogAnswers = {Pick(3) == 0 ? std::string() : tree.Path("session.lvp")};
                Menu(form.Mnu_S_Lvp);
                return 0;
            case 10: {
                const char* profiles[] = {"session.lvp", "vieux.lvp", "absent.lvp"};
                what = "profile load" + where;
                platform.fileDialogAnswers = {tree.Path(profiles[Pick(3)])};
                Menu(form.Mnu_L_Lvp);
                return 1u << 2;
            }
            default:
                what = (Pick(2) == 0 ? "GO" : "export") + where;
                platform.fileDialogAnswers = {tree.Path("export.bat")};
                Menu(what[0] == 'G' ? form.MnuExecuter : form.Mnu_S_Batch);
                return 0;
        }
    }

    std::mt19937 random{[] {
        const char* seed = std::getenv("LORVANE_SESSION_SEED");
        return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261206u;
    }()};
};

TEST_F(RandomSessionTest, TenThousandActions) {
    const char* count = std::getenv("LORVANE_SESSION_ACTIONS");
    const int actions = count != nullptr ? std::atoi(count) : 10000;
    int done = 0, builderRuns = 0;
    std::set<std::string> kinds;
    form.OnFaireCmd = [&](const std::string&) { ++builderRuns; };
    bool lineEditedByHand = false;  // until the next recomposition, the hand edit stays
    for (; done < actions && !HasFailure(); ++done) {
        const std::array<std::string, 4> before = {Part(0), Part(1), Part(2), Part(3)};
        builderRuns = 0;
        std::string what;
        const unsigned mayChange = Act(what);
        kinds.insert(what.substr(0, what.find(':')));
        PumpPending(&window);
        SCOPED_TRACE("action " + std::to_string(done) + ": " + what);
        DWORD_PTR answer = 0;  // the window still answers
        ASSERT_NE(SendMessageTimeoutW(window.Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer), 0);
        for (std::size_t i = 0; i < 3; ++i)  // a box the action may change is only compared with itself
            EXPECT_EQ(Part(i), (mayChange & (1u << i)) != 0 ? Part(i) : before[i]) << "box " << i;
        const bool partsChanged = Part(0) != before[0] || Part(1) != before[1] || Part(2) != before[2];
        if ((mayChange & (1u << 3)) != 0 && Part(3) != before[3]) {
            lineEditedByHand = true;
        } else if (builderRuns > 0 || partsChanged || !lineEditedByHand) {
            lineEditedByHand = false;
            EXPECT_EQ(Part(3), "XCOPY " + Part(0) + " " + Part(1) + " " + Part(2));
        } else {
            EXPECT_EQ(Part(3), before[3]);  // nothing recomposed it: the hand edit is still there
        }
        EXPECT_EQ(TextOf(Hwnd(form.TxtCmd[3])), Part(3));  // the screen shows the model
    }
    std::printf("random session: %d actions run, %zu kinds\n", done, kinds.size());
    EXPECT_EQ(done, actions);
}

}  // namespace
}  // namespace lorvane::win32::testing
