#pragma once
// The main window's menu, one row per item: its place in the tree, its caption, its command
// name and shortcut, and its handler. The window, the shortcut keys and the tests all read
// this table; a new command is a row here, its handler and its test.

#include <array>

#include "app/frm_xcopy.h"

namespace lorvane {

// The command of each leaf item. Its number is also the item's command ID, which automation
// and accessibility tools read from the menu: numbers are written out and never reused.
enum class MenuCommand : int {
    None = 0,  // a submenu
    Executer = 701,
    SauverActivite = 702,
    SauverBatch = 703,
    SauverProfil = 704,
    OuvrirActivite = 705,
    OuvrirProfil = 706,
    Quitter = 707,
    SelectionnerTout = 708,
    Couper = 709,
    Copier = 710,
    Coller = 711,
    Aide = 712,
    APropos = 713,
};

struct MenuShortcut {
    char ctrlKey = 0;  // Ctrl + this letter, anywhere in the window
    bool f1 = false;
};

struct MenuRow {
    MenuItem FrmXcopy::*item;
    int level;  // 0 for the menu bar; an item belongs to the nearest row above of lower level
    const char* caption;
    MenuCommand command;
    MenuShortcut shortcut;
    void (FrmXcopy::*handler)();
};

inline constexpr MenuShortcut Ctrl(char key) { return {key, false}; }
inline constexpr MenuShortcut kF1 = {0, true};

inline constexpr std::array<MenuRow, 18> kMainMenu = {{
    {&FrmXcopy::MnuFichier, 0, "&Fichier", MenuCommand::None, {}, nullptr},
    {&FrmXcopy::MnuExecuter, 1, "&Exécuter ! (GO)", MenuCommand::Executer, Ctrl('E'), &FrmXcopy::MnuExecuter_Click},
    {&FrmXcopy::MnuSauvegarder, 1, "&Sauvegarder", MenuCommand::None, {}, nullptr},
    {&FrmXcopy::mnu_s_activite, 2, "&Activité (*.txt)", MenuCommand::SauverActivite, Ctrl('T'),
     &FrmXcopy::mnu_s_activite_Click},
    {&FrmXcopy::Mnu_S_Batch, 2, "Commande Complète Exécutable (*.&Bat)...", MenuCommand::SauverBatch, Ctrl('S'),
     &FrmXcopy::Mnu_S_Batch_Click},
    {&FrmXcopy::Mnu_S_Lvp,
     2,
     "Commutateurs / &profil (*.lvp)...",
     MenuCommand::SauverProfil,
     {},
     &FrmXcopy::Mnu_S_Lvp_Click},
    {&FrmXcopy::MnuOuvrir, 1, "&Ouvrir", MenuCommand::None, {}, nullptr},
    {&FrmXcopy::Mnu_O_activite,
     2,
     "Dernière &activité enregistrée",
     MenuCommand::OuvrirActivite,
     {},
     &FrmXcopy::Mnu_O_activite_Click},
    {&FrmXcopy::Mnu_L_Lvp,
     2,
     "Commutateurs / &profil (*.lvp)...",
     MenuCommand::OuvrirProfil,
     {},
     &FrmXcopy::Mnu_L_Lvp_Click},
    {&FrmXcopy::MnuQuitter, 1, "&Quitter", MenuCommand::Quitter, Ctrl('Q'), &FrmXcopy::MnuQuitter_Click},
    {&FrmXcopy::MnuEdition, 0, "&Edition", MenuCommand::None, {}, nullptr},
    {&FrmXcopy::MnuSelect, 1, "Sélectionner tout", MenuCommand::SelectionnerTout, Ctrl('A'),
     &FrmXcopy::MnuSelect_Click},
    {&FrmXcopy::MnuCouper, 1, "Couper", MenuCommand::Couper, Ctrl('X'), &FrmXcopy::MnuCouper_Click},
    {&FrmXcopy::MnuCopier, 1, "Copier", MenuCommand::Copier, Ctrl('C'), &FrmXcopy::MnuCopier_Click},
    {&FrmXcopy::MnuColler, 1, "Coller", MenuCommand::Coller, Ctrl('V'), &FrmXcopy::MnuColler_Click},
    {&FrmXcopy::MnuTruc, 0, "&?", MenuCommand::None, {}, nullptr},
    {&FrmXcopy::MnuAide, 1, "&Aide", MenuCommand::Aide, kF1, &FrmXcopy::MnuAide_Click},
    {&FrmXcopy::MnuApropos, 1, "À &propos", MenuCommand::APropos, {}, &FrmXcopy::MnuApropos_Click},
}};

// Ctrl + these letters belong to the command boxes while one has the focus: undo, and the
// control characters an edit box reads (backspace, tab, line feed, return). Ctrl + A, C, V
// and X may only be the Edit menu's commands, which act on the box as its own keys would.
constexpr bool ShortcutLeavesTheBoxesTheirKeys(const MenuRow& row) {
    const char key = row.shortcut.ctrlKey;
    for (const char boxKey : {'Z', 'H', 'I', 'J', 'M'})
        if (key == boxKey) return false;
    switch (key) {
        case 'A': return row.command == MenuCommand::SelectionnerTout;
        case 'C': return row.command == MenuCommand::Copier;
        case 'V': return row.command == MenuCommand::Coller;
        case 'X': return row.command == MenuCommand::Couper;
        default: return true;
    }
}

// A row opens a submenu exactly when the next row lies deeper; only leaves have a command,
// every command has one leaf, no two leaves share a shortcut, and no shortcut takes a key
// the command boxes need.
constexpr bool MenuTableIsWellFormed() {
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuRow& row = kMainMenu[i];
        const bool opens = i + 1 < kMainMenu.size() && kMainMenu[i + 1].level > row.level;
        if (!ShortcutLeavesTheBoxesTheirKeys(row)) return false;
        if (i + 1 < kMainMenu.size() && kMainMenu[i + 1].level > row.level + 1) return false;
        if (opens != (row.command == MenuCommand::None)) return false;
        for (std::size_t j = i + 1; j < kMainMenu.size(); ++j) {
            const MenuRow& other = kMainMenu[j];
            if (!opens && other.command == row.command) return false;
            if (row.shortcut.ctrlKey != 0 && other.shortcut.ctrlKey == row.shortcut.ctrlKey) return false;
            if (row.shortcut.f1 && other.shortcut.f1) return false;
        }
    }
    return kMainMenu[0].level == 0;
}
static_assert(MenuTableIsWellFormed(),
              "the menu table must describe a tree of uniquely named commands leaving the boxes their keys");

// The row of a command, or null.
inline const MenuRow* RowOf(MenuCommand command) {
    for (const MenuRow& row : kMainMenu) {
        if (command != MenuCommand::None && row.command == command) return &row;
    }
    return nullptr;
}

}  // namespace lorvane
