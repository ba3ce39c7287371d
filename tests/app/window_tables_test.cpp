// The window's tables: its texts, menu, switches and layout.
#include "app/menu_table.h"
#include "app/window_layout.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

// The window's texts are UTF-8 inside, whatever the compiler's own character set.
TEST(Charset, NarrowLiteralsAreUtf8) { EXPECT_EQ(std::string("éÀ«°"), "\xC3\xA9\xC3\x80\xC2\xAB\xC2\xB0"); }

// Token, description and start tick, written out again here, so a slip in the table shows.
const std::tuple<const char*, const char*, bool> kExpected[kSwitchCount] = {
    {"/A", "/A  Avec l'attribut Archive, ne modifie pas l'attribut", false},
    {"/M", "/M  Idem mais Modifie l'attribut", false},
    {"/D", "/D [:date] à partir de -, sans date > à heure destination", false},
    {"/P", "/P  Avertit avant de créer chaque fichier destination.", false},
    {"/S", "/S  Copie les répertoires et sous-répertoires non vides.", true},
    {"/E", "/E  Idem mais même les vides. Utilisé pour modifier /T", true},
    {"/W", "/W  Demande d'appuyer sur une touche avant la copie", false},
    {"/C", "/C  Continue la copie même en cas d'erreurs", true},
    {"/I", "/I  Si une destination n'existe pas, alors répertoire", false},
    {"/Q", "/Q  N'affiche pas le nom des fichiers lors de la copie", false},
    {"/F", "/F  Affiche les noms complets source et destination", false},
    {"/L", "/L  Affiche les fichiers qui seraient copiés (simulation)", false},
    {"/H", "/H  Copie aussi les fichiers système et cachés", true},
    {"/R", "/R  Écrase les fichiers en lecture seule", false},
    {"/T", "/T  Crée arborescence, pas répertoires vides (voir /E)", false},
    {"/U", "/U  Met à jour les fichiers dans destination", false},
    {"/K", "/K  Copie les attributs. Sinon efface lecture seule", false},
    {"/Y", "/Y  Écrase les fichiers sans avertir", true},
    {"/-Y", "/-Y  Avertit avant l'écrasement des fichiers", false},
    {"/N", "/N  Copie avec les noms courts générés", false},
};

TEST(SwitchTable, TextsTokensAndStartTicks) {
    for (int i = 0; i < kSwitchCount; ++i) {
        const SwitchRow& row = kSwitchTable[static_cast<std::size_t>(i)];
        // Only /D takes the date; /P, /W, /I and /-Y wait for the user.
        const bool asks = i == kSwitchP || i == kSwitchW || i == kSwitchI || i == kSwitchMinusY;
        EXPECT_EQ(std::tuple(TokenFromLabel(row.description), row.description, row.tickedAtStart, row.takesDate,
                             row.asksUser),
                  std::tuple_cat(kExpected[i], std::tuple(i == kSwitchD, asks)));
    }
    const std::pair<int, const char*> named[] = {
        {kSwitchMinusY, "/-Y"}, {kSwitchN, "/N"}, {kSwitchY, "/Y"}, {kSwitchH, "/H"}};
    for (const auto& [i, token] : named) EXPECT_STREQ(std::get<0>(kExpected[i]), token);
}

TEST(SwitchTable, TokenIsTheFirstThreeCharactersWithoutBlanks) {
    const std::pair<const char*, const char*> rows[] = {
        {"/D [:date]", "/D"}, {"/-Y  Avertit", "/-Y"}, {" /A", "/A"}, {"/\tX", "/\tX"}, {"/", "/"}, {"", ""}};
    for (const auto& [label, token] : rows) EXPECT_EQ(TokenFromLabel(label), token) << label;  // only blanks go
}

// The menu as the user reads it, accents as bytes, in display order.
using WindowTablesTest = testing::FormTest;

