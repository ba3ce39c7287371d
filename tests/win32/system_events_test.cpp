// What the system does to the window: monitors of other resolutions, drives that come and go, folders slow to answer.
#include "window_fixture.h"

#include <algorithm>
#include <dbt.h>

#include "app/window_layout.h"
#include "command/command_texts.h"
#include "win32/dpi.h"
#include "win32/win32_texts.h"

namespace lorvane::win32::testing {
namespace {

// The control's text as its own font draws it: a label as a static control wraps it (a word wider than the control
// widens the rectangle), any other on one line beside its tick box, round or edges.
SIZE Drawn(const LayoutEntry& entry, HWND control, int width) {
    const std::wstring text = ToUtf16(TextOf(control));
    const bool label = entry.kind == ControlKind::Label || entry.kind == ControlKind::RightLabel;
    HDC dc = GetDC(control);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT drawn{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &drawn, DT_CALCRECT | DT_NOPREFIX | (label ? DT_WORDBREAK : DT_SINGLELINE));
    const int margin = entry.kind == ControlKind::Frame ? 2 * MulDiv(7, GetDeviceCaps(dc, LOGPIXELSX), 96)
                       : entry.kind == ControlKind::CheckBox || entry.kind == ControlKind::OptionButton
                           ? GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE)
                       : entry.kind == ControlKind::Button ? 2 * GetSystemMetrics(SM_CXEDGE)
                                                           : 0;
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return text.empty() ? SIZE{} : SIZE{drawn.right + margin, drawn.bottom};
}

using DpiTest = WindowTest;

// At the start, then at 150 %, 200 %, 125 % and 100 % as the system says when the window reaches a monitor of that
// resolution, with the window's rectangle grown about its corner.
TEST_F(DpiTest, EachResolutionLaysTheWindowOutAsAStartThereWithEveryTextWhole) {
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    for (int dpi : {0, 144, 192, 120, 96}) {
        RECT now{}, suggested{};
        GetWindowRect(window.Handle(), &now);
        const auto oldFont = reinterpret_cast<HFONT>(SendMessageW(Hwnd(form.Command1), WM_GETFONT, 0, 0));
        if (dpi != 0) {
            suggested = PixelScale(dpi).Rect(MainClientArea(layout));
            EXPECT_TRUE(FrameAround(suggested, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, true, WS_EX_ACCEPTFILES, dpi));
            OffsetRect(&suggested, now.left - suggested.left, now.top - suggested.top);
            SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            PumpPending(&window);
            // The system keeps a window within the screen, smaller than the window at 200 % on a 1280 by 1024 display.
            suggested.right = std::min<LONG>(suggested.right, suggested.left + GetSystemMetrics(SM_CXMAXTRACK));
            suggested.bottom = std::min<LONG>(suggested.bottom, suggested.top + GetSystemMetrics(SM_CYMAXTRACK));
            GetWindowRect(window.Handle(), &now);
            EXPECT_TRUE(EqualRect(&now, &suggested))
                << dpi << " dpi: " << now.right - now.left << "x" << now.bottom - now.top;
            EXPECT_EQ(GetObjectType(oldFont), 0u) << dpi << " dpi: the fonts of the scale before are freed";
        }
        const PixelScale scale(dpi != 0 ? dpi : ScreenDpi());
        for (const LayoutEntry& entry : layout) {
            HWND control = Hwnd(*entry.control);
            RECT expected = scale.Rect(PlaceInWindow(entry, layout)), placed = PlaceIn(window.Handle(), control), box{};
            // A closed drive list is as high as the system makes it for its font.
            if (entry.kind == ControlKind::DriveList) placed.bottom = expected.bottom;
            LOGFONTW made{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof made, &made);
            GetClientRect(control, &box);
            const SIZE drawn = Drawn(entry, control, box.right);
            EXPECT_EQ(std::tuple(placed.left, placed.top, placed.right, placed.bottom, made.lfHeight),
                      std::tuple(expected.left, expected.top, expected.right, expected.bottom,
                                 scale.FontHeight(entry.font.centiPoints)))
                << dpi << " dpi, control " << entry.id;
            EXPECT_TRUE(drawn.cx <= box.right && drawn.cy <= box.bottom)
                << dpi << " dpi, " << TextOf(control) << ": " << drawn.cx << "x" << drawn.cy << " in " << box.right;
        }
    }
}

// How the window learns that the drives changed: as the system tells every window when a volume comes or goes (0), or
// as the user opens the first (1) or second (2) list with the keyboard, which the list then shows.
class DrivesTest : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    ~DrivesTest() override {
        if (defined) DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr);
    }
    std::vector<bool> Tell(UINT event) {
        if (GetParam() == 0) {
            DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << (letter[0] - L'A'), 0};
            SendMessageW(window.Handle(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
            PumpPending(&window);
            return {Offered(Hwnd(form.Drive1)), Offered(Hwnd(form.Drive2))};
        }
        HWND combo = Hwnd(GetParam() == 1 ? form.Drive1 : form.Drive2);
        SetFocus(combo);
        PressKey(window, VK_F4);
        EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
        const bool offeredOpened = Offered(combo);
        PressKey(window, VK_F4);
        if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        return {offeredOpened, Offered(combo)};
    }
    bool Offered(HWND combo) const {
        const std::wstring caption{static_cast<wchar_t>(letter[0] - L'A' + L'a'), L':'};
        return SendMessageW(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(caption.c_str())) != CB_ERR;
    }

    std::wstring letter;
    bool defined = false;
};

