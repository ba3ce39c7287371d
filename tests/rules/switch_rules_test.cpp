#include "profile/activity_texts.h"
#include "rules/date_answer.h"
#include "rules/rules_texts.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

TEST(ReadDate, TakesDayMonthAndYearInTheLocalesOrder) {
    const std::tuple<const char*, DateOrder, const char*> rows[] = {
        {"25/12/2003", DateOrder::DayMonthYear, ":25/12/2003"}, {"5/3/2003", DateOrder::DayMonthYear, ":05/03/2003"},
        {"05-03-2003", DateOrder::DayMonthYear, ":05/03/2003"}, {" 5.3.03 ", DateOrder::DayMonthYear, ":05/03/2003"},
        {"1/2/99", DateOrder::DayMonthYear, ":01/02/1999"},     {"29/2/2004", DateOrder::DayMonthYear, ":29/02/2004"},
        {"12/25/2003", DateOrder::MonthDayYear, ":25/12/2003"}, {"2003/12/25", DateOrder::YearMonthDay, ":25/12/2003"},
        {"2003-1-5", DateOrder::YearMonthDay, ":05/01/2003"},   {"29/2/2000", DateOrder::DayMonthYear, ":29/02/2000"},
        {"31/12/29", DateOrder::DayMonthYear, ":31/12/2029"},   {"1/1/30", DateOrder::DayMonthYear, ":01/01/1930"},
    };
    for (const auto& [answer, order, stored] : rows) {
        const auto date = ReadDate(answer, order);
        EXPECT_EQ(date ? ColonForm(*date) : std::string(), stored) << answer;
    }
    for (const char* noDate :
         {"29/2/2003", "29/2/1900", "32/1/2003", "31/4/2003", "12/25/2003", "", "hier", "25/12", "25/12/2003/1",
          "25//12/2003", "0/12/2003", "25/13/2003", "25/12/203", "025/12/2003", "25/12/20031", "25x12/2003"})
        EXPECT_FALSE(ReadDate(noDate, DateOrder::DayMonthYear)) << noDate;
}

using SwitchRulesTest = testing::FormTest;

TEST_F(SwitchRulesTest, TickingTheDateSwitchAsksForADateUnlessOneIsHeldAndClearingItForgetsIt) {
    const testing::InputRequest question = {texts::kDatePrompt, texts::kDateTitle, ""};
    // The date held, the answer (none: not asked), the date then, and the value that clears the box (grey too).
    const std::tuple<const char*, const char*, const char*, int> rows[] = {
        {"", "5/3/2003", ":05/03/2003", 0},
        {"", "", "", 0},  // no date: ticked without one
        {"", "pas une date", "", 0},
        {":01/01/2001", nullptr, ":01/01/2001", 2},
    };
    for (const auto& [held, answer, date, cleared] : rows) {
        Forget();
        form.DateCopie = held;
        if (answer != nullptr) platform.inputAnswers = {answer};
        form.Check1[kSwitchD].SetValue(1);
        EXPECT_EQ(platform.inputs, answer ? std::vector{question} : std::vector<testing::InputRequest>{});
        EXPECT_EQ(std::tuple(form.Check1[kSwitchD].Value(), form.DateCopie, Switches(), platform.messages.size()),
                  std::tuple(1, date, "/D" + std::string(date) + "  /S /E /C /H /Y ", 0u));
        form.Check1[kSwitchD].SetValue(cleared);
        EXPECT_EQ(form.DateCopie, "");
    }
    // An XCOPY that reads dates month first (Wine's) is given the date so; the window keeps it day first.
    platform.datesMonthFirst = true;
    platform.inputAnswers = {"25/12/2003"};
    form.Check1[kSwitchD].SetValue(1);
    EXPECT_EQ(std::tuple(form.DateCopie, Switches()), std::tuple(":25/12/2003", "/D:12-25-2003  /S /E /C /H /Y "));
}

