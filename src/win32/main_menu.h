#pragma once
#include <windows.h>

#include <vector>

#include "app/window_layout.h"

namespace lorvane::win32 {

// The menu bar and the shortcut keys of the main window, made from the menu tree of the
// model. Leaf items mirror their model item's check mark and enabled flag.
class MainMenu {
public:
    MainMenu() = default;
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // Builds the menu and the accelerator table; false when either cannot be made.
    bool Create(HWND window, std::vector<MenuEntry> entries);
    HMENU Handle() const { return menu_; }
    HACCEL Accelerators() const { return accelerators_; }
    // The model item of a command ID, or null.
    MenuItem* ItemFor(int id) const;

private:
    void Sync(const MenuEntry& entry) const;

    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::vector<MenuEntry> entries_;
};

}  // namespace lorvane::win32
