#include <gtest/gtest.h>

#include "profile/profile_file.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

std::string Lines(const std::vector<const char*>& values) {
    std::string text;
    for (const char* value : values) text += std::string(value) + "\r\n";
    return text;
}

std::string AllCleared() {
    std::string text;
    for (int i = 0; i < kSwitchCount; ++i) text += " 0 \r\n";
    return text;
}

TEST(ProfileFile, WritesTwentyFiveByteLines) {
    SwitchStates states{};
    EXPECT_EQ(ProfileText(states), AllCleared());
    EXPECT_EQ(ProfileText(states).size(), 100u);
    states[4] = 1;
    states[8] = 1;
    states[19] = 2;
    std::string expected = AllCleared();
    expected.replace(4 * 5, 5, " 1 \r\n");
    expected.replace(8 * 5, 5, " 1 \r\n");
    expected.replace(19 * 5, 5, " 2 \r\n");
    EXPECT_EQ(ProfileText(states), expected);
}

TEST(ProfileFile, ReadsLooselyAndJudgesEveryField) {
    const SwitchStates mixed = {1, 0, 2, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0};
    const struct {
        const char* what;
        std::string text;
        ProfileReading::Fault fault;
        int line;
        const char* field;
    } rows[] = {
        {"the program's own", ProfileText(mixed), ProfileReading::Fault::None, 0, ""},
        {"without blanks, LF only",
         "1\n0\n2\n0\n1\n1\n0\n1\n0\n0\n0\n0\n1\n0\n0\n0\n0\n1\n0\n0", ProfileReading::Fault::None, 0, ""},
        {"one line of commas", "1,0,2,0,1,1,0,1,0,0,0,0,1,0,0,0,0,1,0,0\r\n", ProfileReading::Fault::None, 0, ""},
        {"fields after the twentieth", ProfileText(mixed) + "7\r\nrien\r\n", ProfileReading::Fault::None, 0, ""},
        {"commas over lines, blank lines, tabs",
         "1, 0,\t2 ,\r\n\r\n0,1,1,0,1,0,0,\n0,0,1,0,0,0,0,1,0,0", ProfileReading::Fault::None, 0, ""},
        {"short", Lines({"1", "0", "1"}), ProfileReading::Fault::TooShort, 4, ""},
        {"empty", "", ProfileReading::Fault::TooShort, 1, ""},
        {"not a number", Lines({"1", "0", "oui"}), ProfileReading::Fault::NotAState, 3, "oui"},
        {"not a state", "0,0,0\r\n3", ProfileReading::Fault::NotAState, 2, "3"},
        {"negative", " -1 ", ProfileReading::Fault::NotAState, 1, "-1"},
        {"empty field", "1,,0", ProfileReading::Fault::NotAState, 1, ""},
    };
    for (const auto& row : rows) {
        const ProfileReading reading = ReadProfile(row.text);
        EXPECT_EQ(reading.fault, row.fault) << row.what;
        if (row.fault == ProfileReading::Fault::None) {
            EXPECT_EQ(reading.states, mixed) << row.what;
        } else {
            EXPECT_EQ(reading.line, row.line) << row.what;
            EXPECT_EQ(reading.field, row.field) << row.what;
        }
    }
}

class ProfilesTest : public testing::FormTest {
protected:
    const std::string path = "C:\\Profils\\essai.lvp";
};

TEST_F(ProfilesTest, SavingAsksThenWritesTheTickStates) {
    form.Check1[kSwitchI].SetValue(1);
    form.Check1[kSwitchE].SetValue(0);
    form.Check1[kSwitchC].SetValue(0);
    form.Check1[kSwitchH].SetValue(0);
    form.Check1[kSwitchY].SetValue(0);
    form.TxtCmd[2].SetText("/tap\xE9");  // a hand edit shows in the question only
    platform.fileDialogAnswers = {path};
    form.Mnu_S_Lvp.Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Enregistrer le profil (arguments) \n[Nom choisi plus loin ...]\n/tap\xE9 ?");
    EXPECT_EQ(platform.messages[0].title, "\xB0Lorvane\xB0");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
    const FileDialogRequest& dialog = platform.fileDialogs.at(0);
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.defaultExt, "lvp");
    EXPECT_EQ(dialog.filter, "PROFILS Lorvane|*.lvp");
    EXPECT_EQ(dialog.initialDir, "C:\\Lorvane");
    EXPECT_EQ(dialog.title, "Enregistrer le profil sous");
    std::string expected = AllCleared();
    expected.replace(4 * 5, 5, " 1 \r\n");
    expected.replace(8 * 5, 5, " 1 \r\n");
    EXPECT_EQ(platform.files[path], expected);
    EXPECT_EQ(platform.files.size(), 1u);
}

