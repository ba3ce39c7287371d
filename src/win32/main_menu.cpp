#include "win32/main_menu.h"

#include <algorithm>
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
    const bool attached = menu && Fill(form, keys) && SetMenu(window, menu_);
    if (attached) menu.release();  // the window's now, and gone with it
    accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
    return attached && accelerators_ != nullptr;
}

bool MainMenu::Fill(FrmXcopy& form, std::vector<ACCEL>& keys) {
    std::vector<HMENU> parents = {menu_};
    leaves_.reserve(kMainMenu.size());  // the views below keep pointers to the leaves
    return std::ranges::all_of(kMainMenu, [&](const MenuRow& row) {
        parents.resize(static_cast<std::size_t>(row.level) + 1);
        MenuItem& item = form.*row.item;
        const std::wstring caption = ToUtf16(item.Caption() + ShortcutText(row.shortcut));
        if (!row.command) {  // a submenu
            Owned<HMENU, DestroyMenu> submenu(CreatePopupMenu());
            const bool added = submenu && AppendMenuW(parents.back(), MF_POPUP | MF_STRING,
                                                      reinterpret_cast<UINT_PTR>(submenu.get()), caption.c_str());
            if (added) parents.push_back(submenu.release());  // its parent's now
            return added;
        }
        const auto id = static_cast<UINT>(row.command);
        const bool added = AppendMenuW(parents.back(), MF_STRING, id, caption.c_str());
        if (added) AddLeaf(item, id, row.shortcut, keys);
        return added;
    });
}

void MainMenu::AddLeaf(MenuItem& item, UINT id, const MenuShortcut& shortcut, std::vector<ACCEL>& keys) {
    if (shortcut.ctrlKey) keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(shortcut.ctrlKey), static_cast<WORD>(id)});
    if (shortcut.f1) keys.push_back({FVIRTKEY, VK_F1, static_cast<WORD>(id)});
    leaves_.push_back({&item, id});
    const Leaf* leaf = &leaves_.back();
    item.SyncView = [this, leaf] { Sync(*leaf); };
    Sync(*leaf);
}

void MainMenu::Sync(const Leaf& leaf) const {
    EnableMenuItem(menu_, leaf.id, MF_BYCOMMAND | (leaf.item->Enabled() ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_, leaf.id, MF_BYCOMMAND | (leaf.item->Checked() ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace lorvane::win32
