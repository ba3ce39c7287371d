#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/frm_xcopy.h"
#include "batch/run_batch.h"
#include "ui_support.h"
#include "window_fixture.h"
#include "win32/input_box.h"
#include "win32/main_window.h"

namespace lorvane::win32 {
namespace {

using namespace testing;

// The tree each test of the window starts in.
void SampleTree(const TempTree& tree) {
    tree.Folder("a b");
    tree.File("a b\\dedans.txt");
    tree.Folder("R&D");
    tree.Folder("Été");
    tree.File("x.txt");
    tree.File("y z.txt");
}

class MainWindowTest : public WindowTest {
protected:
    MainWindowTest() : WindowTest(SampleTree) {}
};

TEST_F(MainWindowTest, StartsInItsFolderWithTheDefaultSwitches) {
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS)");
    const std::string part = Root() + ". ";
    EXPECT_EQ(Shown(form.TxtCmd[0]), part);
    EXPECT_EQ(Shown(form.TxtCmd[1]), part);
    EXPECT_EQ(Shown(form.TxtCmd[2]), "/S /E /C /H /Y ");
    EXPECT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + part + " " + part + " /S /E /C /H /Y ");
    for (int i = 0; i < kSwitchCount; ++i) {
        EXPECT_EQ(Ticked(form.Check1[static_cast<std::size_t>(i)]),
                  kSwitchTable[static_cast<std::size_t>(i)].tickedAtStart)
            << i;
        EXPECT_EQ(Shown(form.Label3[static_cast<std::size_t>(i)]),
                  kSwitchTable[static_cast<std::size_t>(i)].description);
    }
    EXPECT_TRUE(Ticked(form.Option1[0]) && Ticked(form.Option2[0]));
    EXPECT_FALSE(Ticked(form.Option1[1]) || Ticked(form.Option1[2]) || Ticked(form.Option2[1]));
    // Activation may come a moment after the window shows, from the display server.
    EXPECT_TRUE(PumpUntil(window, [this] { return GetFocus() == Hwnd(form.ChkSource); }, 3000));
    EXPECT_TRUE(MenuEnabled(window, form.MnuColler));
    EXPECT_FALSE(MenuChecked(window, form.mnu_s_activite));
    EXPECT_EQ(form.Dir1.Path(), tree.Root());

    const auto folders = Entries(form.Dir1);
    ASSERT_GE(folders.size(), 4u);
    EXPECT_EQ(folders.front(), Root());
    EXPECT_EQ(std::vector<std::string>(folders.end() - 3, folders.end()),
              (std::vector<std::string>{"a b", "R&D", "Été"}));
    EXPECT_EQ(Entries(form.File2), (std::vector<std::string>{"x.txt", "y z.txt"}));
}

TEST_F(MainWindowTest, ControlsStandWhereTheTwipsPutThemAndStayOnResize) {
    const PixelScale scale(ScreenDpi());
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, scale.Pixels(10425));
    EXPECT_EQ(client.bottom, scale.Pixels(7785));

    RECT frame{}, work{};
    GetWindowRect(window.Handle(), &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 2);

    auto placeOf = [&](const Control& control) {
        RECT rect{};
        GetWindowRect(Hwnd(control), &rect);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT lastSwitch = placeOf(form.Check1[kSwitchN]);
    EXPECT_EQ(lastSwitch.left, scale.Pixels(5760 + 120));
    EXPECT_EQ(lastSwitch.top, scale.Pixels(4800));
    const RECT dateLabel = placeOf(form.Label3[kSwitchD]);
    EXPECT_EQ(dateLabel.right - dateLabel.left, scale.Pixels(4005) - scale.Pixels(0));
    const RECT go = placeOf(form.Command1);
    EXPECT_EQ(go.left, scale.Pixels(9240));
    EXPECT_EQ(go.top, scale.Pixels(5160 + 1680));

    SetWindowPos(window.Handle(), nullptr, 0, 0, 1000, 800, SWP_NOMOVE | SWP_NOZORDER);
    PumpPending(window);
    const RECT after = placeOf(form.Check1[kSwitchN]);
    EXPECT_EQ(after.left, lastSwitch.left);
    EXPECT_EQ(after.top, lastSwitch.top);
}