TEST_F(ProfilesTest, NoOrCancelWritesNothing) {
    platform.messageAnswers = {MsgResult::No};
    platform.fileDialogAnswers = {path};
    form.Mnu_S_Lvp.Click();
    EXPECT_TRUE(platform.fileDialogs.empty());
    platform.fileDialogAnswers = {""};
    form.Mnu_S_Lvp.Click();
    form.Mnu_L_Lvp.Click();
    EXPECT_TRUE(platform.files.empty());
    EXPECT_EQ(Switches(), "/S /E /C /H /Y ");
}

TEST_F(ProfilesTest, AFailedWriteSaysSo) {
    platform.failAt = testing::FileStep::Move;
    platform.fileDialogAnswers = {path};
    form.Mnu_S_Lvp.Click();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text,
              "Le profil \xAB C:\\Profils\\essai.lvp \xBB n'a pas pu \xEAtre enregistr\xE9.\n"
              "Le fichier qui portait ce nom, s'il existait, est intact.");
    EXPECT_EQ(platform.messages[1].icon, MsgIcon::Error);
}

TEST_F(ProfilesTest, LoadingRunsTheRulesOfEachChangedBoxInOrder) {
    SwitchStates states{};
    states[2] = 1;  // /D: the date is asked during the loading
    states[4] = 1;
    states[5] = 2;
    platform.files[path] = ProfileText(states);
    platform.fileDialogAnswers = {path};
    platform.inputAnswers = {"1/2/2003"};
    form.Mnu_L_Lvp.Click();
    const FileDialogRequest& dialog = platform.fileDialogs.at(0);
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(dialog.title, "Ouvril un profil (arguments)");
    EXPECT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(Switches(), "/D:01/02/2003  /S ");
    EXPECT_EQ(form.Check1[kSwitchE].Value(), 2);
    EXPECT_EQ(builderRuns.size(), 5u);  // boxes 2, 5, 7, 12 and 17 changed
}

TEST_F(ProfilesTest, LoadingTheSameStatesChangesNothing) {
    SwitchStates states{};
    for (int i : {4, 5, 7, 12, 17}) states[static_cast<std::size_t>(i)] = 1;
    platform.files[path] = ProfileText(states);
    form.TxtCmd[2].SetText("/main ");
    builderRuns.clear();
    platform.fileDialogAnswers = {path};
    form.Mnu_L_Lvp.Click();
    EXPECT_TRUE(builderRuns.empty());
    EXPECT_EQ(Switches(), "/main ");
}

TEST_F(ProfilesTest, AConflictDuringLoadingIsAskedOnce) {
    form.mnu_s_activite.SetChecked(true);
    platform.files[path] = "0,0,0,1,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0";
    platform.fileDialogAnswers = {path};
    platform.messageAnswers = {MsgResult::Yes};
    form.Mnu_L_Lvp.Click();
    ASSERT_EQ(platform.messages.size(), 1u);  // for /P; recording is then off for /W
    EXPECT_NE(platform.messages[0].text.find("( /P "), std::string::npos);
    EXPECT_FALSE(form.mnu_s_activite.Checked());
    EXPECT_EQ(Switches(), "/P /W ");
}

TEST_F(ProfilesTest, ABadProfileChangesNothingAndNamesItsLine) {
    const struct {
        std::string content;
        bool unreadable;
        const char* message;
    } rows[] = {
        {Lines({"1", "1", "1"}), false,
         "Le profil \xAB C:\\Profils\\essai.lvp \xBB est incomplet : il s'arr\xEAte \xE0 la ligne 4 "
         "avant la vingti\xE8me valeur.\nAucun commutateur n'a \xE9t\xE9 modifi\xE9."},
        {Lines({"1", "1", "x", "1"}), false,
         "Le profil \xAB C:\\Profils\\essai.lvp \xBB est incorrect \xE0 la ligne 3 : \xAB x \xBB n'est "
         "pas 0, 1 ou 2.\nAucun commutateur n'a \xE9t\xE9 modifi\xE9."},
        {AllCleared(), true,
         "Le profil \xAB C:\\Profils\\essai.lvp \xBB ne peut pas \xEAtre lu.\nAucun commutateur n'a "
         "\xE9t\xE9 modifi\xE9."},
    };
    for (const auto& row : rows) {
        platform.files[path] = row.content;
        platform.unreadableFiles.clear();
        if (row.unreadable) platform.unreadableFiles.insert(path);
        platform.messages.clear();
        builderRuns.clear();
        platform.fileDialogAnswers = {path};
        form.Mnu_L_Lvp.Click();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, row.message);
        EXPECT_EQ(platform.messages[0].title, "Lorvane : profil");
        EXPECT_TRUE(builderRuns.empty());
        EXPECT_EQ(Switches(), "/S /E /C /H /Y ");
    }
}

}  // namespace
}  // namespace lorvane
