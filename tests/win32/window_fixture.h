#pragma once
// The real main window over a temporary folder tree that is the process's current folder,
// with the test answering the dialogs, and the helpers to look at it and drive it.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/frm_xcopy.h"
#include "dialogs.h"
#include "input.h"
#include "menus.h"
#include "processes.h"
#include "pump.h"
#include "temp_files.h"
#include "win32/main_window.h"

namespace lorvane::win32::testing {

// A small folder tree made the process's current folder, for as long as it lives.
struct StartFolder {
    explicit StartFolder(const std::function<void(const TempTree&)>& fill) {
        fill(tree);
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof previous, previous);
        previousFolder = previous;
        SetCurrentDirectoryA(tree.Root().c_str());
    }
    ~StartFolder() { SetCurrentDirectoryA(previousFolder.c_str()); }
    TempTree tree;
    std::string previousFolder;
};

class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(const std::function<void(const TempTree&)>& fill = [](const TempTree&) {}) : start(fill) {}

    void SetUp() override {
        ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
        ASSERT_TRUE(ListsLoaded()) << "still loading:" << StillLoading();
    }

    std::string StillLoading() const {
        std::string names;
        const std::pair<const Control*, const char*> lists[] = {
            {&form.Dir1, " Dir1"}, {&form.File1, " File1"}, {&form.Dir2, " Dir2"}, {&form.File2, " File2"}};
        for (const auto& [list, name] : lists) names += window.ListView(*list)->Loading() ? name : "";
        return names;
    }
    bool ListsLoaded() {
        return PumpUntil(window, [this] { return StillLoading().empty(); });
    }

    HWND Hwnd(const Control& control) const { return window.ControlHandle(control); }
    std::string Shown(const Control& control) const { return TextOf(Hwnd(control)); }
    bool Ticked(const Control& control) const { return SendMessageA(Hwnd(control), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(const Control& control) {
        SendMessageA(Hwnd(control), BM_CLICK, 0, 0);
        PumpPending(window);
    }
    std::vector<std::string> Entries(const Control& list) const {
        std::vector<std::string> texts;
        const FolderListView* view = window.ListView(list);
        for (int i = 0; i < view->Count(); ++i) texts.push_back(view->EntryAt(i)->text);
        return texts;
    }
    int IndexOf(const Control& list, const WideName& name) const {
        const FolderListView* view = window.ListView(list);
        for (int i = 0; i < view->Count(); ++i) {
            const FolderListView::Entry& entry = *view->EntryAt(i);
            if ((entry.shown.empty() ? ToWide(entry.text) : entry.shown) == name.wide) return i;
        }
        return -1;
    }
    void DoubleClickEntry(const Control& list, const WideName& name) {
        DoubleClickListItem(Hwnd(list), IndexOf(list, name));
    }
    void Menu(const MenuItem& item) {
        SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(MenuId(window, item)), 0);
        PumpPending(window);
    }
    // "C:" as the drive root, so that the expected lines read as the user sees them.
    std::string Root() const { return tree.Root().substr(0, 3); }

    StartFolder start;
    const TempTree& tree = start.tree;
    StartedProcesses started;  // ended before the tree they may work in is removed
    UiPlatform platform;
    FrmXcopy form{platform};
    MainWindow window{form, platform};
};

}  // namespace lorvane::win32::testing
