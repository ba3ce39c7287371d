#pragma once
#include <windows.h>

#include <vector>

#include "app/menu_table.h"

namespace lorvane::win32 {

// The menu bar and the shortcut keys of the main window, made from the menu table. Leaf
// items mirror their model item's check mark and enabled flag.
class MainMenu {
public:
    MainMenu() = default;
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // Builds the menu and the accelerator table; false when either cannot be made.
    bool Create(HWND window, FrmXcopy& form);
    HMENU Handle() const { return menu_; }
    HACCEL Accelerators() const { return accelerators_; }

private:
    struct Leaf {
        MenuItem* item;
        UINT id;
    };
    void Sync(const Leaf& leaf) const;

    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::vector<Leaf> leaves_;
};

}  // namespace lorvane::win32
