#include "window_fixture.h"

#include <dbt.h>

namespace lorvane::win32::testing {
namespace {

std::vector<std::string> Items(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        items.push_back(ToUtf8(text));
    }
    return items;
}

bool Offers(HWND combo, const std::string& caption) {
    const std::vector<std::string> items = Items(combo);
    return std::find(items.begin(), items.end(), caption) != items.end();
}

// How the window learns that the drives changed.
enum class Way { Notification, OpeningDrive1, OpeningDrive2 };

std::string WayName(const ::testing::TestParamInfo<Way>& info) {
    switch (info.param) {
        case Way::Notification: return "Notification";
        case Way::OpeningDrive1: return "OpeningDrive1";
        case Way::OpeningDrive2: return "OpeningDrive2";
    }
    return "";
}

class DrivesTest : public WindowTest, public ::testing::WithParamInterface<Way> {
protected:
    ~DrivesTest() override {
        if (defined_) DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter_.c_str(), nullptr);
    }

    // A letter no drive has, so that the test's drive is new to the window.
    bool FindFreeLetter() {
        const DWORD taken = GetLogicalDrives();
        for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
            if ((taken & (1u << (letter - L'A'))) == 0) {
                letter_ = std::wstring{letter, L':'};
                return true;
            }
        }
        return false;
    }
    std::string Caption() const { return std::string{static_cast<char>(letter_[0] - L'A' + 'a'), ':'}; }

    // As the system tells every window when a volume comes or goes, or as the user opens a
    // list with the keyboard, which the list then shows.
    void Tell(UINT event) {
        if (GetParam() == Way::Notification) {
            DEV_BROADCAST_VOLUME volume{sizeof volume, DBT_DEVTYP_VOLUME, 0, 1u << (letter_[0] - L'A'), 0};
            SendMessageW(window.Handle(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
            PumpPending(&window);
            return;
        }
        HWND combo = Hwnd(GetParam() == Way::OpeningDrive1 ? form.Drive1 : form.Drive2);
        SetFocus(combo);
        PressKey(window, VK_F4);
        EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
        opened_ = Items(combo);
        PressKey(window, VK_F4);
        if (SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    }
    // The lists told: both on a notification, the opened one when opened.
    std::vector<HWND> ListsTold() const {
        switch (GetParam()) {
            case Way::Notification: return {Hwnd(form.Drive1), Hwnd(form.Drive2)};
            case Way::OpeningDrive1: return {Hwnd(form.Drive1)};
            case Way::OpeningDrive2: return {Hwnd(form.Drive2)};
        }
        return {};
    }

    bool OpenedWith(const std::string& caption) const {
        return std::find(opened_.begin(), opened_.end(), caption) != opened_.end();
    }

    std::wstring letter_;
    bool defined_ = false;
    std::vector<std::string> opened_;  // what the opened list showed
};

TEST_P(DrivesTest, ADriveThatComesIsOfferedAndOneThatGoesIsNotTheSelectedOneStaying) {
    ASSERT_TRUE(FindFreeLetter());
    const std::string selected[] = {form.Drive1.Drive(), form.Drive2.Drive()};
    const std::string shown[] = {TextOf(Hwnd(form.Drive1)), TextOf(Hwnd(form.Drive2))};
    ASSERT_FALSE(Offers(Hwnd(form.Drive1), Caption()));

    defined_ = DefineDosDeviceW(0, letter_.c_str(), ToUtf16(tree.Root()).c_str()) != 0;
    ASSERT_TRUE(defined_);
    ASSERT_NE(GetLogicalDrives() & (1u << (letter_[0] - L'A')), 0u);
    Tell(DBT_DEVICEARRIVAL);
    for (HWND list : ListsTold()) EXPECT_TRUE(Offers(list, Caption())) << TextOf(list);
    EXPECT_EQ(OpenedWith(Caption()), GetParam() != Way::Notification);

    ASSERT_TRUE(DefineDosDeviceW(DDD_REMOVE_DEFINITION, letter_.c_str(), nullptr));
    defined_ = false;
    ASSERT_EQ(GetLogicalDrives() & (1u << (letter_[0] - L'A')), 0u);
    Tell(DBT_DEVICEREMOVECOMPLETE);
    for (HWND list : ListsTold()) EXPECT_FALSE(Offers(list, Caption())) << TextOf(list);
    EXPECT_FALSE(OpenedWith(Caption()));

    EXPECT_EQ(std::tuple(form.Drive1.Drive(), form.Drive2.Drive()), std::tuple(selected[0], selected[1]));
    EXPECT_EQ(std::tuple(TextOf(Hwnd(form.Drive1)), TextOf(Hwnd(form.Drive2))), std::tuple(shown[0], shown[1]));
    EXPECT_EQ(std::tuple(form.Dir1.Path(), form.Dir2.Path()), std::tuple(tree.Root(), tree.Root()));
}

INSTANTIATE_TEST_SUITE_P(NotifiedOrOpened, DrivesTest,
                         ::testing::Values(Way::Notification, Way::OpeningDrive1, Way::OpeningDrive2), WayName);

}  // namespace
}  // namespace lorvane::win32::testing