TEST_F(WindowTablesTest, MenuCaptionsShortcutsAndCommands) {
    const std::tuple<const char*, int, char, MenuCommand> expected[] = {
        // caption, level, Ctrl+key, command
        {"&Fichier", 0, 0, MenuCommand::None},
        {"&Exécuter ! (GO)", 1, 'E', MenuCommand::Executer},
        {"&Sauvegarder", 1, 0, MenuCommand::None},
        {"&Activité (*.txt)", 2, 'T', MenuCommand::SauverActivite},
        {"Commande Complète Exécutable (*.&Bat)...", 2, 'S', MenuCommand::SauverBatch},
        {"Commutateurs / &profil (*.lvp)...", 2, 0, MenuCommand::SauverProfil},
        {"&Ouvrir", 1, 0, MenuCommand::None},
        {"Dernière &activité enregistrée", 2, 0, MenuCommand::OuvrirActivite},
        {"Commutateurs / &profil (*.lvp)...", 2, 0, MenuCommand::OuvrirProfil},
        {"&Quitter", 1, 'Q', MenuCommand::Quitter},
        {"&Edition", 0, 0, MenuCommand::None},
        {"Sélectionner tout", 1, 'A', MenuCommand::SelectionnerTout},
        {"Couper", 1, 'X', MenuCommand::Couper},
        {"Copier", 1, 'C', MenuCommand::Copier},
        {"Coller", 1, 'V', MenuCommand::Coller},
        {"&?", 0, 0, MenuCommand::None},
        {"&Aide", 1, 0, MenuCommand::Aide},
        {"À &propos", 1, 0, MenuCommand::APropos},
    };
    ASSERT_EQ(std::size(expected), kMainMenu.size());
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuRow& row = kMainMenu[i];
        const MenuItem& item = form.*row.item;
        EXPECT_EQ(
            std::tuple(item.Caption(), row.level, row.shortcut.ctrlKey, row.command, static_cast<bool>(item.Click)),
            std::tuple_cat(expected[i], std::tuple(row.handler != nullptr)));
    }
    EXPECT_TRUE(RowOf(MenuCommand::Aide)->shortcut.f1);
    EXPECT_EQ(RowOf(MenuCommand::APropos)->item, &FrmXcopy::MnuApropos);
}

// A control covering a pixel of its neighbour hides part of it (a tick box cut the first
// character of its label); only a frame holds others.
TEST_F(WindowTablesTest, NoControlCoversAnotherAndEachLiesInItsFrame) {
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    // The frames and the window as the rows they hold make them.
    auto rect = [](const Twips& t) { return std::array{t.left, t.top, t.width, t.height}; };
    std::vector<std::pair<const Control*, std::array<int, 4>>> frames;
    for (const LayoutEntry& entry : layout)
        if (entry.kind == ControlKind::Frame) frames.emplace_back(entry.control, rect(entry.place));
    EXPECT_EQ(frames, (decltype(frames){{&form.Frame1, {0, 0, 2895, 5175}},
                                        {&form.Frame2, {2880, 0, 2895, 5175}},
                                        {&form.Frame3, {5760, 0, 4575, 5175}},
                                        {&form.Frame4, {0, 5160, 10335, 2535}}}));
    EXPECT_EQ(rect(MainClientArea(layout)), (std::array{0, 0, 10425, 7785}));
    auto inside = [](const Twips& in, const Twips& out) {
        return in.left >= out.left && in.top >= out.top && in.left + in.width <= out.left + out.width &&
               in.top + in.height <= out.top + out.height;
    };
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const Twips a = PlaceInWindow(layout[i], layout);
        if (layout[i].kind == ControlKind::Frame) continue;
        for (const LayoutEntry& frame : layout)
            EXPECT_TRUE(frame.control != layout[i].container || inside(a, frame.place)) << layout[i].id;
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            const Twips b = PlaceInWindow(layout[j], layout);
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                               b.top + b.height <= a.top;
            EXPECT_TRUE(apart || layout[j].kind == ControlKind::Frame) << layout[i].id << " and " << layout[j].id;
        }
    }
}

}  // namespace
}  // namespace lorvane
