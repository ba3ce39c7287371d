#pragma once
#include <windows.h>

#include <vector>

#include "app/menu_table.h"
#include "win32/owned.h"

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
    HACCEL Accelerators() const { return accelerators_.get(); }

private:
    struct Leaf {
        MenuItem* item;
        UINT id;
    };
    // The items under the menu bar, each mirroring its model item.
    bool Fill(FrmXcopy& form, std::vector<ACCEL>& keys);
    void AddLeaf(MenuItem& item, UINT id, const MenuShortcut& shortcut, std::vector<ACCEL>& keys);
    void Sync(const Leaf& leaf) const;

    HMENU menu_ = nullptr;  // the window's once attached, and gone with it
    Owned<HACCEL, DestroyAcceleratorTable> accelerators_;
    std::vector<Leaf> leaves_;
};

}  // namespace lorvane::win32