TEST_F(SwitchRulesTest, ConflictQuestionNamesTheSwitchNoClearsItByANestedClickYesTurnsRecordingOff) {
    form.mnu_s_activite.SetChecked(true);
    platform.messageAnswers = {MsgResult::No, MsgResult::Yes};
    form.Check1[kSwitchMinusY].SetValue(1);
    EXPECT_EQ(std::tuple(form.Check1[kSwitchMinusY].Value(), form.mnu_s_activite.Checked(), Switches()),
              std::tuple(0, true, "/S /E /C /H /Y "));
    EXPECT_EQ(builderRuns, (std::vector<std::string>{"a", "a"}));  // nested, then outer
    EXPECT_EQ(platform.messages.size(), 1u);

    Forget();
    form.Check1[kSwitchP].SetValue(1);
    EXPECT_EQ(platform.messages,
              (std::vector<testing::MessageRequest>{{std::string(texts::kConflictIntro) + "\n( " +
                                                         std::string(kSwitchTable[kSwitchP].description) + " )\n" +
                                                         texts::kConflictYes + "\r" + texts::kConflictNo,
                                                     texts::kConflictTitle, MsgButtons::YesNo, MsgIcon::Error}}));
    EXPECT_EQ(std::tuple(form.mnu_s_activite.Checked(), form.Check1[kSwitchP].Value(), Switches()),
              std::tuple(false, 1, "/P /S /E /C /H /Y "));  // Yes: recording off, the switch stays
}

TEST_F(SwitchRulesTest, OnlyTheFourInteractiveSwitchesTickedAskTheQuestion) {
    form.mnu_s_activite.SetChecked(true);
    form.Check1[kSwitchY].SetValue(0);
    form.Check1[kSwitchY].SetValue(1);  // /Y
    form.Check1[kSwitchQ].SetValue(1);  // /Q
    EXPECT_TRUE(platform.messages.empty());
    platform.messageAnswers = {MsgResult::No, MsgResult::No, MsgResult::No, MsgResult::No};
    for (int index : {kSwitchP, kSwitchW, kSwitchI, kSwitchMinusY}) form.Check1[index].SetValue(1);
    EXPECT_EQ(platform.messages.size(), 4u);
    form.mnu_s_activite.SetChecked(false);
    form.Check1[kSwitchW].SetValue(1);  // recording off: no question
    form.mnu_s_activite.SetChecked(true);
    form.Check1[kSwitchW].SetValue(0);  // clearing never asks
    EXPECT_EQ(platform.messages.size(), 4u);
}

// Switching recording on asks about each ticked switch that waits for the user, as ticking it would.
TEST_F(SwitchRulesTest, TurningRecordingOnAsksAboutTheTickedSwitchesThatWaitForTheUser) {
    form.Check1[kSwitchP].SetValue(1);
    form.Check1[kSwitchW].SetValue(1);
    platform.messageAnswers = {MsgResult::Ok, MsgResult::No, MsgResult::Yes, MsgResult::Ok, MsgResult::No};
    form.mnu_s_activite_Click();  // the notice; No: /P cleared; Yes: recording off, /W kept
    EXPECT_EQ(std::tuple(form.Check1[kSwitchP].Value(), form.Check1[kSwitchW].Value(), form.mnu_s_activite.Checked()),
              std::tuple(0, 1, false));
    form.mnu_s_activite_Click();  // the notice; No: /W cleared, recording on
    EXPECT_EQ(std::tuple(form.Check1[kSwitchW].Value(), form.mnu_s_activite.Checked()), std::tuple(0, true));
    std::vector<std::string> titles;
    for (const auto& message : platform.messages) titles.push_back(message.title);
    EXPECT_EQ(titles, (std::vector<std::string>{texts::kActivityTitle, texts::kConflictTitle, texts::kConflictTitle,
                                                texts::kActivityTitle, texts::kConflictTitle}));
    EXPECT_EQ(platform.messages[0], (testing::MessageRequest{texts::kActivityNotice, texts::kActivityTitle,
                                                             MsgButtons::Ok, MsgIcon::Information}));
}

}  // namespace
}  // namespace lorvane
