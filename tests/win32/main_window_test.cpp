#include "window_fixture.h"

#include <commctrl.h>

#include "about/about_layout.h"
#include "about/about_texts.h"
#include "app/window_layout.h"
#include "app/window_texts.h"
#include "batch/batch_texts.h"
#include "rules/rules_texts.h"
#include "win32/message_filter.h"
#include "win32/win32_texts.h"

namespace lorvane::win32::testing {
namespace {

class MainWindowTest : public WindowTest {
protected:
    MainWindowTest()
        : WindowTest([](const TempTree& tree) {
              tree.Add({"a b\\", "a b\\żółw.txt", "x.txt", "foo\\", "foo.\\", "foo.\\point.txt"});
          }) {}
};

// A start folder on a local disk shows in the window's first paint; one bigger than a read of the system gives at once
// comes whole just after, each name once and in order.
class StartFolderTest : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    StartFolderTest()
        : WindowTest([](const TempTree& tree) {
              tree.Add({"sous\\", "b.txt"});
              for (int i = 0; i < GetParam(); ++i) tree.File(LongName(i));
          }) {}
    static std::string LongName(int i) { return "un nom de fichier assez long " + std::to_string(10000 + i) + ".txt"; }
    void SetUp() override { ASSERT_TRUE(entered); }  // the test makes the window
};

TEST_P(StartFolderTest, ListedInTheFirstPaintOrWholeJustAfter) {
    ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    EXPECT_EQ(window.ListView(form.File2)->Loading(), GetParam() > 0);  // nothing pumped yet
    ASSERT_TRUE(ListsLoaded());
    std::vector<std::string> files{"b.txt"};
    for (int i = 0; i < GetParam(); ++i) files.push_back(LongName(i));
    EXPECT_EQ(std::tuple(Entries(form.File1), Entries(form.File2), Entries(form.Dir1).back()),
              std::tuple(files, files, "sous"));
}

INSTANTIATE_TEST_SUITE_P(SmallOrBig, StartFolderTest, ::testing::Values(0, 1500));

TEST_F(MainWindowTest, StartsAtItsSizeAndTakesDrops) {
    RECT client{};
    GetClientRect(window.Handle(), &client);
    const RECT area = PixelScale(ScreenDpi()).Rect(MainClientArea(MainWindowLayout(form)));
    EXPECT_EQ(std::tuple(client.right, client.bottom), std::tuple(area.right - area.left, area.bottom - area.top));

    DropOn(window.Handle(), Hwnd(form.Dir2), {tree.Path("a b")});
    ASSERT_TRUE(PumpUntil([this] { return form.Dir2.Path() == tree.Path("a b"); }));
    DropOn(window.Handle(), Hwnd(form.TxtCmd[0]), {tree.Path("a b\\żółw.txt"), tree.Path("x.txt")});
    ASSERT_TRUE(PumpUntil([this] { return form.File1.FileName() == "żółw.txt"; }));
    EXPECT_EQ(std::tuple(Levels(form.Option2), Shown(form.TxtCmd[0]), platform.beeps),
              std::tuple("010", "\"" + tree.Path("a b\\żółw.txt") + "\" ", 1));
    const std::string line = Shown(form.TxtCmd[3]);
    DropOn(window.Handle(), Hwnd(form.Check1[kSwitchA]), {tree.Path("x.txt")});  // on no side: a beep alone
    ASSERT_TRUE(PumpUntil([this] { return platform.beeps == 2; }));
    EXPECT_EQ(std::tuple(Shown(form.TxtCmd[3]), platform.messages.size()), std::tuple(line, 0u));
}

// Whatever the code pages, each text reads back through the wide functions (tick boxes and level buttons have none).
TEST_F(MainWindowTest, EveryTextReadsBackAsTheModelWritesIt) {
    Menu(form.MnuApropos);
    ASSERT_NE(window.About(), nullptr);
    std::vector<std::pair<HWND, const Label*>> texts = {
        {window.Handle(), &form.Caption},
        {GetParent(window.About()->ControlHandle(form.About->cmdOK)), &form.About->Caption}};
    for (const bool about : {false, true})
        for (const LayoutEntry& entry : about ? AboutWindowLayout(*form.About) : MainWindowLayout(form))
            if (entry.kind < ControlKind::CheckBox || entry.kind >= ControlKind::Button)
                texts.emplace_back(about ? window.About()->ControlHandle(*entry.control) : Hwnd(*entry.control),
                                   static_cast<const Label*>(entry.control));
    ASSERT_EQ(texts.size(), 19u + kSwitchCount);
    for (const auto& [hwnd, label] : texts) EXPECT_EQ(TextOf(hwnd), label->Caption()) << GetDlgCtrlID(hwnd);
    // A tick box shows each of its states, the grey one a profile may hold included.
    for (const auto& [state, shown] : {std::pair{2, BST_INDETERMINATE}, {1, BST_CHECKED}, {0, BST_UNCHECKED}}) {
        form.Check1[kSwitchN].SetValue(state);
        EXPECT_EQ(SendMessageW(Hwnd(form.Check1[kSwitchN]), BM_GETCHECK, 0, 0), shown) << state;
    }

    // The menu depth first, as its table lists the items; a shortcut follows its caption after a tab.
    std::vector<std::string> items;
    std::function<void(HMENU)> walk = [&](HMENU menu) {
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            items.push_back(ToUtf8(text).substr(0, ToUtf8(text).find('\t')));
            if (HMENU submenu = GetSubMenu(menu, i)) walk(submenu);
        }
    };
    walk(window.Menu().Handle());
    ASSERT_EQ(items.size(), kMainMenu.size());
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i], (form.*kMainMenu[i].item).Caption()) << i;
}

