#include "app/window_texts.h"
#include "profile/profile_file.h"
#include "profile/profile_texts.h"
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

// ASCII text as an editor saving "Unicode" writes it: a byte order mark, two bytes a character.
std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

TEST(ProfileFile, ReadsLooselyAndJudgesEveryField) {
    using Fault = ProfileReading::Fault;
    const SwitchStates mixed = {1, 0, 2, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0};
    const std::tuple<const char*, std::string, Fault, int, const char*> rows[] = {
        {"the program's own", ProfileText(mixed), Fault::None, 0, ""},
        {"without blanks, LF only", "1\n0\n2\n0\n1\n1\n0\n1\n0\n0\n0\n0\n1\n0\n0\n0\n0\n1\n0\n0", Fault::None, 0, ""},
        {"one line of commas, a sign", "+000001,0,2,0,1,1,0,1,0,0,0,0,1,0,0,0,0,1,0,0\r\n", Fault::None, 0, ""},
        {"fields after the twentieth", ProfileText(mixed) + "7\r\nrien\r\n", Fault::None, 0, ""},
        {"commas over lines, blank lines, tabs", "1, 0,\t2 ,\r\n\r\n0,1,1,0,1,0,0,\n0,0,1,0,0,0,0,1,0,0", Fault::None,
         0, ""},
        {"after a byte order mark", "\xEF\xBB\xBF" + ProfileText(mixed), Fault::None, 0, ""},
        {"UTF-16, little endian", Utf16(ProfileText(mixed), false), Fault::None, 0, ""},
        {"UTF-16, big endian", Utf16(ProfileText(mixed), true), Fault::None, 0, ""},
        {"UTF-16 with a bad field", Utf16("1\r\nnon\r\n", false), Fault::NotAState, 2, "non"},
        {"short", "1\r\n0\r\n1\r\n", Fault::TooShort, 4, ""},
        {"empty", "", Fault::TooShort, 1, ""},
        {"not a number, after an empty line", "1\n\noui\r\n", Fault::NotAState, 3, "oui"},
        {"a character below the digits", "1,/1", Fault::NotAState, 1, "/1"},
        {"not a state", "0,0,0\r\n3", Fault::NotAState, 2, "3"},
        {"negative", " -1 ", Fault::NotAState, 1, "-1"},
        {"empty field", "1,,0", Fault::NotAState, 1, ""},
    };
    for (const auto& [what, text, fault, line, field] : rows) {
        const ProfileReading reading = ReadProfile(text);
        EXPECT_EQ(std::tuple(reading.fault, reading.line, reading.field), std::tuple(fault, line, field)) << what;
        EXPECT_EQ(reading.states, fault == Fault::None ? mixed : reading.states) << what;  // when read whole
    }
}

class ProfilesTest : public testing::FormTest {
protected:
    void Choose(void (FrmXcopy::*handler)()) {
        platform.fileDialogAnswers = {path};
        (form.*handler)();
    }
    const std::string path = "C:\\Profils\\essai.lvp";
};

TEST_F(ProfilesTest, SavingAsksThenWritesTheTickStatesAndAFailedWriteSaysSo) {
    form.Check1[kSwitchI].SetValue(1);
    for (int index : {kSwitchE, kSwitchC, kSwitchH, kSwitchY}) form.Check1[static_cast<std::size_t>(index)].SetValue(0);
    form.TxtCmd[2].SetText("/tapé");  // a hand edit shows in the question only
    Choose(&FrmXcopy::Mnu_S_Lvp_Click);
    const MessageRequest question = {
        std::string(texts::kProfileQuestion) + "\n" + texts::kProfileNameLater + "\n/tapé ?", texts::kQuestionTitle,
        MsgButtons::YesNo, MsgIcon::Question};
    EXPECT_EQ(platform.messages, std::vector{question});
    EXPECT_EQ(Described(platform.fileDialogs.at(0)),
              std::string("save|lvp|") + texts::kProfileFilter + "|C:\\Lorvane|" + texts::kProfileSaveTitle);
    EXPECT_EQ(platform.files, (std::map<std::string, std::string>{{path, Expected({{4, '1'}, {8, '1'}})}}));

    Forget();
    const auto before = platform.files;
    platform.failAt = testing::FileStep::Move;
    Choose(&FrmXcopy::Mnu_S_Lvp_Click);
    const MessageRequest failed = {texts::ProfileNotWritten(path), texts::kProfileErrorTitle, MsgButtons::Ok,
                                   MsgIcon::Error};
    EXPECT_EQ(platform.messages, (std::vector{question, failed}));
    EXPECT_EQ(platform.files, before);
}