// Keys posted to the focused control pass through the window's own message loop, as typed.
TEST_F(MainWindowTest, KeyboardTabOrderBothWaysEnterAndEscape) {
    std::vector<const Control*> order = {&form.ChkSource, &form.Drive1, &form.Dir1, &form.File1,
                                         &form.File2,     &form.Dir2,   &form.Drive2, &form.ChkDestination,
                                         &form.Option1[0], &form.Option2[0]};
    for (const CheckBox& box : form.Check1) order.push_back(&box);
    for (int i = 0; i < 3; ++i) order.push_back(&form.TxtCmd[static_cast<std::size_t>(i)]);
    order.push_back(&form.Command1);
    ASSERT_TRUE(PumpUntil(window, [this] { return GetFocus() == Hwnd(form.ChkSource); }, 3000));
    const std::string line = Shown(form.TxtCmd[3]);

    // Forward from every stop, Escape and Enter changing nothing on the way (but on GO).
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] != &form.Command1) {
            PressKey(window, VK_ESCAPE);
            PressKey(window, VK_RETURN);
        }
        ASSERT_TRUE(IsWindow(window.Handle())) << "stop " << i;
        EXPECT_EQ(GetFocus(), Hwnd(*order[i])) << "stop " << i;
        PressKey(window, VK_TAB);
    }
    EXPECT_EQ(GetFocus(), Hwnd(form.ChkSource));  // round again, past the full line box
    for (std::size_t i = order.size(); i > 0; --i) {
        PressKey(window, VK_TAB, kShift);
        EXPECT_EQ(GetFocus(), Hwnd(*order[i - 1])) << "back to stop " << i - 1;
    }
    EXPECT_EQ(Shown(form.TxtCmd[3]), line);
    EXPECT_EQ(form.TxtCmd[3].Text(), line);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(Ticked(form.ChkSource) || Ticked(form.Check1[kSwitchA]));

    // The full line box, reached by the mouse, gives Tab on to the first stop.
    ClickAt(Hwnd(form.TxtCmd[3]), 2, 4);
    PressKey(window, VK_ESCAPE);
    PressKey(window, VK_RETURN);
    EXPECT_EQ(Shown(form.TxtCmd[3]), line);
    PressKey(window, VK_TAB);
    EXPECT_EQ(GetFocus(), Hwnd(form.ChkSource));

    // Enter on GO presses it, as Space does: the question comes.
    PressKey(window, VK_TAB, kShift);
    platform.messageAnswers = {MsgResult::No};
    PressKey(window, VK_RETURN);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "\xB0Lorvane\xB0");
}

// The shortcuts act from inside each of the four boxes, on that box.
TEST_F(MainWindowTest, ShortcutsFromInsideEachBox) {
    for (std::size_t box = 0; box < 4; ++box) {
        ClickAt(Hwnd(form.TxtCmd[box]), 2, 4);
        PressKey(window, 'A', kCtrl);
        EXPECT_EQ(form.TxtCmd[box].SelText(), form.TxtCmd[box].Text()) << box;
        PressKey(window, VK_F1);
        EXPECT_EQ(platform.shellOpens.size(), box + 1) << box;
        PressKey(window, 'T', kCtrl);
        EXPECT_EQ(MenuChecked(window, form.mnu_s_activite), box % 2 == 0) << box;
    }
    ASSERT_EQ(platform.messages.size(), 2u);  // recording switched on twice
    EXPECT_EQ(platform.messages[0].title, "Lorvane : enregistrement de l'activit\xE9");
    EXPECT_EQ(Shown(form.TxtCmd[0]), Root() + ". ");  // no key reached a box
}

TEST_F(MainWindowTest, TheEndOfTheSessionRunsTheUnload) {
    const std::string cmd = InProgramFolder(platform.ProgramFolder(), kDeletedAtExitName);
    HANDLE file = CreateFileA(cmd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_NE(SendMessageA(window.Handle(), WM_QUERYENDSESSION, 0, 0), 0);
    SendMessageA(window.Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(GetFileAttributesA(cmd.c_str()), INVALID_FILE_ATTRIBUTES);
}

// The controls of one side and the part box they feed; both sides run the same tests.
struct SideUnderTest {
    const char* name;
    CheckBox& current;
    OptionGroup& level;
    DriveList& drive;
    DirList& dir;
    FileList& file;
    TextBox& part;
    TextBox& otherPart;
    std::string folderLevel;  // how the folder level ends: Wine's XCOPY asks of "\*.*"
};

class BothSidesTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    SideUnderTest Side() {
        if (GetParam() == 0) {
            return {"source", form.ChkSource, form.Option1, form.Drive1, form.Dir1, form.File1,
                    form.TxtCmd[0], form.TxtCmd[1], "\\*.*"};
        }
        return {"destination", form.ChkDestination, form.Option2, form.Drive2, form.Dir2, form.File2,
                form.TxtCmd[1], form.TxtCmd[0], platform.XcopyTakesWildcardDestinationAsFolder() ? "\\*.*" : "\\"};
    }
};

TEST_P(BothSidesTest, LevelButtonsAndTheCurrentFolderBox) {
    const SideUnderTest side = Side();
    Click(side.level[1]);
    EXPECT_EQ(Shown(side.part), tree.Root() + side.folderLevel + " ");
    EXPECT_TRUE(Ticked(side.level[1]));
    EXPECT_FALSE(Ticked(side.level[0]));
    EXPECT_EQ(side.level[1].BackColor(), kBlue);
    EXPECT_EQ(side.level[2].BackColor(), kButtonFace);

    Click(side.current);
    EXPECT_EQ(Shown(side.part), ". ");
    for (const Control* control : {static_cast<Control*>(&side.drive), static_cast<Control*>(&side.dir),
                                   static_cast<Control*>(&side.file), static_cast<Control*>(&side.level[2])}) {
        EXPECT_FALSE(IsWindowEnabled(Hwnd(*control)));
    }
    Click(side.current);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(side.dir)));
    EXPECT_EQ(Shown(side.part), tree.Root() + side.folderLevel + " ");
    EXPECT_EQ(Shown(side.otherPart), Root() + ". ");  // the other side untouched
}