TEST_F(MainWindowTest, KeyboardTabOrderBothWaysEnterEscapeAndTheShortcutsInEachBox) {
    std::vector<const Control*> order;  // as the layout lists them: the host tests pin that order
    for (const LayoutEntry& entry : MainWindowLayout(form))
        if (entry.tabStop) order.push_back(entry.control);
    ASSERT_TRUE(PumpUntil([this] { return GetFocus() == Hwnd(form.ChkSource); }, 3000));  // activation comes late
    const std::string line = Shown(form.TxtCmd[3]);

    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] != &form.Command1)
            for (UINT key : {VK_ESCAPE, VK_RETURN}) PressKey(window, key);
        EXPECT_EQ(GetFocus(), Hwnd(*order[i])) << "stop " << i;
        PressKey(window, VK_TAB, kShift);
        EXPECT_EQ(GetFocus(), Hwnd(*order[(i + order.size() - 1) % order.size()])) << "back from stop " << i;
        for (int ahead = 0; ahead < 2; ++ahead) PressKey(window, VK_TAB);
    }
    EXPECT_EQ(GetFocus(), Hwnd(form.ChkSource));  // round again, past the full line box
    EXPECT_EQ(std::tuple(Shown(form.TxtCmd[3]), platform.messages.size()), std::tuple(line, 0u));

    PressKey(window, VK_TAB, kShift);
    PressKey(window, VK_RETURN);  // GO: the first line would copy the drive into itself
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, texts::kCopyRefusedTitle);

    PressKey(window, 0, kCtrl);  // no key: nothing happens
    for (std::size_t box = 0; box < 4; ++box) {
        ClickAt(Hwnd(form.TxtCmd[box]), 2, 4);
        PressKey(window, 'A', kCtrl);
        EXPECT_EQ(form.TxtCmd[box].SelText(), form.TxtCmd[box].Text()) << box;
        PressKey(window, VK_F1);
        PressKey(window, 'T', kCtrl);
        EXPECT_EQ(MenuChecked(form.mnu_s_activite), box % 2 == 0) << box;
    }
    EXPECT_EQ(platform.shellOpens, std::vector(4, std::pair(std::string("lorvane.html"), platform.ProgramFolder())));
    ASSERT_EQ(platform.messages.size(), 3u);          // recording switched on twice
    EXPECT_EQ(Shown(form.TxtCmd[0]), Root() + ". ");  // no key reached a box
}

