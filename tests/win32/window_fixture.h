#pragma once
// The real main window over a temporary folder tree that is the process's current folder,
// with the test answering the dialogs, and the helpers to look at it and drive it.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/frm_xcopy.h"
#include "ui_support.h"
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

// The real window, started in a temporary folder tree, with the test answering dialogs.
class WindowTest : public ::testing::Test {
protected:
    explicit WindowTest(const std::function<void(const TempTree&)>& fill) : start(fill) {}

    void SetUp() override {
        ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr), SW_SHOWNORMAL));
        ASSERT_TRUE(ListsLoaded()) << "still loading:" << (window.ListView(form.Dir1)->Loading() ? " Dir1" : "")
                                   << (window.ListView(form.File1)->Loading() ? " File1" : "")
                                   << (window.ListView(form.Dir2)->Loading() ? " Dir2" : "")
                                   << (window.ListView(form.File2)->Loading() ? " File2" : "");
    }

    bool ListsLoaded() {
        return PumpUntil(window, [this] {
            for (const Control* list : {static_cast<Control*>(&form.Dir1), static_cast<Control*>(&form.File1),
                                        static_cast<Control*>(&form.Dir2), static_cast<Control*>(&form.File2)}) {
                if (window.ListView(*list)->Loading()) return false;
            }
            return true;
        });
    }

    HWND Hwnd(const Control& control) const { return window.ControlHandle(control); }
    std::string Shown(const Control& control) const { return TextOf(Hwnd(control)); }
    bool Ticked(const Control& control) const {
        return SendMessageA(Hwnd(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
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
    // The entry showing that name.
    int IndexOf(const Control& list, const std::wstring& name) const {
        const FolderListView* view = window.ListView(list);
        for (int i = 0; i < view->Count(); ++i) {
            const FolderListView::Entry& entry = *view->EntryAt(i);
            if ((entry.shown.empty() ? ToWide(entry.text) : entry.shown) == name) return i;
        }
        return -1;
    }
    int IndexOf(const Control& list, const std::string& name) const { return IndexOf(list, ToWide(name)); }
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
