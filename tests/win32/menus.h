#pragma once
// The main menu's items as the real menu shows them.

#include <windows.h>

#include "win32/main_window.h"

namespace lorvane::win32::testing {

inline int MenuId(const MainWindow& window, const MenuItem& item) {
    for (const MenuRow& row : kMainMenu) {
        const int id = static_cast<int>(row.command);
        if (row.command != MenuCommand::None && window.Menu().ItemFor(id) == &item) return id;
    }
    return 0;
}

inline UINT MenuState(const MainWindow& window, const MenuItem& item) {
    return GetMenuState(window.Menu().Handle(), static_cast<UINT>(MenuId(window, item)), MF_BYCOMMAND);
}
inline bool MenuChecked(const MainWindow& window, const MenuItem& item) {
    return (MenuState(window, item) & MF_CHECKED) != 0;
}
inline bool MenuEnabled(const MainWindow& window, const MenuItem& item) {
    return (MenuState(window, item) & (MF_GRAYED | MF_DISABLED)) == 0;
}

}  // namespace lorvane::win32::testing