// The help is made at the first hover and the names at a reader's first question, not at start. Screen readers name a
// control without text by the label just before it.
TEST_F(MainWindowTest, HelpTipsAndNamesForScreenReaders) {
    EXPECT_EQ(std::tuple(window.HelpTips(), window.AccessibleNamesGiven()), std::tuple(HWND{}, false));
    SendMessageW(window.Handle(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    EXPECT_TRUE(window.AccessibleNamesGiven());    PostMessageW(Hwnd(form.Label3[kSwitchY]), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PumpPending(&window);
    HWND tips = window.HelpTips();
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2 * kSwitchCount + 6);
    wchar_t text[512] = {};
    HWND label = Hwnd(form.Label3[kSwitchY]);
    TTTOOLINFOW tool{sizeof tool, 0, window.Handle(), reinterpret_cast<UINT_PTR>(label), {}, nullptr, text, 0, nullptr};
    SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(ToUtf8(text), kSwitchTable[kSwitchY].help);

    // The z-order is the layout's order, where the host tests pin each label just before its control.
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    for (std::size_t i = 1; i < layout.size(); ++i)
        EXPECT_EQ(GetWindow(Hwnd(*layout[i].control), GW_HWNDPREV), Hwnd(*layout[i - 1].control)) << layout[i].id;
}

class BothSidesTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    const bool source = GetParam() == 0;
    OptionGroup& level = source ? form.Option1 : form.Option2;
    DriveList& drive = source ? form.Drive1 : form.Drive2;
    DirList& dir = source ? form.Dir1 : form.Dir2;
    FileList& file = source ? form.File1 : form.File2;
    // How the folder level ends: Wine's XCOPY asks of "\*.*".
    const std::string folderLevel = source || platform.XcopyTakesWildcardDestinationAsFolder() ? "\\*.*" : "\\";
    auto Side() const { return std::tuple(dir.Path(), Levels(level), Shown(form.TxtCmd[source ? 0 : 1])); }
};

TEST_P(BothSidesTest, LevelsCurrentFolderBoxFoldersAndFiles) {
    // The names of a side turned off stand grey; the picked file stands in the highlight's colours.
    auto firstFile = [this](int color) {
        RECT item{};
        SendMessageW(Hwnd(file), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
        return PaintedIn(Hwnd(file), item, GetSysColor(color));
    };
    EXPECT_EQ(Shown(drive), "c:");
    Click(source ? form.ChkSource : form.ChkDestination);
    for (HWND control : {Hwnd(drive), Hwnd(dir), Hwnd(file), Hwnd(level[2])}) EXPECT_FALSE(IsWindowEnabled(control));
    EXPECT_EQ(std::tuple(firstFile(COLOR_GRAYTEXT), firstFile(COLOR_WINDOWTEXT)), std::tuple(true, false));
    Click(source ? form.ChkSource : form.ChkDestination);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(dir)));

    // "foo." would reach the system as "foo", its sibling: it opens by its short name.
    DoubleClickEntry(dir, "foo.");
    ASSERT_TRUE(ListsLoaded());
    EXPECT_EQ(std::tuple(Entries(file), dir.Path() == tree.Path("foo"), dir.Path().rfind(tree.Root(), 0)),
              std::tuple(std::vector<std::string>{"point.txt"}, false, 0u));
    SetFocus(Hwnd(dir));
    PressKey(window, VK_BACK);
    ASSERT_TRUE(PumpUntil([&] { return dir.Path() == tree.Root(); }) && ListsLoaded());
    DoubleClickEntry(dir, "a b");
    ASSERT_TRUE(ListsLoaded());
    ClickListItem(Hwnd(file), 0);
    EXPECT_EQ(Side(), std::tuple(tree.Path("a b"), "001", "\"" + tree.Path("a b\\żółw.txt") + "\" "));
    EXPECT_EQ(std::tuple(firstFile(COLOR_HIGHLIGHT), firstFile(COLOR_HIGHLIGHTTEXT), firstFile(COLOR_WINDOWTEXT)),
              std::tuple(true, true, false));
    ClickListItem(Hwnd(dir), 0);  // a single click chooses the open folder, not the entry clicked
    EXPECT_EQ(Side(), std::tuple(tree.Path("a b"), "010", "\"" + tree.Path("a b") + folderLevel + "\" "));
    // The levels up to the one chosen stand in blue, the others in the window's face.
    for (const auto& [option, color] : {std::pair{1, RGB(0, 0, 255)}, std::pair{2, GetSysColor(COLOR_BTNFACE)}}) {
        HWND shown = Hwnd(level[option]);
        RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(shown);
        EXPECT_EQ(GetPixel(dc, 1, 1), color) << option;
        ReleaseDC(shown, dc);
    }

    // A drive chosen by its letter in the open list: the side goes there at once.
    SetFocus(Hwnd(drive));
    PressKey(window, VK_F4);
    PressKey(window, 'Z');
    EXPECT_TRUE(PumpUntil([&] { return dir.Path().rfind("Z:\\", 0) == 0; }) && ListsLoaded()) << dir.Path();
    PressKey(window, VK_RETURN);
    EXPECT_EQ(Shown(drive), "z:");

    EXPECT_EQ(Shown(form.TxtCmd[source ? 1 : 0]), Root() + ". ");  // the other side untouched throughout
}

