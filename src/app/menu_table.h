#pragma once
// The main window's menu, one row per item: its place in the tree, its caption, its command
// name and shortcut, and its handler. The window, the shortcut keys and the tests all read
// this table; a new command is a row here, its handler and its test.

#include <array>

#include "app/frm_xcopy.h"

namespace lorvane {

// The command of each leaf item, also its stable command ID for automation.
enum class MenuCommand : int {
    None = 0,  // a submenu
    Executer = 701,
    SauverActivite,
    SauverBatch,
    SauverProfil,
    OuvrirActivite,
    OuvrirProfil,
    Quitter,
    SelectionnerTout,
    Couper,
    Copier,
    Coller,
    Aide,
    APropos,
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

// A row opens a submenu exactly when the next row lies deeper; only leaves have a command,
// every command has one leaf, and no two leaves share a shortcut.
constexpr bool MenuTableIsWellFormed() {
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuRow& row = kMainMenu[i];
        const bool opens = i + 1 < kMainMenu.size() && kMainMenu[i + 1].level > row.level;
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
static_assert(MenuTableIsWellFormed(), "the menu table must describe a tree of uniquely named commands");

// The row of a command, or null.
inline const MenuRow* RowOf(MenuCommand command) {
    for (const MenuRow& row : kMainMenu) {
        if (command != MenuCommand::None && row.command == command) return &row;
    }
    return nullptr;
}

}  // namespace lorvane
