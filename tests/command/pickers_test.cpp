#include "command/command_texts.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::MessageRequest;
using PickersTest = testing::FormTest;

std::vector<Color> Colors(OptionGroup& group) {
    return {group[0].BackColor(), group[1].BackColor(), group[2].BackColor()};
}

TEST_F(PickersTest, LevelButtonsPaintTheirLevelAndThoseBelowItAndTheCurrentFolderBoxKeepsTheLevel) {
    const std::tuple<int, std::vector<Color>, const char*> rows[] = {
        {2, {kBlue, kBlue, kBlue}, "C:\\Docs\\ "},  // no file chosen yet
        {0, {kBlue, kButtonFace, kButtonFace}, "C:\\. "},
        {1, {kBlue, kBlue, kButtonFace}, "C:\\Docs\\*.* "},
    };
    for (const auto& [level, colors, part] : rows) {
        form.Option1[level].SetValue(true);
        EXPECT_EQ(std::tuple(Colors(form.Option1), Source()), std::tuple(colors, part)) << level;
    }
    EXPECT_EQ(Destination(), "C:\\. ");  // the other side is untouched

    const Control* const pick[] = {&form.Option1[0], &form.Option1[1], &form.Option1[2],
                                   &form.Drive1,     &form.Dir1,       &form.File1};
    for (const int ticked : {1, 0}) {  // ticked, the pick is disabled; unticked, back at its level
        form.ChkSource.SetValue(ticked);
        const std::vector<Color> colors = ticked ? std::vector(3, kButtonFace) : std::vector{kBlue, kBlue, kButtonFace};
        EXPECT_EQ(std::tuple(Source(), Colors(form.Option1)), std::tuple(ticked ? ". " : "C:\\Docs\\*.* ", colors));
        for (const Control* control : pick) EXPECT_EQ(control->Enabled(), !ticked);
    }
    EXPECT_EQ(form.Option1.Selected(), 1);
}

TEST_F(PickersTest, ADriveEndsAtTheDriveLevelOnThatDriveAndAnUnreadableOneGoesBackWithABeep) {
    platform.driveFolders["D:"] = "D:\\Sauvegarde";
    form.Drive2.SetDrive("D:");
    // Level 0, though the folder change chose level 1 on the way.
    EXPECT_EQ(std::tuple(form.Dir2.Path(), form.File2.Path(), form.Option2.Selected(), Destination(), Source()),
              std::tuple("D:\\Sauvegarde", "D:\\Sauvegarde", 0, "D:\\. ", "C:\\. "));
    // Drive change, then the folder change it causes with its level 1, then level 0 again.
    EXPECT_EQ(builderRuns, (std::vector<std::string>{"d", "d", "d", "d"}));

    platform.unreadableFolders.insert("A:\\");
    form.Option1[1].SetValue(true);
    form.Drive1.SetDrive("A:");
    EXPECT_EQ(std::tuple(form.Drive1.Drive(), form.Dir1.Path(), form.Option1.Selected(), Source(), platform.beeps),
              std::tuple("C:", "C:\\Docs", 0, "C:\\. ", 1));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PickersTest, AFolderThatCannotBeReadKeepsTheListingAndSaysSo) {
    platform.unreadableFolders.insert("C:\\Docs\\Parti");
    form.OpenFolder(form.Dir1, {"Parti", "C:\\Docs\\Parti", 2});
    EXPECT_EQ(std::tuple(form.Dir1.Path(), form.File1.Path()), std::tuple("C:\\Docs", "C:\\Docs"));
    EXPECT_EQ(platform.messages,
              (std::vector<MessageRequest>{{texts::UnreadableFolder("C:\\Docs\\Parti"), texts::kUnreadableFolderTitle,
                                            MsgButtons::Ok, MsgIcon::Error}}));

    // A click that opens nothing, and Backspace at a root, ask nothing of the system: on a server
    // gone, each would cost the whole wait.
    platform.unreadableFolders.insert("C:\\Docs");
    form.Dir1.Click();
    form.Dir2.SetPath(platform, "C:\\");
    platform.unreadableFolders.insert("C:\\");
    form.OpenFolder(form.Dir2, {"C:\\", "C:\\", 0});
    EXPECT_EQ(std::tuple(platform.messages.size(), form.File1.Path(), form.Dir2.Path()),
              std::tuple(1u, "C:\\Docs", "C:\\"));
}

// Names are picked as the system gives them, in any script: the console's conversion judges them.
TEST_F(PickersTest, NamesArePickedAsTheyAre) {
    form.OpenFolder(form.Dir1, {"Łódź", "", 2});  // a subfolder of the open folder
    form.PickFile(form.File1, {"Москва ＂＆.txt", "", 0});
    EXPECT_EQ(std::tuple(Source(), platform.messages.size()), std::tuple("\"C:\\Docs\\Łódź\\Москва ＂＆.txt\" ", 0u));
}