TEST_P(DrivesTest, ADriveThatComesIsOfferedAndOneThatGoesIsNotTheSelectedOneStaying) {
    // A letter no drive has, so that the test's drive is new to the window.
    for (wchar_t free = L'Y'; free >= L'Q' && letter.empty(); --free)
        if ((GetLogicalDrives() & (1u << (free - L'A'))) == 0) letter = std::wstring{free, L':'};
    ASSERT_FALSE(letter.empty());
    auto shown = [this] {
        return std::tuple(form.Drive1.Drive(), form.Drive2.Drive(), TextOf(Hwnd(form.Drive1)),
                          TextOf(Hwnd(form.Drive2)), form.Dir1.Path(), form.Dir2.Path());
    };
    const auto before = shown();
    ASSERT_FALSE(Offered(Hwnd(form.Drive1)));

    defined = DefineDosDeviceW(0, letter.c_str(), ToUtf16(tree.Root()).c_str()) != 0;
    ASSERT_TRUE(defined);
    for (const bool offered : Tell(DBT_DEVICEARRIVAL)) EXPECT_TRUE(offered);
    ASSERT_TRUE(DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr));
    defined = false;
    for (const bool offered : Tell(DBT_DEVICEREMOVECOMPLETE)) EXPECT_FALSE(offered);

    EXPECT_EQ(shown(), before);
}

INSTANTIATE_TEST_SUITE_P(NotifiedOrOpened, DrivesTest, ::testing::Values(0, 1, 2));

class FolderWaitTest : public WindowTest {
protected:
    FolderWaitTest() : WindowTest([](const TempTree& tree) { tree.Add({"lent\\", "lent\\dedans.txt", "a.txt"}); }) {}
};

TEST_F(FolderWaitTest, ASlowFolderLeavesTheWindowAnsweringAndTakingNoInputThenOpens) {
    platform.SlowFolderChecks(tree.Path("lent"), 1000, 10000);
    const std::string caption = TextOf(window.Handle()), waiting = WaitingForFolder(caption, tree.Path("lent"));
    HWND main = window.Handle(), tickBox = Hwnd(form.Check1[0]);
    const LRESULT tick = SendMessageW(tickBox, BM_GETCHECK, 0, 0);
    const int value = form.Check1[0].Value();
    const HCURSOR pointer = GetCursor();
    // From another thread while the window waits on the folder: how often it answered within 250 ms and how often not,
    // and once the caption says the window waits, a click as the mouse gives it, which the window refuses with a beep,
    // and a request to close, which waits for the end of the wait.
    int answered = 0, unanswered = 0;
    std::atomic<bool> clicked = false;
    std::jthread watcher([&](std::stop_token stop) {
        for (wchar_t shown[512]; !stop.stop_requested();) {
            DWORD_PTR result = 0;
            if (!SendMessageTimeoutW(main, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(shown), SMTO_NORMAL, 250,
                                     &result)) {
                ++unanswered;
                continue;
            }
            ++answered;
            if (ToUtf8(shown) != waiting) continue;
            PostMessageW(tickBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            PostMessageW(tickBox, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            PostMessageW(main, WM_CLOSE, 0, 0);
            clicked = true;
            break;
        }
    });

    const ULONGLONG start = GetTickCount64();
    DoubleClickEntry(form.Dir1, "lent");
    const ULONGLONG waited = GetTickCount64() - start;
    // Gone once it clicked; nothing is pumped meanwhile, so the close stays queued.
    watcher.request_stop();
    watcher.join();

    EXPECT_GE(waited, 1000u);
    EXPECT_EQ(std::tuple(form.Dir1.Path(), platform.messages.size(), unanswered, clicked.load(), platform.beeps),
              std::tuple(tree.Path("lent"), 0u, 0, true, 1));
    EXPECT_GE(answered, 4);
    EXPECT_EQ(std::tuple(TextOf(main), SendMessageW(tickBox, BM_GETCHECK, 0, 0), form.Check1[0].Value(), GetCursor()),
              std::tuple(caption, tick, value, pointer));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(main); }));
}

