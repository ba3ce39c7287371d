#include <gtest/gtest.h>

#include "app/frm_xcopy.h"
#include "support/fake_platform.h"

namespace lorvane {
namespace {

class FaireCmdTest : public ::testing::Test {
protected:
    FaireCmdTest() {
        form.OnFaireCmd = [this](const std::string& code) { runs.push_back(code); };
    }
    static testing::FakePlatform InFolder(const char* folder) {
        testing::FakePlatform platform;
        platform.currentDirectory = folder;
        return platform;
    }
    testing::FakePlatform platform = InFolder("C:\\Mes dossiers\\a b");
    FrmXcopy form{platform};
    std::vector<std::string> runs;
};

TEST_F(FaireCmdTest, StartUpRunsTheBuilderTenTimesAndShowsTheFirstLine) {
    form.Form_Load();
    EXPECT_EQ(runs, (std::vector<std::string>{"s", "d", "a", "a", "a", "a", "a", "s", "d", "a"}));
    EXPECT_EQ(form.TxtCmd[0].Text(), "C:\\. ");
    EXPECT_EQ(form.TxtCmd[1].Text(), "C:\\. ");
    EXPECT_EQ(form.TxtCmd[2].Text(), "/S /E /C /H /Y ");
    EXPECT_EQ(form.TxtCmd[3].Text(), "XCOPY C:\\.  C:\\.  /S /E /C /H /Y ");
    for (int i = 0; i < kSwitchCount; ++i) {
        EXPECT_EQ(form.Check1[static_cast<std::size_t>(i)].Value(),
                  kSwitchTable[static_cast<std::size_t>(i)].tickedAtStart ? 1 : 0);
    }
    EXPECT_EQ(form.Argument[2], "/D");
    EXPECT_EQ(form.Argument[18], "/-Y");
    EXPECT_TRUE(form.DateCopie.empty());
    EXPECT_TRUE(platform.inputs.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FaireCmdTest, OnlyTheFirstCharacterOfTheCodeCountsExactly) {
    form.Form_Load();
    form.TxtCmd[0].SetText("main ");
    form.TxtCmd[2].SetText("tapé ");
    struct Row {
        const char* code;
        const char* normalised;
        const char* source;    // TxtCmd(0) after the call
        const char* switches;  // TxtCmd(2) after the call
    };
    const Row rows[] = {
        {"S", "S", "main ", "tapé "},        // upper case is no code
        {" s", "", "main ", "tapé "},        // a leading blank means no part
        {"", "", "main ", "tapé "},
        {"x", "x", "main ", "tapé "},
        {"ax", "a", "main ", "/S /E /C /H /Y "},
        {"source", "s", "\"C:\\Mes dossiers\\a b\\*.*\" ", "/S /E /C /H /Y "},
    };
    form.Option1[1].SetValue(true);
    form.TxtCmd[0].SetText("main ");
    for (const Row& row : rows) {
        form.TxtCmd[3].SetText("ligne tapée");
        std::string quoi = row.code;
        form.FaireCmd(quoi);
        EXPECT_EQ(quoi, row.normalised) << row.code;
        EXPECT_EQ(form.TxtCmd[0].Text(), row.source) << row.code;
        EXPECT_EQ(form.TxtCmd[2].Text(), row.switches) << row.code;
        // The full line is always recomposed, a hand edit of it is lost.
        EXPECT_EQ(form.TxtCmd[3].Text(), "XCOPY " + form.TxtCmd[0].Text() + " " +
                                             form.TxtCmd[1].Text() + " " + form.TxtCmd[2].Text())
            << row.code;
    }
}

TEST_F(FaireCmdTest, TypingInAPartBoxRecomposesTheFullLineAtOnce) {
    form.Form_Load();
    form.TxtCmd[0].ApplyEdit("C:\\R&D %x% ", 11, 0);  // typed by hand: never altered
    EXPECT_EQ(form.TxtCmd[3].Text(), "XCOPY C:\\R&D %x%  C:\\.  /S /E /C /H /Y ");
    form.TxtCmd[1].ApplyEdit("", 0, 0);
    EXPECT_EQ(form.TxtCmd[3].Text(), "XCOPY C:\\R&D %x%   /S /E /C /H /Y ");
    form.TxtCmd[3].ApplyEdit("XCOPY a b", 9, 0);  // the full line is never read back
    EXPECT_EQ(form.TxtCmd[0].Text(), "C:\\R&D %x% ");
    EXPECT_EQ(form.TxtCmd[3].Text(), "XCOPY a b");
}

}  // namespace
}  // namespace lorvane