TEST_F(ProfilesTest, NoOrCancelWritesNothing) {
    platform.messageAnswers = {MsgResult::No};
    Choose(&FrmXcopy::Mnu_S_Lvp_Click);
    EXPECT_TRUE(platform.fileDialogs.empty());
    platform.fileDialogAnswers = {""};
    form.Mnu_S_Lvp_Click();
    form.Mnu_L_Lvp_Click();
    EXPECT_TRUE(platform.files.empty());
    EXPECT_EQ(Switches(), "/S /E /C /H /Y ");
}

TEST_F(ProfilesTest, LoadingRunsTheRulesOfEachChangedBoxInOrderAndTheSameStatesChangeNothing) {
    // /A, the first box; /D, whose date is asked during the loading.
    platform.files[path] = Expected({{0, '1'}, {2, '1'}, {4, '1'}, {5, '2'}});
    platform.inputAnswers = {"1/2/2003"};
    Choose(&FrmXcopy::Mnu_L_Lvp_Click);
    EXPECT_EQ(Described(platform.fileDialogs.at(0)),
              std::string("open|lvp|") + texts::kProfileFilter + "|C:\\Lorvane|" + texts::kProfileOpenTitle);
    // The builder ran for boxes 0, 2, 5, 7, 12 and 17, which changed.
    EXPECT_EQ(std::tuple(platform.inputs.size(), Switches(), form.Check1[kSwitchE].Value(), builderRuns.size()),
              std::tuple(1u, "/A /D:01/02/2003  /S ", 2, 6u));

    form.TxtCmd[2].SetText("/main ");
    Forget();
    Choose(&FrmXcopy::Mnu_L_Lvp_Click);
    EXPECT_EQ(std::tuple(builderRuns.size(), platform.inputs.size(), Switches()), std::tuple(0u, 0u, "/main "));
}

TEST_F(ProfilesTest, AConflictDuringLoadingIsAskedOnce) {
    form.mnu_s_activite.SetChecked(true);
    platform.files[path] = "0,0,0,1,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0";
    platform.messageAnswers = {MsgResult::Yes};
    Choose(&FrmXcopy::Mnu_L_Lvp_Click);
    ASSERT_EQ(platform.messages.size(), 1u);  // for /P; recording is then off for /W
    EXPECT_NE(platform.messages[0].text.find("( /P "), std::string::npos);
    EXPECT_EQ(std::tuple(form.mnu_s_activite.Checked(), Switches()), std::tuple(false, "/P /W "));
}

TEST_F(ProfilesTest, ABadProfileChangesNothingAndNamesItsLine) {
    const std::tuple<std::string, bool, std::string> rows[] = {
        {"1\r\n1\r\n1\r\n", false, texts::ProfileTooShort(path, 4)},
        {"1\r\n1\r\nx\r\n1\r\n", false, texts::ProfileBadValue(path, 3, "x")},
        {Expected({}), true, texts::ProfileNotRead(path)},
        // What cannot be seen is shown by its code, and a NUL cuts nothing short.
        {std::string("1\r\n\0\x01\xFFok\t\x7F", 10) + "\r\n", false,
         texts::ProfileBadValue(path, 2, "<00><01><FF>ok<09><7F>")},
    };
    for (const auto& [content, unreadable, message] : rows) {
        platform.files[path] = content;
        platform.unreadableFiles = unreadable ? std::set{path} : std::set<std::string>{};
        Forget();
        Choose(&FrmXcopy::Mnu_L_Lvp_Click);
        EXPECT_EQ(platform.messages,
                  (std::vector{MessageRequest{message, texts::kProfileErrorTitle, MsgButtons::Ok, MsgIcon::Error}}));
        EXPECT_EQ(std::tuple(builderRuns.size(), Switches()), std::tuple(0u, "/S /E /C /H /Y "));
    }
}

}  // namespace
}  // namespace lorvane