TEST_P(BothSidesTest, OpeningAFolderAndClickingAFile) {
    const SideUnderTest side = Side();
    DoubleClickListItem(Hwnd(side.dir), IndexOf(side.dir, "a b"));
    ASSERT_TRUE(ListsLoaded());
    EXPECT_EQ(side.dir.Path(), tree.Path("a b"));
    EXPECT_EQ(Shown(side.part), "\"" + tree.Path("a b") + side.folderLevel + "\" ");
    EXPECT_EQ(Entries(side.file), std::vector<std::string>{"dedans.txt"});
    EXPECT_TRUE(Ticked(side.level[1]));

    ClickListItem(Hwnd(side.file), 0);
    EXPECT_TRUE(Ticked(side.level[2]));
    EXPECT_EQ(Shown(side.part), "\"" + tree.Path("a b\\dedans.txt") + "\" ");

    // A single click in the folder list chooses the open folder, not the entry clicked.
    ClickListItem(Hwnd(side.dir), 0);
    EXPECT_EQ(side.dir.Path(), tree.Path("a b"));
    EXPECT_TRUE(Ticked(side.level[1]));
    EXPECT_EQ(Shown(side.part), "\"" + tree.Path("a b") + side.folderLevel + "\" ");
    EXPECT_EQ(Shown(side.otherPart), Root() + ". ");
}

TEST_P(BothSidesTest, ChoosingADriveAndADriveThatCannotBeRead) {
    const SideUnderTest side = Side();
    HWND drives = Hwnd(side.drive);
    ASSERT_GE(SendMessageA(drives, CB_GETCOUNT, 0, 0), 2);  // Wine gives C: and Z: at least
    const std::string start = side.drive.Drive();
    SetFocus(drives);
    // The last drive differs from the first, where the temporary tree lies.
    SendMessageA(drives, WM_KEYDOWN, VK_END, 0);
    PumpPending(window);
    ASSERT_TRUE(ListsLoaded());
    const std::string chosen = side.drive.Drive();
    ASSERT_NE(chosen, start);
    EXPECT_EQ(side.dir.Path().substr(0, 2), chosen);
    EXPECT_EQ(Shown(side.part), side.dir.Path().substr(0, 3) + ". ");
    EXPECT_TRUE(Ticked(side.level[0]));

    platform.unreadable.insert(start);
    SendMessageA(drives, WM_KEYDOWN, VK_HOME, 0);
    PumpPending(window);
    EXPECT_EQ(side.drive.Drive(), chosen);  // back where the lists are
    const std::string lower = {static_cast<char>(chosen[0] - 'A' + 'a'), ':'};
    EXPECT_EQ(TextOf(drives).substr(0, 2), lower);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(Shown(side.part), side.dir.Path().substr(0, 3) + ". ");
    EXPECT_EQ(Shown(side.otherPart), Root() + ". ");
}

INSTANTIATE_TEST_SUITE_P(SourceAndDestination, BothSidesTest, ::testing::Values(0, 1));

