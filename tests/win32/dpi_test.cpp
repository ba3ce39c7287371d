// The window at the resolutions of today's monitors: every text whole in its control, and a
// move to a monitor of another resolution lays the window out as a start there would.
#include "window_fixture.h"

#include <algorithm>

#include "app/window_layout.h"
#include "win32/dpi.h"

namespace lorvane::win32::testing {
namespace {

class DpiTest : public WindowTest {
protected:
    // The control's text as its own font draws it, where the control draws it.
    static bool TextFits(const LayoutEntry& entry, HWND control, std::string& why) {
        const int length = GetWindowTextLengthW(control);
        if (length == 0) return true;
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
        RECT client{};
        GetClientRect(control, &client);
        HDC dc = GetDC(control);
        HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        RECT drawn{0, 0, client.right, 0};
        SIZE line{};
        if (entry.kind == ControlKind::Label || entry.kind == ControlKind::RightLabel) {
            // As a static control wraps it: a second line that does not fit is cut, and a word
            // wider than the control widens the rectangle.
            DrawTextW(dc, text.c_str(), -1, &drawn, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
        } else {
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &line);
            int room = client.right;
            if (entry.kind == ControlKind::Frame) room -= 2 * MulDiv(7, GetDeviceCaps(dc, LOGPIXELSX), 96);
            if (entry.kind == ControlKind::CheckBox || entry.kind == ControlKind::OptionButton)
                room -= GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
            if (entry.kind == ControlKind::Button) room -= 2 * GetSystemMetrics(SM_CXEDGE);
            drawn = RECT{0, 0, line.cx + client.right - room, line.cy};
        }
        SelectObject(dc, before);
        ReleaseDC(control, dc);
        why = ToUtf8(text) + ": " + std::to_string(drawn.right) + "x" + std::to_string(drawn.bottom) + " in " +
              std::to_string(client.right) + "x" + std::to_string(client.bottom);
        return drawn.right <= client.right && drawn.bottom <= client.bottom;
    }
};

// At the start, then at 150 %, 200 %, 125 % and 100 % as the system says when the window
// reaches a monitor of that resolution, with the window's rectangle grown about its corner.
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
            // The system keeps a window within the screen's size, which the virtual display's
            // 1280 by 1024 pixels make smaller than the window at 200 %.
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
            if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))) {
                LOGFONTW made{};
                ASSERT_EQ(GetObjectW(font, sizeof made, &made), static_cast<int>(sizeof made));
                EXPECT_EQ(made.lfHeight, scale.FontHeight(entry.font.centiPoints)) << dpi << " dpi, " << entry.id;
            }
            std::string why;
            EXPECT_TRUE(TextFits(entry, control, why)) << dpi << " dpi, " << why;
        }
    }
}

}  // namespace
}  // namespace lorvane::win32::testing