// A name the system would read as another (as "foo" for "foo.", the sibling) goes by its short name, in the lists and
// the command line; with none, or one the system would change too, a message names it and nothing changes.
TEST_F(PickersTest, NamesTheSystemWouldChangeGoByTheirShortNamesOrAreRefused) {
    const std::tuple<const char*, bool, const char*, const char*, std::string> rows[] = {
        {"foo.", false, "FOO_~YAG", "foo.", texts::kEndsWithDot},
        {"bar ", false, "BAR_~XYM", "bar[espace]", texts::kEndsWithBlank},
        {"q?\t\u200Bx", false, "Q_X~~DPV", "q?[U+0009][U+200B]x", texts::HoldsReservedCharacter("?")},
        {"a:b", false, "A:B~~GIS", "a:b", texts::HoldsReservedCharacter(":")},  // Wine's; no better
        {"back\\slash", false, "BACK~M30", "back\\slash", texts::HoldsReservedCharacter("\\")},
        {"x\uFFFD", true, "X_~1", "x\uFFFD", texts::kHoldsLoneSurrogate},  // half a UTF-16 pair, converted
    };
    for (const auto& [name, lone, shortName, shown, cause] : rows) {
        for (const std::string given : {shortName, ""}) {
            Forget();
            const bool usable = !given.empty() && given.find(':') == std::string::npos;
            const FolderEntry entry{name, "", 2, given, lone};
            const std::string before = Source(), path = usable ? "C:\\Docs\\" + given : "C:\\Docs";
            form.PickFile(form.File1, entry);
            const std::string picked = Source();
            form.OpenFolder(form.Dir1, entry);
            EXPECT_EQ(std::tuple(picked, form.Dir1.Path()), std::tuple(usable ? path + " " : before, path));
            const MessageRequest said{texts::UnspellableName(shown, cause), texts::kUnspellableNameTitle,
                                      MsgButtons::Ok, MsgIcon::Error};
            EXPECT_EQ(platform.messages, std::vector(usable ? 0 : 2, said)) << name << given;
            form.OpenFolder(form.Dir1, {"Docs", "C:\\Docs", 1});
        }
    }
    form.DropOnSide(false, {"D:\\Linux\\foo.\\a.txt"});  // the shell gives no short name
    EXPECT_EQ(std::tuple(platform.messages.back().text, Source()),
              std::tuple(texts::UnspellableName("foo.", texts::kEndsWithDot), "C:\\Docs\\*.* "));
}

// Dropped from the shell, a folder opens on its side and a file is clicked there; of
// several, the first with a beep; a path gone is refused.
TEST_F(PickersTest, DroppedFoldersAndFiles) {
    platform.files["D:\\Photos\\a b.jpg"] = "x";
    platform.unreadableFolders = {"D:\\parti"};
    form.ChkDestination.SetValue(1);
    form.DropOnSide(true, {"D:\\Photos"});
    EXPECT_EQ(std::tuple(form.ChkDestination.Value(), form.Drive2.Drive(), Destination()),
              std::tuple(0, "D:", "D:\\Photos\\*.* "));
    form.Option2[0].SetValue(true);
    form.DropOnSide(true, {"D:\\Photos"});  // the open folder again: the level follows all the same
    EXPECT_EQ(Destination(), "D:\\Photos\\*.* ");
    form.DropOnSide(false, {"D:\\Photos\\a b.jpg", "D:\\Photos"});
    EXPECT_EQ(std::tuple(Source(), form.File1.FileName(), platform.beeps, platform.messages.size()),
              std::tuple("\"D:\\Photos\\a b.jpg\" ", "a b.jpg", 1, 0u));
    form.DropOnSide(true, {"\\\\nas\\sauvegardes"});  // a share: its two separators stay
    EXPECT_EQ(std::tuple(form.Drive2.Drive(), Destination(), platform.beeps),
              std::tuple("", "\\\\nas\\sauvegardes\\*.* ", 1));
    form.DropOnSide(false, {"D:\\parti"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, texts::kUnreadableFolderTitle);
    EXPECT_EQ(Source(), "\"D:\\Photos\\a b.jpg\" ");
    EXPECT_EQ(std::tuple(form.DropSideOf(&form.TxtCmd[0]), form.DropSideOf(&form.TxtCmd[1]),
                         form.DropSideOf(&form.Check1[kSwitchA])),
              std::tuple(0, 1, -1));
}

}  // namespace
}  // namespace lorvane