INSTANTIATE_TEST_SUITE_P(SourceAndDestination, BothSidesTest, ::testing::Values(0, 1));

TEST_F(MainWindowTest, TypingSelectionAndTheEditMenu) {
    HWND full = Hwnd(form.TxtCmd[3]);
    DragSelect(full, 0, 5);
    PumpPending(&window);
    EXPECT_EQ(std::tuple(MenuEnabled(form.MnuCouper), MenuEnabled(form.MnuCopier)), std::tuple(true, true));
    PressKey(window, 'C', kCtrl);
    EXPECT_EQ(Clipboard(), "XCOPY");

    SetFocus(Hwnd(form.TxtCmd[2]));
    for (UINT key : {'A', 'X'}) PressKey(window, key, kCtrl);
    const std::string sides = "XCOPY " + Root() + ".  " + Root() + ".  ", twice = "/S /E /C /H /Y /S /E /C /H /Y ";
    EXPECT_EQ(std::tuple(Clipboard(), Shown(form.TxtCmd[3])), std::tuple("/S /E /C /H /Y ", sides));
    for (int paste = 0; paste < 2; ++paste) PressKey(window, 'V', kCtrl);  // the second at the caret, after the first
    EXPECT_EQ(std::tuple(Shown(form.TxtCmd[2]), Shown(form.TxtCmd[3])), std::tuple(twice, sides + twice));
    // Any button let go over a box, with nothing selected there, greys them again.
    PostMessageW(Hwnd(form.TxtCmd[2]), WM_MBUTTONUP, 0, MAKELPARAM(4, 4));
    PumpPending(&window);
    EXPECT_EQ(std::tuple(MenuEnabled(form.MnuCouper), MenuEnabled(form.MnuCopier)), std::tuple(false, false));
}

