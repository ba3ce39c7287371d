#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::FormTest;

std::vector<Color> Colors(OptionGroup& group) {
    return {group[0].BackColor(), group[1].BackColor(), group[2].BackColor()};
}

class PickersTest : public FormTest {};

TEST_F(PickersTest, LevelButtonsPaintTheirLevelAndThoseBelowIt) {
    const struct {
        int level;
        std::vector<Color> colors;
        const char* part;
    } rows[] = {
        {1, {kBlue, kBlue, kButtonFace}, "C:\\Docs\\*.* "},
        {2, {kBlue, kBlue, kBlue}, "C:\\Docs\\ "},  // no file chosen yet
        {0, {kBlue, kButtonFace, kButtonFace}, "C:\\. "},
    };
    for (const auto& row : rows) {
        form.Option1[row.level].SetValue(true);
        EXPECT_EQ(Colors(form.Option1), row.colors) << row.level;
        EXPECT_EQ(Source(), row.part) << row.level;
    }
    EXPECT_EQ(Destination(), "C:\\. ");  // the other side is untouched
}

TEST_F(PickersTest, TheCurrentFolderBoxDisablesThePickAndKeepsTheLevel) {
    form.Option1[1].SetValue(true);
    form.ChkSource.SetValue(1);
    EXPECT_EQ(Source(), ". ");
    EXPECT_EQ(Colors(form.Option1), (std::vector<Color>{kButtonFace, kButtonFace, kButtonFace}));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(form.Option1[i].Enabled());
    EXPECT_FALSE(form.Drive1.Enabled());
    EXPECT_FALSE(form.Dir1.Enabled());
    EXPECT_FALSE(form.File1.Enabled());

    form.ChkSource.SetValue(0);
    EXPECT_EQ(Source(), "C:\\Docs\\*.* ");
    EXPECT_EQ(Colors(form.Option1), (std::vector<Color>{kBlue, kBlue, kButtonFace}));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(form.Option1[i].Enabled());
    EXPECT_TRUE(form.Drive1.Enabled() && form.Dir1.Enabled() && form.File1.Enabled());
    EXPECT_EQ(form.Option1.Selected(), 1);
}

TEST_F(PickersTest, ChoosingADriveEndsAtTheDriveLevelOnThatDrive) {
    platform.driveFolders["D:"] = "D:\\Sauvegarde";
    form.Drive2.SetDrive("D:");
    EXPECT_EQ(form.Dir2.Path(), "D:\\Sauvegarde");
    EXPECT_EQ(form.File2.Path(), "D:\\Sauvegarde");
    EXPECT_EQ(form.Option2.Selected(), 0);  // though the folder change chose level 1 on the way
    EXPECT_EQ(Destination(), "D:\\. ");
    EXPECT_EQ(Source(), "C:\\. ");
    // Drive change, then the folder change it causes with its level 1, then level 0 again.
    EXPECT_EQ(builderRuns, (std::vector<std::string>{"d", "d", "d", "d"}));
}

TEST_F(PickersTest, AnUnreadableDriveGoesBackToTheListsDriveWithABeep) {
    platform.unreadableFolders.insert("A:\\");
    form.Option1[1].SetValue(true);
    form.Drive1.SetDrive("A:");
    EXPECT_EQ(form.Drive1.Drive(), "C:");
    EXPECT_EQ(form.Dir1.Path(), "C:\\Docs");
    EXPECT_EQ(form.Option1.Selected(), 0);
    EXPECT_EQ(Source(), "C:\\. ");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PickersTest, AFolderThatCannotBeReadKeepsTheListingAndSaysSo) {
    platform.unreadableFolders.insert("C:\\Docs\\Parti");
    form.OpenFolder(form.Dir1, {"Parti", "C:\\Docs\\Parti", 2});
    EXPECT_EQ(form.Dir1.Path(), "C:\\Docs");
    EXPECT_EQ(form.File1.Path(), "C:\\Docs");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Le dossier \xAB C:\\Docs\\Parti \xBB n'existe plus ou ne peut pas \xEAtre lu.\n"
              "La liste reste sur le dossier pr\xE9" "c\xE9" "dent.");
    EXPECT_EQ(platform.messages[0].title, "Lorvane : dossier inaccessible");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Error);

    // The open folder vanishes under the lists: a click there reports it too.
    platform.unreadableFolders.insert("C:\\Docs");
    form.Dir1.Click();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(form.File1.Path(), "C:\\Docs");
}

TEST_F(PickersTest, ANameWithoutAnExactFormIsRefusedAndChangesNothing) {
    EXPECT_TRUE(form.PickFile(form.File1, {"A__MKD~1.TXT", "", 0}));  // its short name stands for it
    EXPECT_EQ(Source(), "C:\\Docs\\A__MKD~1.TXT ");
    form.OpenFolder(form.Dir1, {"?\xF3" "d?", "", 2, false});
    EXPECT_FALSE(form.PickFile(form.File1, {"a??mkdir X?rem ?.txt", "", 0, false}));
    EXPECT_EQ(form.Dir1.Path() + "|" + form.File1.FileName() + "|" + Source(), "C:\\Docs|A__MKD~1.TXT|C:\\Docs\\A__MKD~1.TXT ");
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& [message, name] : {std::pair{platform.messages[0], "?\xF3" "d?"}, {platform.messages[1], "a??mkdir X?rem ?.txt"}}) {
        EXPECT_EQ(message.text, std::string("Le nom \xAB ") + name +
                                    " \xBB contient des caract\xE8res que les commandes MS-DOS ne peuvent pas \xE9"
                                    "crire, et ce volume ne lui donne pas de nom court.\nIl ne peut pas \xEAtre "
                                    "choisi : renommez-le ou choisissez-en un autre.");
        EXPECT_EQ(message.title, "Lorvane : nom impossible \xE0 \xE9" "crire");
        EXPECT_EQ(message.icon, MsgIcon::Error);
    }
}

class CommandBoxTest : public FormTest {};

TEST_F(CommandBoxTest, MouseUpEnablesCutAndCopyByTheActiveSelection) {
    TextBox& box = form.TxtCmd[3];
    form.ActiveControl = &box;
    box.SetSelStart(0);
    box.SetSelLength(5);
    form.TxtCmd_MouseUp(3);
    EXPECT_TRUE(form.MnuCouper.Enabled() && form.MnuCopier.Enabled());
    box.SetSelStart(2);
    form.TxtCmd_MouseUp(3);
    EXPECT_FALSE(form.MnuCouper.Enabled());
    EXPECT_FALSE(form.MnuCopier.Enabled());
    EXPECT_TRUE(form.MnuColler.Enabled());

    box.SetSelLength(3);
    form.ActiveControl = &form.Check1[kSwitchA];  // no selection there: an empty one
    form.TxtCmd_MouseUp(0);
    EXPECT_FALSE(form.MnuCopier.Enabled());
}

}  // namespace
}  // namespace lorvane
