#include "win32/main_menu.h"

#include <string>

#include "win32/wide_text.h"

namespace lorvane::win32 {

MainMenu::~MainMenu() {
    for (const Leaf& leaf : leaves_) leaf.item->SyncView = nullptr;
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    // The menu itself belongs to the window once attached, and goes with it.
    if (menu_ != nullptr && !IsWindow(window_)) DestroyMenu(menu_);
}

bool MainMenu::Create(HWND window, FrmXcopy& form) {
    window_ = window;
    menu_ = CreateMenu();
    if (menu_ == nullptr) return false;

    std::vector<HMENU> parents = {menu_};
    std::vector<ACCEL> keys;
    leaves_.reserve(kMainMenu.size());  // the views below keep pointers to the leaves
    for (const MenuRow& row : kMainMenu) {
        parents.resize(static_cast<std::size_t>(row.level) + 1);
        MenuItem& item = form.*row.item;
        std::string caption = item.Caption();
        if (row.shortcut.ctrlKey != 0) caption += std::string("\tCtrl+") + row.shortcut.ctrlKey;
        if (row.shortcut.f1) caption += "\tF1";
        if (row.command == 0) {
            HMENU submenu = CreatePopupMenu();
            if (submenu == nullptr) return false;
            if (!AppendMenuW(parents.back(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                             ToUtf16(caption).c_str())) {
                DestroyMenu(submenu);
                return false;
            }
            parents.push_back(submenu);
            continue;
        }
        const auto id = static_cast<UINT>(row.command);
        if (!AppendMenuW(parents.back(), MF_STRING, id, ToUtf16(caption).c_str())) return false;
        if (row.shortcut.ctrlKey != 0) {
            keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(row.shortcut.ctrlKey), static_cast<WORD>(id)});
        }
        if (row.shortcut.f1) keys.push_back({FVIRTKEY, VK_F1, static_cast<WORD>(id)});
        leaves_.push_back({&item, id});
        const Leaf* leaf = &leaves_.back();
        item.SyncView = [this, leaf] { Sync(*leaf); };
        Sync(*leaf);
    }
    if (!SetMenu(window_, menu_)) return false;
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
    return accelerators_ != nullptr;
}

void MainMenu::Sync(const Leaf& leaf) const {
    EnableMenuItem(menu_, leaf.id, MF_BYCOMMAND | (leaf.item->Enabled() ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_, leaf.id, MF_BYCOMMAND | (leaf.item->Checked() ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace lorvane::win32