TEST_F(MainWindowTest, ConflictQuestionInARealMessageBoxAndDateQuestionInTheRealInputBox) {
    Menu(form.mnu_s_activite);
    platform.realDialogs = true;
    DialogAnswerer conflict(window.Handle(), Dialog::Message, IDNO);
    Click(form.Check1[kSwitchP]);
    EXPECT_EQ(conflict.SeenTitle(), texts::kConflictTitle);
    EXPECT_EQ(std::tuple(Ticked(form.Check1[kSwitchP]), MenuChecked(form.mnu_s_activite), Shown(form.TxtCmd[2])),
              std::tuple(false, true, "/S /E /C /H /Y "));  // No: the switch goes, the recording stays

    const std::tuple<std::string, WPARAM, std::string> answers[] = {
        {ChristmasAsTheUserWritesIt(), VK_RETURN, ChristmasAsXcopyReadsIt() + " /S /E /C /H /Y "},
        {"1/1/2001", VK_ESCAPE, "/D  /S /E /C /H /Y "}};
    for (const auto& [typed, key, switches] : answers) {
        if (Ticked(form.Check1[kSwitchD])) Click(form.Check1[kSwitchD]);
        std::string buttons;
        DialogAnswerer answer(window.Handle(), Dialog::Input, [&](HWND box) {
            buttons = TextOf(GetDlgItem(box, IDOK)) + "|" + TextOf(GetDlgItem(box, IDCANCEL));
            SetDlgItemTextW(box, kInputBoxEditId, ToUtf16(typed).c_str());
            PostMessageW(GetDlgItem(box, kInputBoxEditId), WM_KEYDOWN, key, 1);
        });
        Click(form.Check1[kSwitchD]);
        ASSERT_EQ(std::tuple(answer.SeenTitle(), answer.SeenText()), std::tuple(texts::kDateTitle, texts::kDatePrompt));
        EXPECT_EQ(std::tuple(buttons, Ticked(form.Check1[kSwitchD]), Shown(form.TxtCmd[2])),
                  std::tuple(std::string(kInputBoxOk) + "|" + kInputBoxCancel, true, switches));
    }
    // A proposed answer comes selected whole: what the user types replaces it.
    DialogAnswerer typedOver(window.Handle(), Dialog::Input, [](HWND box) {
        for (const WPARAM key : {WPARAM{'2'}, WPARAM{'5'}}) PostMessageW(GetDlgItem(box, kInputBoxEditId), WM_CHAR, key, 1);
        PostMessageW(GetDlgItem(box, kInputBoxEditId), WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(platform.InputBox(texts::kDatePrompt, texts::kDateTitle, "12/12/2012"), "25");
}

TEST_F(MainWindowTest, OneAboutWindowEnterClosesItAndTheSystemInformationGoesOverIt) {
    auto inAbout = [this](const Control& control) { return window.About()->ControlHandle(control); };
    PumpPending(&window);
    const int quitsBefore = quitMessagesSeen;
    Menu(form.MnuApropos);
    ASSERT_TRUE(form.About);
    HWND closed = GetParent(inAbout(form.About->cmdOK));
    PostMessageW(inAbout(form.About->cmdOK), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(closed); }, 5000));
    Menu(form.MnuApropos);
    ASSERT_TRUE(form.About);
    EXPECT_EQ(quitMessagesSeen, quitsBefore);  // the main window keeps the program going

    // The pointer over the address becomes a hand, as over a link; over the title it stays as it was.
    for (const auto& [control, hand] : {std::pair<const Control*, bool>{&form.About->urlhttp, true},
                                        {&form.About->lblTitle, false}}) {
        RECT place{};
        GetWindowRect(inAbout(*control), &place);
        SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
        EXPECT_TRUE(PumpUntil([&] { return (GetCursor() == LoadCursorW(nullptr, IDC_HAND)) == hand; }, 3000)) << hand;
    }
    // A click on the address opens it, once; one on the title does nothing.
    for (const Control* clicked : std::initializer_list<const Control*>{&form.About->lblTitle, &form.About->urlhttp})
        ClickAt(inAbout(*clicked), 4, 4);
    EXPECT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_EQ(platform.shellOpens[0].first, texts::kMakerAddress);

    // The program the registry names starts, and nothing is said; one it names and the disk lacks gets one message,
    // modal to the About window.
    constexpr const char* kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    {
        const MachineValue present(kSysInfoKey, L"PATH", ToUtf8(system) + "\\clock.exe");
        ASSERT_TRUE(present.set);
        SendMessageW(inAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
        EXPECT_EQ(platform.messages.size(), 0u);
    }
    const MachineValue sysInfo(kSysInfoKey, L"PATH", tree.Path("absent.exe"));
    ASSERT_TRUE(sysInfo.set);
    platform.realDialogs = true;
    HWND aboutWindow = GetParent(inAbout(form.About->cmdSysInfo));
    RECT client{};
    GetClientRect(aboutWindow, &client);
    const RECT area = PixelScale(ScreenDpi()).Rect(kAboutClientArea);
    EXPECT_EQ(std::tuple(client.right, client.bottom), std::tuple(area.right - area.left, area.bottom - area.top));
    bool aboutEnabled = true;
    DialogAnswerer answer(aboutWindow, Dialog::Message, [&](HWND box) {
        aboutEnabled = IsWindowEnabled(aboutWindow) != 0;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SetForegroundWindow(aboutWindow);  // as the click on its button does first
    SendMessageW(inAbout(form.About->cmdSysInfo), BM_CLICK, 0, 0);
    ASSERT_EQ(std::tuple(answer.SeenTitle(), answer.SeenText(), aboutEnabled),
              std::tuple(kApplicationTitle, texts::kSysInfoUnavailable, false));

    // On a monitor at 200 %, laid out as a start there would have made it, fonts included.
    RECT suggested = PixelScale(192).Rect(kAboutClientArea);
    SendMessageW(aboutWindow, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    for (const LayoutEntry& entry : AboutWindowLayout(*form.About)) {
        const RECT expected = PixelScale(192).Rect(entry.place), placed = PlaceIn(aboutWindow, inAbout(*entry.control));
        LOGFONTW made{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(inAbout(*entry.control), WM_GETFONT, 0, 0)), sizeof made,
                   &made);
        EXPECT_EQ(std::tuple(placed.left, placed.top, placed.right, placed.bottom, made.lfHeight),
                  std::tuple(expected.left, expected.top, expected.right, expected.bottom,
                             PixelScale(192).FontHeight(entry.font.centiPoints)))
            << entry.id;
    }

    // Closing the main window ends the program, the About window with it.
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return quitMessagesSeen == quitsBefore + 1; }, 5000));
    EXPECT_EQ(std::tuple(IsWindow(aboutWindow), static_cast<bool>(form.About)), std::tuple(FALSE, false));
}

}  // namespace
}  // namespace lorvane::win32::testing
