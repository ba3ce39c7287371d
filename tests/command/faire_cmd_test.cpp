#include "support/form_fixture.h"

namespace lorvane {
namespace {

class FaireCmdTest : public testing::FormTest {
protected:
    FaireCmdTest() : FormTest("C:\\Mes dossiers\\a b") {}
};

TEST_F(FaireCmdTest, StartUpRunsTheBuilderTenTimesAndShowsTheFirstLine) {
    EXPECT_EQ(loadRuns, (std::vector<std::string>{"s", "d", "a", "a", "a", "a", "a", "s", "d", "a"}));
    EXPECT_EQ(Source() + "|" + Destination() + "|" + Switches(), "C:\\. |C:\\. |/S /E /C /H /Y ");
    EXPECT_EQ(std::tuple(form.Argument[2], form.Argument[18]), std::tuple("/D", "/-Y"));
    EXPECT_EQ(std::tuple(form.DateCopie, platform.inputs.size(), platform.messages.size()), std::tuple("", 0u, 0u));
    form.Check1[kSwitchA].SetValue(1);  // every box, the first one too, runs its rules and the builder
    EXPECT_EQ(Switches(), "/A /S /E /C /H /Y ");
}

// Wine's XCOPY would take "...\\*.*" for a file as destination: there the folder is named by its separator.
TEST_F(FaireCmdTest, UnderWinesXcopyOnlyTheDestinationFolderEndsWithItsSeparator) {
    platform.wildcardDestinationIsFolder = false;
    form.Option1[1].SetValue(true);
    form.Option2[1].SetValue(true);
    EXPECT_EQ(Source() + "|" + Destination(), "\"C:\\Mes dossiers\\a b\\*.*\" |\"C:\\Mes dossiers\\a b\\\" ");
}

TEST_F(FaireCmdTest, OnlyTheFirstCharacterOfTheCodeCountsExactly) {
    form.TxtCmd[2].SetText("tapé ");
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        // code, normalised, parts 0 and 2
        {"S", "S", "main ", "tapé "},  // upper case is no code
        {" s", "", "main ", "tapé "},  // a leading blank means no part
        {"ax", "a", "main ", "/S /E /C /H /Y "},
        {"source", "s", "\"C:\\Mes dossiers\\a b\\*.*\" ", "/S /E /C /H /Y "},
    };
    form.Option1[1].SetValue(true);
    form.TxtCmd[0].SetText("main ");
    for (const auto& [code, normalised, source, switches] : rows) {
        form.TxtCmd[3].SetText("ligne tapée");
        std::string quoi = code;
        form.FaireCmd(quoi);
        EXPECT_EQ(std::tuple(quoi, Source(), Switches()), std::tuple(normalised, source, switches)) << code;
        // The full line is always recomposed, a hand edit of it is lost.
        EXPECT_EQ(FullLine(), "XCOPY " + Source() + " " + Destination() + " " + Switches()) << code;
    }
}

TEST_F(FaireCmdTest, TypingInAPartBoxRecomposesTheFullLineAtOnce) {
    form.TxtCmd[0].ApplyEdit("C:\\R&D %x% ", 11, 0);  // typed by hand: never altered
    EXPECT_EQ(FullLine(), "XCOPY C:\\R&D %x%  C:\\.  /S /E /C /H /Y ");
    form.TxtCmd[1].ApplyEdit("", 0, 0);
    EXPECT_EQ(FullLine(), "XCOPY C:\\R&D %x%   /S /E /C /H /Y ");
    form.TxtCmd[3].ApplyEdit("XCOPY a b", 9, 0);  // the full line is never read back
    EXPECT_EQ(std::tuple(Source(), FullLine()), std::tuple("C:\\R&D %x% ", "XCOPY a b"));
}

}  // namespace
}  // namespace lorvane
