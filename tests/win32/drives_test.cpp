#include "window_fixture.h"

#include <dbt.h>

namespace lorvane::win32::testing {
namespace {

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

// How the window learns that the drives changed: as the system tells every window when a
// volume comes or goes (0), or as the user opens the first (1) or second (2) list with the
// keyboard, which the list then shows.
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
    const std::string shown[] = {form.Drive1.Drive(), form.Drive2.Drive(), TextOf(Hwnd(form.Drive1)),
                                 TextOf(Hwnd(form.Drive2))};
    ASSERT_FALSE(Offered(Items(Hwnd(form.Drive1))));

    defined = DefineDosDeviceW(0, letter.c_str(), ToUtf16(tree.Root()).c_str()) != 0;
    ASSERT_TRUE(defined);
    for (const auto& items : Tell(DBT_DEVICEARRIVAL)) EXPECT_TRUE(Offered(items));
    ASSERT_TRUE(DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter.c_str(), nullptr));
    defined = false;
    for (const auto& items : Tell(DBT_DEVICEREMOVECOMPLETE)) EXPECT_FALSE(Offered(items));

    EXPECT_EQ(
        std::tuple(form.Drive1.Drive(), form.Drive2.Drive(), TextOf(Hwnd(form.Drive1)), TextOf(Hwnd(form.Drive2))),
        std::tuple(shown[0], shown[1], shown[2], shown[3]));
    EXPECT_EQ(std::tuple(form.Dir1.Path(), form.Dir2.Path()), std::tuple(tree.Root(), tree.Root()));
}

INSTANTIATE_TEST_SUITE_P(NotifiedOrOpened, DrivesTest, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace lorvane::win32::testing
