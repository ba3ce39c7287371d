#include "win32/main_menu.h"

#include <string>

#include "win32/wide_text.h"

namespace lorvane::win32 {

MainMenu::~MainMenu() {
    for (const Leaf& leaf : leaves_) leaf.item->SyncView = nullptr;
}

bool MainMenu::Create(HWND window, FrmXcopy& form) {
    Owned<HMENU, DestroyMenu> menu(CreateMenu());
    menu_ = menu.get();
    std::vector<ACCEL> keys;
    if (!menu || !Fill(form, keys) || !SetMenu(window, menu_)) return false;
    menu.release();
    accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
    return accelerators_ != nullptr;
}

bool MainMenu::Fill(FrmXcopy& form, std::vector<ACCEL>& keys) {
    std::vector<HMENU> parents = {menu_};
    leaves_.reserve(kMainMenu.size());  // the views below keep pointers to the leaves
    for (const MenuRow& row : kMainMenu) {
        parents.resize(static_cast<std::size_t>(row.level) + 1);
        MenuItem& item = form.*row.item;
        std::string caption = item.Caption();
        if (row.shortcut.ctrlKey != 0) caption += std::string("\tCtrl+") + row.shortcut.ctrlKey;
        if (row.shortcut.f1) caption += "\tF1";
        if (row.command == 0) {
            Owned<HMENU, DestroyMenu> submenu(CreatePopupMenu());
            if (!submenu || !AppendMenuW(parents.back(), MF_POPUP | MF_STRING,
                                         reinterpret_cast<UINT_PTR>(submenu.get()), ToUtf16(caption).c_str())) {
                return false;
            }
            parents.push_back(submenu.release());  // its parent's now
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
    return true;
}

void MainMenu::Sync(const Leaf& leaf) const {
    EnableMenuItem(menu_, leaf.id, MF_BYCOMMAND | (leaf.item->Enabled() ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_, leaf.id, MF_BYCOMMAND | (leaf.item->Checked() ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace lorvane::win32
