#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace lorvane {
namespace {

class SwitchRulesTest : public testing::FormTest {
protected:
    void RecordingOn() {
        form.mnu_s_activite.SetChecked(true);
        platform.messages.clear();
    }
};

TEST_F(SwitchRulesTest, TickingTheDateSwitchAsksForTheDate) {
    platform.inputAnswers = {"5/3/2003"};
    form.Check1[kSwitchD].SetValue(1);
    ASSERT_EQ(platform.inputs.size(), 1u);
    EXPECT_EQ(platform.inputs[0].prompt,
              "Vous avez coch\xE9 le choix \xAB" "DATE\xBB qui copie les fichiers modifi\xE9s >= \xE0 "
              "la date que vous donnerez.  Sans date, ne seront copi\xE9s que les fichiers dont la "
              "date et heure sont sup\xE9rieurs \xE0 la destination.");
    EXPECT_EQ(platform.inputs[0].title, "Entrez une date");
    EXPECT_EQ(platform.inputs[0].proposed, "");
    EXPECT_EQ(form.DateCopie, ":05/03/2003");
    EXPECT_EQ(Switches(), "/D:05/03/2003  /S /E /C /H /Y ");
}

TEST_F(SwitchRulesTest, NoDateLeavesTheSwitchTickedWithoutOne) {
    for (const char* answer : {"", "pas une date"}) {
        platform.inputAnswers = {answer};
        form.Check1[kSwitchD].SetValue(1);
        EXPECT_EQ(form.Check1[kSwitchD].Value(), 1);
        EXPECT_EQ(form.DateCopie, "");
        EXPECT_EQ(Switches(), "/D  /S /E /C /H /Y ");
        form.Check1[kSwitchD].SetValue(0);
    }
    EXPECT_EQ(platform.inputs.size(), 2u);  // asked again after each clearing
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SwitchRulesTest, ADateHeldIsKeptWithoutAsking) {
    form.DateCopie = ":01/01/2001";
    form.Check1[kSwitchD].SetValue(1);
    EXPECT_TRUE(platform.inputs.empty());
    EXPECT_EQ(Switches(), "/D:01/01/2001  /S /E /C /H /Y ");
    form.Check1[kSwitchD].SetValue(2);  // grey is not ticked
    EXPECT_EQ(form.DateCopie, "");
}

TEST_F(SwitchRulesTest, ConflictQuestionNamesTheSwitch) {
    RecordingOn();
    platform.messageAnswers = {MsgResult::Yes};
    form.Check1[kSwitchP].SetValue(1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "vous avez choisi un argument incompatible avec l'enregistrement de l'activit\xE9.\n"
              "( /P  Avertit avant de cr\xE9" "er chaque fichier destination. )\n"
              "Si vous r\xE9pondez OUI, l'enregistrement de l'activit\xE9 sera d\xE9sactiv\xE9\r"
              "Si vous r\xE9pondez NON, l'argument choisi ne sera pas activ\xE9.");
    EXPECT_EQ(platform.messages[0].title, "Enregistrement d'activit\xE9 : incompatibilit\xE9");
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Error);
    EXPECT_FALSE(form.mnu_s_activite.Checked());  // Yes: recording off, the switch stays
    EXPECT_EQ(form.Check1[kSwitchP].Value(), 1);
    EXPECT_EQ(Switches(), "/P /S /E /C /H /Y ");
}

TEST_F(SwitchRulesTest, AnsweringNoClearsTheSwitchThroughANestedClick) {
    RecordingOn();
    platform.messageAnswers = {MsgResult::No};
    form.Check1[kSwitchMinusY].SetValue(1);
    EXPECT_EQ(form.Check1[kSwitchMinusY].Value(), 0);
    EXPECT_TRUE(form.mnu_s_activite.Checked());
    EXPECT_EQ(Switches(), "/S /E /C /H /Y ");
    EXPECT_EQ(builderRuns, (std::vector<std::string>{"a", "a"}));  // nested, then outer
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(SwitchRulesTest, OnlyTheFourInteractiveSwitchesTickedAskTheQuestion) {
    RecordingOn();
    form.Check1[kSwitchY].SetValue(0);
    form.Check1[kSwitchY].SetValue(1);  // /Y
    form.Check1[kSwitchQ].SetValue(1);   // /Q
    EXPECT_TRUE(platform.messages.empty());
    platform.messageAnswers = {MsgResult::No, MsgResult::No, MsgResult::No, MsgResult::No};
    for (int index : {kSwitchP, kSwitchW, kSwitchI, kSwitchMinusY}) form.Check1[static_cast<std::size_t>(index)].SetValue(1);
    EXPECT_EQ(platform.messages.size(), 4u);
    form.mnu_s_activite.SetChecked(false);
    form.Check1[kSwitchW].SetValue(1);  // recording off: no question
    RecordingOn();
    form.Check1[kSwitchW].SetValue(0);  // clearing never asks
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SwitchRulesTest, TurningRecordingOnShowsTheNoticeEachTime) {
    form.Check1[kSwitchP].SetValue(1);
    for (int i = 0; i < 2; ++i) {
        form.mnu_s_activite.Click();
        form.mnu_s_activite.Click();
    }
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text,
              "Cette fonction sera automatiquement d\xE9sactiv\xE9" "e si vous avez choisi un "
              "argument demandant votre intervention");
    EXPECT_EQ(platform.messages[0].title, "Lorvane : enregistrement de l'activit\xE9");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Information);
    EXPECT_FALSE(form.mnu_s_activite.Checked());
    EXPECT_EQ(form.Check1[kSwitchP].Value(), 1);  // nothing examined when switching on
}

}  // namespace
}  // namespace lorvane