TEST_F(MainWindowTest, AFolderGoneMeanwhileKeepsTheListingAndSaysSo) {
    const int entries = static_cast<int>(Entries(form.Dir1).size());
    ASSERT_TRUE(RemoveDirectoryA(tree.Path("R&D").c_str()));
    DoubleClickListItem(Hwnd(form.Dir1), IndexOf(form.Dir1, "R&D"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Lorvane : dossier inaccessible");
    EXPECT_EQ(form.Dir1.Path(), tree.Root());
    EXPECT_EQ(static_cast<int>(Entries(form.Dir1).size()), entries);
}

TEST_F(MainWindowTest, TypingAndMouseSelectionInTheCommandBoxes) {
    HWND destination = Hwnd(form.TxtCmd[1]);
    SetFocus(destination);
    SendMessageA(destination, EM_SETSEL, 0, -1);
    TypeText(destination, "D:\\ ");
    EXPECT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + Root() + ".  D:\\  /S /E /C /H /Y ");
    EXPECT_EQ(Shown(form.TxtCmd[0]), Root() + ". ");

    HWND full = Hwnd(form.TxtCmd[3]);
    DragSelect(full, 0, 5);
    PumpPending(window);
    EXPECT_EQ(form.TxtCmd[3].SelText(), "XCOPY");
    EXPECT_TRUE(MenuEnabled(window, form.MnuCouper));
    EXPECT_TRUE(MenuEnabled(window, form.MnuCopier));

    ClickAt(full, 2, 4);  // a click leaves no selection
    EXPECT_FALSE(MenuEnabled(window, form.MnuCouper));
    EXPECT_FALSE(MenuEnabled(window, form.MnuCopier));
    SendMessageA(full, EM_SETSEL, 0, 5);  // the keyboard's selection changes nothing
    PumpPending(window);
    EXPECT_FALSE(MenuEnabled(window, form.MnuCopier));
    EXPECT_TRUE(MenuEnabled(window, form.MnuColler));
}

TEST_F(MainWindowTest, ConflictQuestionInARealMessageBox) {
    Menu(form.mnu_s_activite);
    platform.realMessageBoxes = true;
    DialogAnswerer answer("Enregistrement d'activit\xE9 : incompatibilit\xE9",
                          [](HWND box) { PostMessageA(box, WM_COMMAND, IDNO, 0); });
    Click(form.Check1[kSwitchP]);
    EXPECT_TRUE(answer.Answered());
    EXPECT_NE(answer.SeenText().find("( /P  Avertit avant de cr\xE9" "er chaque fichier destination. )"),
              std::string::npos);
    EXPECT_FALSE(Ticked(form.Check1[kSwitchP]));  // No: the switch goes
    EXPECT_TRUE(MenuChecked(window, form.mnu_s_activite));
    EXPECT_EQ(Shown(form.TxtCmd[2]), "/S /E /C /H /Y ");
}

// An answer typed in the order of the user's regional settings.
std::string LocalDate(int day, int month, int year) {
    char order[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, sizeof order);
    char text[32];
    if (order[0] == '0') {
        std::snprintf(text, sizeof text, "%d/%d/%d", month, day, year);
    } else if (order[0] == '2') {
        std::snprintf(text, sizeof text, "%d/%d/%d", year, month, day);
    } else {
        std::snprintf(text, sizeof text, "%d/%d/%d", day, month, year);
    }
    return text;
}

TEST_F(MainWindowTest, DateQuestionInTheRealInputBox) {
    platform.realInputBox = true;
    {
        const std::string typed = LocalDate(25, 12, 2003);
        std::string buttons;
        DialogAnswerer answer("Entrez une date", [typed, &buttons](HWND box) {
            buttons = TextOf(GetDlgItem(box, IDOK)) + "|" + TextOf(GetDlgItem(box, IDCANCEL));
            HWND edit = GetDlgItem(box, kInputBoxEditId);
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
            PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);  // Enter accepts
        });
        Click(form.Check1[kSwitchD]);
        EXPECT_TRUE(answer.Answered());
        EXPECT_NE(answer.SeenText().find("Vous avez coch\xE9 le choix \xAB" "DATE\xBB"), std::string::npos);
        EXPECT_EQ(buttons, "OK|Annuler");
    }
    EXPECT_EQ(Shown(form.TxtCmd[2]), "/D:25/12/2003  /S /E /C /H /Y ");

    Click(form.Check1[kSwitchD]);
    {
        DialogAnswerer answer("Entrez une date", [](HWND box) {
            HWND edit = GetDlgItem(box, kInputBoxEditId);
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1/1/2001"));
            PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);  // Esc cancels: no date
        });
        Click(form.Check1[kSwitchD]);
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_TRUE(Ticked(form.Check1[kSwitchD]));
    EXPECT_EQ(Shown(form.TxtCmd[2]), "/D  /S /E /C /H /Y ");
}

}  // namespace
}  // namespace lorvane::win32
