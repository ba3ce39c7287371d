#pragma once
// The real main window over a temporary folder tree that is the process's current folder, with the test answering the
// dialogs, and the helpers to look at it and drive it.

#include <gtest/gtest.h>

#include "dialogs.h"
#include "system.h"

namespace lorvane::win32::testing {

class WindowTest : public ::testing::Test {
protected:
    using Fill = std::function<void(const TempTree&)>;
    explicit WindowTest(const Fill& fill = [](const TempTree&) {}) : entered(Enter(fill)) {}
    ~WindowTest() override { SetCurrentDirectoryW(previousFolder.c_str()); }
    // The tree is the process's current folder while the test lasts, from before the form reads it.
    bool Enter(const Fill& fill) {
        fill(tree);
        previousFolder = std::filesystem::current_path().wstring();
        return SetCurrentDirectoryW(ToUtf16(tree.Root()).c_str()) != 0;
    }

    void SetUp() override {
        ASSERT_TRUE(entered);
        ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
        ASSERT_TRUE(ListsLoaded());
    }

    bool ListsLoaded() {
        return PumpUntil([this] {
            return !window.ListView(form.Dir1)->Loading() && !window.ListView(form.File1)->Loading() &&
                   !window.ListView(form.Dir2)->Loading() && !window.ListView(form.File2)->Loading();
        });
    }
    // The window's keyboard handling sees the keys while it waits.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
        return testing::PumpUntil(done, timeoutMs, &window);
    }
    HWND Hwnd(const Control& control) const { return window.ControlHandle(control); }
    std::string Shown(const Control& control) const { return TextOf(Hwnd(control)); }
    bool Ticked(const Control& control) const { return SendMessageW(Hwnd(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The level buttons ticked on the screen: "100" for the drive level alone.
    std::string Levels(const OptionGroup& group) const {
        std::string ticked;
        for (int i = 0; i < OptionGroup::kSize; ++i) ticked += Ticked(group[i]) ? '1' : '0';
        return ticked;
    }
    void Click(const Control& control) {
        SendMessageW(Hwnd(control), BM_CLICK, 0, 0);
        PumpPending(&window);
    }
    std::vector<std::string> Entries(const Control& list) const {
        std::vector<std::string> texts;
        const FolderListView* view = window.ListView(list);
        for (int i = 0; i < view->Count(); ++i) texts.push_back(view->EntryAt(i)->text);
        return texts;
    }
    void DoubleClickEntry(const Control& list, const std::string& name) {
        const std::vector<std::string> texts = Entries(list);
        ClickListItem(Hwnd(list), static_cast<int>(std::find(texts.begin(), texts.end(), name) - texts.begin()), true);
    }
    int MenuId(const MenuItem& item) const {
        return std::ranges::find(kMainMenu, &item, [this](const MenuRow& row) { return &(form.*row.item); })->command;
    }
    UINT MenuState(const MenuItem& item) const {
        return GetMenuState(window.Menu().Handle(), MenuId(item), MF_BYCOMMAND);
    }
    bool MenuChecked(const MenuItem& item) const { return (MenuState(item) & MF_CHECKED) != 0; }
    bool MenuEnabled(const MenuItem& item) const { return (MenuState(item) & (MF_GRAYED | MF_DISABLED)) == 0; }
    void Menu(const MenuItem& item) {
        SendMessageW(window.Handle(), WM_COMMAND, static_cast<WPARAM>(MenuId(item)), 0);
        PumpPending(&window);
    }
    // Christmas 2003 in the order of the user's regional settings, and as the system's XCOPY reads it (Wine's: month
    // first, with dashes).
    static std::string ChristmasAsTheUserWritesIt() {
        wchar_t order[4] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, 4);
        return order[0] == '0' ? "12/25/2003" : order[0] == '2' ? "2003/12/25" : "25/12/2003";
    }
    std::string ChristmasAsXcopyReadsIt() {
        return platform.XcopyReadsDatesMonthFirst() ? "/D:12-25-2003 " : "/D:25/12/2003 ";
    }
    // "C:" as the drive root, so that the expected lines read as the user sees them.
    std::string Root() const { return tree.Root().substr(0, 3); }

    TempTree tree;
    std::wstring previousFolder;
    const bool entered;
    StartedProcesses started;  // ended before the tree they may work in is removed
    UiPlatform platform;
    FrmXcopy form{platform};
    MainWindow window{form, platform};
};

}  // namespace lorvane::win32::testing