TEST_F(FolderWaitTest, AFolderThatDoesNotAnswerInTimeCannotBeRead) {
    platform.SlowFolderChecks(tree.Path("lent"), 4000, 1000);
    const std::string caption = TextOf(window.Handle());
    const ULONGLONG start = GetTickCount64();
    DoubleClickEntry(form.Dir1, "lent");
    const ULONGLONG waited = GetTickCount64() - start;

    EXPECT_TRUE(waited >= 1000 && waited < 4000) << waited;
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(std::tuple(platform.messages[0].text, form.Dir1.Path(), TextOf(window.Handle())),
              std::tuple(texts::UnreadableFolder(tree.Path("lent")), tree.Root(), caption));
}

// Enter opens a folder given up before the wait shows; a drop on the Source side, a key on a tick box and a menu command
// that wait behind it in the queue are refused with one beep, none run inside the message that ends the wait. Answered
// before the wait shows, the check leaves the drop behind it to run once the folder is open.
TEST_F(FolderWaitTest, InputBehindAFolderCheckRunsAfterItOrIsRefusedNeverInsideIt) {
    platform.SlowFolderChecks(tree.Path("lent"), 4000, 200);
    platform.realDialogs = true;
    auto now = [this] { return std::tuple(Shown(form.TxtCmd[3]), form.Check1[0].Value(), platform.shellOpens.size()); };
    const auto before = now();
    const int beeps = platform.beeps;
    const std::vector<std::string> folders = Entries(form.Dir1);
    HGLOBAL drop{};
    auto enterWithADropBehind = [&] {
        SetFocus(Hwnd(form.Dir1));
        SendMessageW(Hwnd(form.Dir1), LB_SETCURSEL, std::ranges::find(folders, "lent") - folders.begin(), 0);
        PostMessageW(Hwnd(form.Dir1), WM_KEYDOWN, VK_RETURN, 1);
        drop = DropOn(window.Handle(), Hwnd(form.File1), {tree.Path("a.txt")});
    };
    enterWithADropBehind();
    PostMessageW(Hwnd(form.Check1[0]), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(Hwnd(form.Check1[0]), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001));
    PostMessageW(window.Handle(), WM_COMMAND, static_cast<WPARAM>(MenuId(form.MnuAide)), 0);
    DialogAnswerer answer(window.Handle(), Dialog::Message, IDOK);
    PumpPending(&window);

    EXPECT_EQ(answer.SeenText(), texts::UnreadableFolder(tree.Path("lent")));
    EXPECT_EQ(std::tuple(now(), platform.beeps, GetFocus(), GlobalSize(drop)),
              std::tuple(before, beeps + 1, Hwnd(form.Dir1), SIZE_T{}));  // the drop refused, its memory given back
    platform.SlowFolderChecks(tree.Path("lent"), 100, 10000);
    enterWithADropBehind();
    EXPECT_TRUE(PumpUntil([this] { return form.File1.FileName() == "a.txt"; }));
    EXPECT_EQ(platform.beeps, beeps + 1);
}

}  // namespace
}  // namespace lorvane::win32::testing
