#include "app/switch_table.h"

#include <gtest/gtest.h>

#include "app/frm_xcopy.h"
#include "app/window_layout.h"
#include "support/fake_platform.h"

namespace lorvane {
namespace {

// The window's texts go to the ANSI API and the OEM table as Windows-1252 bytes.
TEST(Charset, NarrowLiteralsAreWindows1252) {
    const struct {
        std::string literal;
        std::string bytes;
    } rows[] = {
        {"é", "\xE9"}, {"À", "\xC0"}, {"É", "\xC9"}, {"«", "\xAB"},
        {"»", "\xBB"}, {"°", "\xB0"}, {"è", "\xE8"}, {"ç", "\xE7"},
    };
    for (const auto& row : rows) EXPECT_EQ(row.literal, row.bytes);
}

struct ExpectedSwitch {
    const char* token;
    const char* description;
    bool tickedAtStart;
};

// Written out again here, with the accents as bytes, so a slip in the table or in the
// literal encoding shows.
const ExpectedSwitch kExpected[kSwitchCount] = {
    {"/A", "/A  Avec l'attribut Archive, ne modifie pas l'attribut", false},
    {"/M", "/M  Idem mais Modifie l'attribut", false},
    {"/D", "/D [:date] \xE0 partir de -, sans date > \xE0 heure destination", false},
    {"/P", "/P  Avertit avant de cr\xE9" "er chaque fichier destination.", false},
    {"/S", "/S  Copie les r\xE9pertoires et sous-r\xE9pertoires non vides.", true},
    {"/E", "/E  Idem mais m\xEAme les vides. Utilis\xE9 pour modifier /T", true},
    {"/W", "/W  Demande d'appuyer sur une touche avant la copie", false},
    {"/C", "/C  Continue la copie m\xEAme en cas d'erreurs", true},
    {"/I", "/I  Si une destination n'existe pas, alors r\xE9pertoire", false},
    {"/Q", "/Q  N'affiche pas le nom des fichiers lors de la copie", false},
    {"/F", "/F  Affiche les noms complets source et destination", false},
    {"/L", "/L  Affiche les fichiers qui seraient copi\xE9s (simulation)", false},
    {"/H", "/H  Copie aussi les fichiers syst\xE8me et cach\xE9s", true},
    {"/R", "/R  \xC9" "crase les fichiers en lecture seule", false},
    {"/T", "/T  Cr\xE9" "e arborescence, pas r\xE9pertoires vides (voir /E)", false},
    {"/U", "/U  Met \xE0 jour les fichiers dans destination", false},
    {"/K", "/K  Copie les attributs. Sinon efface lecture seule", false},
    {"/Y", "/Y  \xC9" "crase les fichiers sans avertir", true},
    {"/-Y", "/-Y  Avertit avant l'\xE9" "crasement des fichiers", false},
    {"/N", "/N  Copie avec les noms courts g\xE9n\xE9r\xE9s", false},
};

TEST(SwitchTable, TextsTokensAndStartTicks) {
    for (int i = 0; i < kSwitchCount; ++i) {
        const SwitchRow& row = kSwitchTable[static_cast<std::size_t>(i)];
        EXPECT_EQ(row.description, kExpected[i].description) << "row " << i;
        EXPECT_EQ(TokenFromLabel(row.description), kExpected[i].token) << "row " << i;
        EXPECT_EQ(row.tickedAtStart, kExpected[i].tickedAtStart) << "row " << i;
        // Only /D takes the date; /P, /W, /I and /-Y wait for the user.
        EXPECT_EQ(row.takesDate, i == kSwitchD) << "row " << i;
        EXPECT_EQ(row.asksUser, i == kSwitchP || i == kSwitchW || i == kSwitchI || i == kSwitchMinusY) << "row " << i;
    }
    EXPECT_EQ(std::string(kExpected[kSwitchMinusY].token) + kExpected[kSwitchN].token + kExpected[kSwitchY].token +
                  kExpected[kSwitchH].token,
              "/-Y/N/Y/H");
}

TEST(SwitchTable, TokenIsTheFirstThreeCharactersWithoutBlanks) {
    EXPECT_EQ(TokenFromLabel("/D [:date]"), "/D");
    EXPECT_EQ(TokenFromLabel("/-Y  Avertit"), "/-Y");
    EXPECT_EQ(TokenFromLabel(" /A"), "/A");
    EXPECT_EQ(TokenFromLabel("/\tX"), "/\tX");  // only blanks are trimmed
    EXPECT_EQ(TokenFromLabel("/"), "/");
    EXPECT_EQ(TokenFromLabel(""), "");
}

// A control covering a pixel of its neighbour hides part of it (a tick box cut the first
// character of its label); only a frame holds others.
TEST(WindowLayout, NoControlCoversAnotherAndEachLiesInItsFrame) {
    testing::FakePlatform platform;
    FrmXcopy form(platform);
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    auto inside = [](const Twips& in, const Twips& out) {
        return in.left >= out.left && in.top >= out.top && in.left + in.width <= out.left + out.width &&
               in.top + in.height <= out.top + out.height;
    };
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const Twips a = PlaceInWindow(layout[i], layout);
        if (layout[i].kind == ControlKind::Frame) continue;
        for (const LayoutEntry& frame : layout) {
            if (frame.control == layout[i].container) {
                EXPECT_TRUE(inside(a, frame.place)) << layout[i].id;
            }
        }
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            const Twips b = PlaceInWindow(layout[j], layout);
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(apart || layout[j].kind == ControlKind::Frame) << layout[i].id << " and " << layout[j].id;
        }
    }
}

}  // namespace
}  // namespace lorvane
