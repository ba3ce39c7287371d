#include "app/menu_table.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace lorvane {
namespace {

// The menu as the user reads it, accents as bytes, in display order.
TEST(MenuTable, CaptionsShortcutsAndCommands) {
    const struct {
        const char* caption;
        int level;
        char ctrlKey;
        MenuCommand command;
    } expected[] = {
        {"&Fichier", 0, 0, MenuCommand::None},
        {"&Ex\xE9" "cuter ! (GO)", 1, 'E', MenuCommand::Executer},
        {"&Sauvegarder", 1, 0, MenuCommand::None},
        {"&Activit\xE9 (*.txt)", 2, 'T', MenuCommand::SauverActivite},
        {"Commande Compl\xE8te Ex\xE9" "cutable (*.&Bat)...", 2, 'S', MenuCommand::SauverBatch},
        {"Commutateurs / &profil (*.lvp)...", 2, 0, MenuCommand::SauverProfil},
        {"&Ouvrir", 1, 0, MenuCommand::None},
        {"Derni\xE8re &activit\xE9 enregistr\xE9" "e", 2, 0, MenuCommand::OuvrirActivite},
        {"Commutateurs / &profil (*.lvp)...", 2, 0, MenuCommand::OuvrirProfil},
        {"&Quitter", 1, 'Q', MenuCommand::Quitter},
        {"&Edition", 0, 0, MenuCommand::None},
        {"S\xE9lectionner tout", 1, 'A', MenuCommand::SelectionnerTout},
        {"Couper", 1, 'X', MenuCommand::Couper},
        {"Copier", 1, 'C', MenuCommand::Copier},
        {"Coller", 1, 'V', MenuCommand::Coller},
        {"&?", 0, 0, MenuCommand::None},
        {"&Aide", 1, 0, MenuCommand::Aide},
        {"\xC0 &propos", 1, 0, MenuCommand::APropos},
    };
    testing::FakePlatform platform;
    FrmXcopy form(platform);
    ASSERT_EQ(std::size(expected), kMainMenu.size());
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuRow& row = kMainMenu[i];
        EXPECT_EQ((form.*row.item).Caption(), expected[i].caption) << i;
        EXPECT_EQ(row.level, expected[i].level) << i;
        EXPECT_EQ(row.shortcut.ctrlKey, expected[i].ctrlKey) << i;
        EXPECT_EQ(row.command, expected[i].command) << i;
        EXPECT_EQ(static_cast<bool>((form.*row.item).Click), row.handler != nullptr) << i;
    }
    EXPECT_TRUE(RowOf(MenuCommand::Aide)->shortcut.f1);
    EXPECT_EQ(RowOf(MenuCommand::APropos)->item, &FrmXcopy::MnuApropos);
}

}  // namespace
}  // namespace lorvane
