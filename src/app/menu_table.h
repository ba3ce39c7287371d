#pragma once
// The main window's menu, one row per item: its place in the tree, its caption, its command
// ID and shortcut, and its handler. The window, the shortcut keys and the tests all read
// this table; a new command is a row here, its handler and its test.

#include <algorithm>
#include <array>
#include <string>
#include <cstddef>

#include "app/frm_xcopy.h"

namespace lorvane {

// Command IDs of the leaf items. Automation and accessibility tools read them from the menu:
// each row writes its own out, never renumbered, never reused. They follow one another from
// the first without a gap, so that an ID picks its row at once.
inline constexpr int kFirstMenuCommand = 701;

struct MenuShortcut {
    char ctrlKey = 0;  // Ctrl + this letter, anywhere in the window
    bool f1 = false;
};

struct MenuRow {
    MenuItem FrmXcopy::*item;
    int level;  // 0 for the menu bar; an item belongs to the nearest row above of lower level
    const char* caption;
    int command;  // its command ID; 0 for a submenu
    MenuShortcut shortcut;
    void (FrmXcopy::*handler)();
};

inline constexpr MenuShortcut Ctrl(char key) { return {key, false}; }
inline constexpr MenuShortcut kF1 = {0, true};

// How a menu item shows its shortcut after its caption: a tab, then the keys.
inline std::string ShortcutText(const MenuShortcut& shortcut) {
    if (shortcut.f1) return "\tF1";
    return shortcut.ctrlKey != 0 ? std::string("\tCtrl+") + shortcut.ctrlKey : std::string();
}

inline constexpr std::array<MenuRow, 18> kMainMenu = {{
    {&FrmXcopy::MnuFichier, 0, "&Fichier", 0, {}, nullptr},
    {&FrmXcopy::MnuExecuter, 1, "&Exécuter ! (GO)", 701, Ctrl('E'), &FrmXcopy::MnuExecuter_Click},
    {&FrmXcopy::MnuSauvegarder, 1, "&Sauvegarder", 0, {}, nullptr},
    {&FrmXcopy::mnu_s_activite, 2, "&Activité (*.txt)", 702, Ctrl('T'), &FrmXcopy::mnu_s_activite_Click},
    {&FrmXcopy::Mnu_S_Batch, 2, "Commande Complète Exécutable (*.&Bat)...", 703, Ctrl('S'),
     &FrmXcopy::Mnu_S_Batch_Click},
    {&FrmXcopy::Mnu_S_Lvp, 2, "Commutateurs / &profil (*.lvp)...", 704, {}, &FrmXcopy::Mnu_S_Lvp_Click},
    {&FrmXcopy::MnuOuvrir, 1, "&Ouvrir", 0, {}, nullptr},
    {&FrmXcopy::Mnu_O_activite, 2, "Dernière &activité enregistrée", 705, {}, &FrmXcopy::Mnu_O_activite_Click},
    {&FrmXcopy::Mnu_L_Lvp, 2, "Commutateurs / &profil (*.lvp)...", 706, {}, &FrmXcopy::Mnu_L_Lvp_Click},
    {&FrmXcopy::MnuQuitter, 1, "&Quitter", 707, Ctrl('Q'), &FrmXcopy::MnuQuitter_Click},
    {&FrmXcopy::MnuEdition, 0, "&Edition", 0, {}, nullptr},
    {&FrmXcopy::MnuSelect, 1, "Sélectionner tout", 708, Ctrl('A'), &FrmXcopy::MnuSelect_Click},
    {&FrmXcopy::MnuCouper, 1, "Couper", 709, Ctrl('X'), &FrmXcopy::MnuCouper_Click},
    {&FrmXcopy::MnuCopier, 1, "Copier", 710, Ctrl('C'), &FrmXcopy::MnuCopier_Click},
    {&FrmXcopy::MnuColler, 1, "Coller", 711, Ctrl('V'), &FrmXcopy::MnuColler_Click},
    {&FrmXcopy::MnuTruc, 0, "&?", 0, {}, nullptr},
    {&FrmXcopy::MnuAide, 1, "&Aide", 712, kF1, &FrmXcopy::MnuAide_Click},
    {&FrmXcopy::MnuApropos, 1, "À &propos", 713, {}, &FrmXcopy::MnuApropos_Click},
}};

// Ctrl + these letters belong to the command boxes while one has the focus: undo, and the
// control characters an edit box reads (backspace, tab, line feed, return). Ctrl + A, C, V
// and X may only be the Edit menu's commands, which act on the box as its own keys would.
constexpr bool ShortcutLeavesTheBoxesTheirKeys(const MenuRow& row) {
    const char key = row.shortcut.ctrlKey;
    for (const char boxKey : {'Z', 'H', 'I', 'J', 'M'})
        if (key == boxKey) return false;
    switch (key) {
        case 'A': return row.item == &FrmXcopy::MnuSelect;
        case 'C': return row.item == &FrmXcopy::MnuCopier;
        case 'V': return row.item == &FrmXcopy::MnuColler;
        case 'X': return row.item == &FrmXcopy::MnuCouper;
        default: return true;
    }
}

inline constexpr std::size_t kMenuCommandCount =
    static_cast<std::size_t>(std::ranges::count_if(kMainMenu, [](const MenuRow& row) { return row.command != 0; }));

// A row opens a submenu exactly when the next row lies deeper; only leaves have a command; the
// commands are the IDs from the first on, each on one leaf; no two leaves share
// a shortcut, and no shortcut takes a key the command boxes need.
constexpr bool MenuTableIsWellFormed() {
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuRow& row = kMainMenu[i];
        const bool opens = i + 1 < kMainMenu.size() && kMainMenu[i + 1].level > row.level;
        if (!ShortcutLeavesTheBoxesTheirKeys(row)) return false;
        if (i + 1 < kMainMenu.size() && kMainMenu[i + 1].level > row.level + 1) return false;
        if (opens != (row.command == 0)) return false;
        if (!opens && (row.command < kFirstMenuCommand ||
                       row.command >= kFirstMenuCommand + static_cast<int>(kMenuCommandCount))) {
            return false;
        }
        for (std::size_t j = i + 1; j < kMainMenu.size(); ++j) {
            const MenuRow& other = kMainMenu[j];
            if (!opens && other.command == row.command) return false;
            if (other.item == row.item) return false;
            if (row.shortcut.ctrlKey != 0 && other.shortcut.ctrlKey == row.shortcut.ctrlKey) return false;
            if (row.shortcut.f1 && other.shortcut.f1) return false;
        }
    }
    return kMainMenu[0].level == 0;
}
static_assert(MenuTableIsWellFormed(),
              "the menu table must describe a tree of uniquely numbered commands leaving the boxes their keys");

// The leaf rows by command ID, less the first.
inline constexpr std::array<const MenuRow*, kMenuCommandCount> kMenuCommands = [] {
    std::array<const MenuRow*, kMenuCommandCount> rows{};
    for (const MenuRow& row : kMainMenu) {
        if (row.command != 0) rows[static_cast<std::size_t>(row.command - kFirstMenuCommand)] = &row;
    }
    return rows;
}();

// The row of a command ID, or null for an ID that is none of the menu's.
inline const MenuRow* MenuCommandRow(int id) {
    if (id < kFirstMenuCommand || id >= kFirstMenuCommand + static_cast<int>(kMenuCommandCount)) return nullptr;
    return kMenuCommands[static_cast<std::size_t>(id - kFirstMenuCommand)];
}

// The command ID of a leaf item; 0 for a submenu.
constexpr int CommandOf(MenuItem FrmXcopy::*item) {
    for (const MenuRow& row : kMainMenu)
        if (row.item == item) return row.command;
    return 0;
}

}  // namespace lorvane
