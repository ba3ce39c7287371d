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

class DpiTest : public WindowTest {
protected:
    // The control's text as its own font draws it, where the control draws it.
    static ::testing::AssertionResult TextFits(const LayoutEntry& entry, HWND control) {
        const std::wstring text = ToUtf16(TextOf(control));
        RECT client{}, drawn{};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        if (entry.kind == ControlKind::Label || entry.kind == ControlKind::RightLabel) {
            // As a static control wraps it: a second line that does not fit is cut, and a word wider than the control
            // widens the rectangle.
            drawn.right = client.right;
            DrawTextW(dc, text.c_str(), -1, &drawn, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        } else {
            SIZE line{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &line);
            const int margin = entry.kind == ControlKind::Frame ? 2 * MulDiv(7, GetDeviceCaps(dc, LOGPIXELSX), 96)
                               : entry.kind == ControlKind::CheckBox || entry.kind == ControlKind::OptionButton
                                   ? GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE)
                               : entry.kind == ControlKind::Button ? 2 * GetSystemMetrics(SM_CXEDGE)
                                                                   : 0;
            drawn = RECT{0, 0, line.cx + margin, line.cy};
        }
        SelectObject(dc, before);
        ReleaseDC(control, dc);
        if (text.empty() || (drawn.right <= client.right && drawn.bottom <= client.bottom))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << ToUtf8(text) << ": " << drawn.right << "x" << drawn.bottom << " in "
                                             << client.right << "x" << client.bottom;
    }
};

// At the start, then at 150 %, 200 %, 125 % and 100 % as the system says when the window reaches a monitor of that
// resolution, with the window's rectangle grown about its corner.
TEST_F(DpiTest, EachResolutionLaysTheWindowOutAsAStartThereWithEveryTextWhole) {
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    for (int dpi : {0, 144, 192, 120, 96}) {
        RECT suggested{}, now{};
        GetWindowRect(window.Handle(), &now);
        if (dpi != 0) {
            suggested = PixelScale(dpi).Rect(MainClientArea(layout));
            EXPECT_TRUE(FrameAround(suggested, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, true, WS_EX_ACCEPTFILES, dpi));
            OffsetRect(&suggested, now.left - suggested.left, now.top - suggested.top);
            SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
            PumpPending(&window);
            // The system keeps a window within the screen's size, which the virtual display's 1280 by 1024 pixels make
            // smaller than the window at 200 %.
            suggested.right = std::min<LONG>(suggested.right, suggested.left + GetSystemMetrics(SM_CXMAXTRACK));
            suggested.bottom = std::min<LONG>(suggested.bottom, suggested.top + GetSystemMetrics(SM_CYMAXTRACK));
            GetWindowRect(window.Handle(), &now);
            EXPECT_TRUE(EqualRect(&now, &suggested))
                << dpi << " dpi: " << now.right - now.left << "x" << now.bottom - now.top;
        }
        const PixelScale scale(dpi != 0 ? dpi : ScreenDpi());
        for (const LayoutEntry& entry : layout) {
            HWND control = Hwnd(*entry.control);
            RECT expected = scale.Rect(PlaceInWindow(entry, layout)), placed = PlaceIn(window.Handle(), control);
            // A closed drive list is as high as the system makes it for its font (checked below).
            if (entry.kind == ControlKind::DriveList) placed.bottom = expected.bottom;
            EXPECT_TRUE(EqualRect(&placed, &expected))
                << dpi << " dpi, control " << entry.id << ": " << placed.left << "," << placed.top << ","
                << placed.right << "," << placed.bottom;
            LOGFONTW made{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof made, &made);
            EXPECT_EQ(made.lfHeight, scale.FontHeight(entry.font.centiPoints)) << dpi << " dpi, " << entry.id;
            EXPECT_TRUE(TextFits(entry, control)) << dpi << " dpi";
        }
    }
}

std::vector<std::string> Items(HWND combo) {
    std::vector<std::string> items;
    for (LRESULT i = 0; i < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        items.push_back(ToUtf8(text));
    }
    return items;
}

// How the window learns that the drives changed: as the system tells every window when a volume comes or goes (0), or
// as the user opens the first (1) or second (2) list with the keyboard, which the list then shows.
class DrivesTest : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    ~DrivesTest() override {
        if (defined) DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr);
    }
    // The lists told, and what they offer then: in the opened list, what it showed opened.
    std::vector<std::vector<std::string>> Tell(UINT event) {
        if (GetParam() == 0) {
            DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << (letter[0] - L'A'), 0};
            SendMessageW(window.Handle(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
            PumpPending(&window);
            return {Items(Hwnd(form.Drive1)), Items(Hwnd(form.Drive2))};
        }
        HWND combo = Hwnd(GetParam() == 1 ? form.Drive1 : form.Drive2);
        SetFocus(combo);
        PressKey(window, VK_F4);
        EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
        std::vector<std::vector<std::string>> told = {Items(combo)};
        PressKey(window, VK_F4);
        if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        told.push_back(Items(combo));
        return told;
    }
    bool Offered(const std::vector<std::string>& items) const {
        const std::string caption{static_cast<char>(letter[0] - L'A' + 'a'), ':'};
        return std::find(items.begin(), items.end(), caption) != items.end();
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
    ASSERT_FALSE(Offered(Items(Hwnd(form.Drive1))));

    defined = DefineDosDeviceW(0, letter.c_str(), ToUtf16(tree.Root()).c_str()) != 0;
    ASSERT_TRUE(defined);
    for (const auto& items : Tell(DBT_DEVICEARRIVAL)) EXPECT_TRUE(Offered(items));
    ASSERT_TRUE(DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr));
    defined = false;
    for (const auto& items : Tell(DBT_DEVICEREMOVECOMPLETE)) EXPECT_FALSE(Offered(items));

    EXPECT_EQ(shown(), before);
}

INSTANTIATE_TEST_SUITE_P(NotifiedOrOpened, DrivesTest, ::testing::Values(0, 1, 2));

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
    // From another thread while the window's thread waits on the folder: how often the window answered within a quarter
    // of a second and how often not, and a click as the mouse gives it once the caption says the window waits, which
    // the window must not act on.
    int answered = 0, unanswered = 0;
    std::atomic<bool> clicked = false, ended = false;
    std::jthread watcher([&](std::stop_token stop) {
        for (wchar_t shown[512]; !stop.stop_requested();) {
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
        ended = true;
    });

    const ULONGLONG start = GetTickCount64();
    DoubleClickEntry(form.Dir1, "lent");
    const ULONGLONG waited = GetTickCount64() - start;
    watcher.request_stop();  // its last question may be on its way: the window's thread answers it
    ASSERT_TRUE(PumpUntil([&] { return ended.load(); }));

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
