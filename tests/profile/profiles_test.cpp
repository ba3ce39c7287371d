#include "profile/profile_file.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::MessageRequest;

// The program's own text: " n \r\n" for each switch, every state 0 but those given.
std::string Expected(std::initializer_list<std::pair<int, char>> states) {
    std::string text;
    for (int i = 0; i < kSwitchCount; ++i) text += " 0 \r\n";
    for (const auto& [index, state] : states) text[static_cast<std::size_t>(index) * 5 + 1] = state;
    return text;
}

TEST(ProfileFile, WritesTwentyFiveByteLines) {
    EXPECT_EQ(ProfileText(SwitchStates{}), Expected({}));
    EXPECT_EQ(ProfileText({0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}),
              Expected({{4, '1'}, {8, '1'}, {19, '2'}}));
}

TEST(ProfileFile, ReadsLooselyAndJudgesEveryField) {
    using Fault = ProfileReading::Fault;
    const SwitchStates mixed = {1, 0, 2, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0};
    const std::tuple<const char*, std::string, Fault, int, const char*> rows[] = {
        // line and field of a fault
        {"the program's own", ProfileText(mixed), Fault::None, 0, ""},
        {"without blanks, LF only", "1\n0\n2\n0\n1\n1\n0\n1\n0\n0\n0\n0\n1\n0\n0\n0\n0\n1\n0\n0", Fault::None, 0, ""},
        {"one line of commas", "1,0,2,0,1,1,0,1,0,0,0,0,1,0,0,0,0,1,0,0\r\n", Fault::None, 0, ""},
        {"fields after the twentieth", ProfileText(mixed) + "7\r\nrien\r\n", Fault::None, 0, ""},
        {"commas over lines, blank lines, tabs", "1, 0,\t2 ,\r\n\r\n0,1,1,0,1,0,0,\n0,0,1,0,0,0,0,1,0,0", Fault::None,
         0, ""},
        {"short", "1\r\n0\r\n1\r\n", Fault::TooShort, 4, ""},
        {"empty", "", Fault::TooShort, 1, ""},
        {"not a number", "1\r\n0\r\noui\r\n", Fault::NotAState, 3, "oui"},
        {"not a state", "0,0,0\r\n3", Fault::NotAState, 2, "3"},
        {"negative", " -1 ", Fault::NotAState, 1, "-1"},
        {"empty field", "1,,0", Fault::NotAState, 1, ""},
    };
    for (const auto& [what, text, fault, line, field] : rows) {
        const ProfileReading reading = ReadProfile(text);
        EXPECT_EQ(reading.fault, fault) << what;
        if (fault == Fault::None) {
            EXPECT_EQ(reading.states, mixed) << what;
        } else {
            EXPECT_EQ(reading.line, line) << what;
            EXPECT_EQ(reading.field, field) << what;
        }
    }
}

class ProfilesTest : public testing::FormTest {
protected:
    void Choose(MenuItem& item) {
        platform.fileDialogAnswers = {path};
        item.Click();
    }
    const std::string path = "C:\\Profils\\essai.lvp";
};

TEST_F(ProfilesTest, SavingAsksThenWritesTheTickStatesAndAFailedWriteSaysSo) {
    form.Check1[kSwitchI].SetValue(1);
    for (int index : {kSwitchE, kSwitchC, kSwitchH, kSwitchY}) form.Check1[static_cast<std::size_t>(index)].SetValue(0);
    form.TxtCmd[2].SetText("/tap\xE9");  // a hand edit shows in the question only
    Choose(form.Mnu_S_Lvp);
    EXPECT_EQ(
        platform.messages,
        (std::vector<MessageRequest>{{"Enregistrer le profil (arguments) \n[Nom choisi plus loin ...]\n/tap\xE9 ?",
                                      "\xB0Lorvane\xB0", MsgButtons::YesNo, MsgIcon::Question}}));
    EXPECT_EQ(Described(platform.fileDialogs.at(0)),
              "save|lvp|PROFILS Lorvane|*.lvp|C:\\Lorvane|Enregistrer le profil sous");
    EXPECT_EQ(platform.files, (std::map<std::string, std::string>{{path, Expected({{4, '1'}, {8, '1'}})}}));

    Forget();
    const auto before = platform.files;
    platform.failAt = testing::FileStep::Move;
    Choose(form.Mnu_S_Lvp);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1], (MessageRequest{"Le profil \xAB C:\\Profils\\essai.lvp \xBB n'a pas pu \xEAtre "
                                                    "enregistr\xE9.\nLe fichier qui portait ce nom, s'il existait, est "
                                                    "intact.",
                                                    "Lorvane : profil", MsgButtons::Ok, MsgIcon::Error}));
    EXPECT_EQ(platform.files, before);
}

