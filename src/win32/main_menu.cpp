#include "win32/main_menu.h"

#include <string>

namespace lorvane::win32 {

MainMenu::~MainMenu() {
    for (const MenuEntry& entry : entries_) entry.item->SyncView = nullptr;
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    // The menu itself belongs to the window once attached, and goes with it.
    if (menu_ != nullptr && !IsWindow(window_)) DestroyMenu(menu_);
}

bool MainMenu::Create(HWND window, std::vector<MenuEntry> entries) {
    window_ = window;
    entries_ = std::move(entries);
    menu_ = CreateMenu();
    if (menu_ == nullptr) return false;

    std::vector<HMENU> parents = {menu_};
    std::vector<ACCEL> keys;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const MenuEntry& entry = entries_[i];
        parents.resize(static_cast<std::size_t>(entry.level) + 1);
        std::string caption = entry.item->Caption();
        if (entry.ctrlKey != 0) caption += std::string("\tCtrl+") + entry.ctrlKey;
        if (entry.f1) caption += "\tF1";
        const bool opensSubmenu = i + 1 < entries_.size() && entries_[i + 1].level > entry.level;
        if (opensSubmenu) {
            HMENU submenu = CreatePopupMenu();
            if (submenu == nullptr) return false;
            if (!AppendMenuA(parents.back(), MF_POPUP | MF_STRING,
                             reinterpret_cast<UINT_PTR>(submenu), caption.c_str())) {
                DestroyMenu(submenu);
                return false;
            }
            parents.push_back(submenu);
            continue;
        }
        if (!AppendMenuA(parents.back(), MF_STRING, static_cast<UINT_PTR>(entry.id), caption.c_str())) {
            return false;
        }
        if (entry.ctrlKey != 0) {
            keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(entry.ctrlKey), static_cast<WORD>(entry.id)});
        }
        if (entry.f1) keys.push_back({FVIRTKEY, VK_F1, static_cast<WORD>(entry.id)});
        const MenuEntry* self = &entry;
        entry.item->SyncView = [this, self] { Sync(*self); };
        Sync(entry);
    }
    if (!SetMenu(window_, menu_)) return false;
    accelerators_ = CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
    return accelerators_ != nullptr;
}

MenuItem* MainMenu::ItemFor(int id) const {
    for (const MenuEntry& entry : entries_) {
        if (entry.id == id && id != 0) return entry.item;
    }
    return nullptr;
}

void MainMenu::Sync(const MenuEntry& entry) const {
    EnableMenuItem(menu_, static_cast<UINT>(entry.id),
                   MF_BYCOMMAND | (entry.item->Enabled() ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_, static_cast<UINT>(entry.id),
                  MF_BYCOMMAND | (entry.item->Checked() ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace lorvane::win32