TEST_F(ProfilesTest, NoOrCancelWritesNothing) {
    platform.messageAnswers = {MsgResult::No};
    Choose(form.Mnu_S_Lvp);
    EXPECT_TRUE(platform.fileDialogs.empty());
    platform.fileDialogAnswers = {""};
    form.Mnu_S_Lvp.Click();
    form.Mnu_L_Lvp.Click();
    EXPECT_TRUE(platform.files.empty());
    EXPECT_EQ(Switches(), "/S /E /C /H /Y ");
}

TEST_F(ProfilesTest, LoadingRunsTheRulesOfEachChangedBoxInOrderAndTheSameStatesChangeNothing) {
    platform.files[path] = Expected({{2, '1'}, {4, '1'}, {5, '2'}});  // /D: the date is asked during the loading
    platform.inputAnswers = {"1/2/2003"};
    Choose(form.Mnu_L_Lvp);
    EXPECT_EQ(Described(platform.fileDialogs.at(0)),
              "open|lvp|PROFILS Lorvane|*.lvp|C:\\Lorvane|Ouvril un profil (arguments)");
    EXPECT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(Switches(), "/D:01/02/2003  /S ");
    EXPECT_EQ(form.Check1[kSwitchE].Value(), 2);
    EXPECT_EQ(builderRuns.size(), 5u);  // boxes 2, 5, 7, 12 and 17 changed

    form.TxtCmd[2].SetText("/main ");
    Forget();
    Choose(form.Mnu_L_Lvp);
    EXPECT_TRUE(builderRuns.empty());
    EXPECT_TRUE(platform.inputs.empty());
    EXPECT_EQ(Switches(), "/main ");
}

TEST_F(ProfilesTest, AConflictDuringLoadingIsAskedOnce) {
    form.mnu_s_activite.SetChecked(true);
    platform.files[path] = "0,0,0,1,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0";
    platform.messageAnswers = {MsgResult::Yes};
    Choose(form.Mnu_L_Lvp);
    ASSERT_EQ(platform.messages.size(), 1u);  // for /P; recording is then off for /W
    EXPECT_NE(platform.messages[0].text.find("( /P "), std::string::npos);
    EXPECT_FALSE(form.mnu_s_activite.Checked());
    EXPECT_EQ(Switches(), "/P /W ");
}

TEST_F(ProfilesTest, ABadProfileChangesNothingAndNamesItsLine) {
    const std::tuple<std::string, bool, const char*> rows[] = {
        // content, unreadable, message
        {"1\r\n1\r\n1\r\n", false,
         "Le profil \xAB C:\\Profils\\essai.lvp \xBB est incomplet : il s'arr\xEAte \xE0 la ligne 4 "
         "avant la vingti\xE8me valeur.\nAucun commutateur n'a \xE9t\xE9 modifi\xE9."},
        {"1\r\n1\r\nx\r\n1\r\n", false,
         "Le profil \xAB C:\\Profils\\essai.lvp \xBB est incorrect \xE0 la ligne 3 : \xAB x \xBB n'est "
         "pas 0, 1 ou 2.\nAucun commutateur n'a \xE9t\xE9 modifi\xE9."},
        {Expected({}), true,
         "Le profil \xAB C:\\Profils\\essai.lvp \xBB ne peut pas \xEAtre lu.\nAucun commutateur n'a "
         "\xE9t\xE9 modifi\xE9."},
    };
    for (const auto& [content, unreadable, message] : rows) {
        platform.files[path] = content;
        platform.unreadableFiles.clear();
        if (unreadable) platform.unreadableFiles.insert(path);
        Forget();
        Choose(form.Mnu_L_Lvp);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, message);
        EXPECT_EQ(platform.messages[0].title, "Lorvane : profil");
        EXPECT_TRUE(builderRuns.empty());
        EXPECT_EQ(Switches(), "/S /E /C /H /Y ");
    }
}

}  // namespace
}  // namespace lorvane
