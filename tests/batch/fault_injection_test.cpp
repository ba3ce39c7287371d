#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::FileStep;

// Every file the program writes, made to fail at each step in turn: the user is told (the
// caption and a beep for batch files, a message for profiles), the previous file is intact,
// and nothing half-written stays behind. A batch text the console cannot read is refused
// the same way, with a message instead of the beep.
using FaultInjectionTest = testing::FormTest;

TEST_F(FaultInjectionTest, EveryWriteFailsAtEveryStep) {
    const struct {
        const char* name;
        std::string target;
        MenuItem FrmXcopy::*item;
        bool toldByCaption;  // batch files: caption and beep; profiles: a message box
    } writers[] = {
        {"run", "C:\\Lorvane\\batch.bat", &FrmXcopy::MnuExecuter, true},  // as "GO !"
        {"export", "D:\\Export\\copie.bat", &FrmXcopy::Mnu_S_Batch, true},
        {"profile", "D:\\Export\\profil.lvp", &FrmXcopy::Mnu_S_Lvp, false},
    };
    const struct {
        const char* name;
        FileStep step;
        bool readOnly;
        bool unwritable;  // the command holds a character the console's code page lacks
    } faults[] = {
        {"create", FileStep::Create, false, false},        {"write (disk full)", FileStep::Write, false, false},
        {"close", FileStep::Close, false, false},          {"replace", FileStep::Move, false, false},
        {"read-only target", FileStep::None, true, false}, {"unwritable", FileStep::None, false, true},
    };
    int injected = 0;
    for (const auto& writer : writers) {
        for (const auto& fault : faults) {
            if (fault.unwritable && !writer.toldByCaption) continue;
            for (bool existed : {true, false}) {
                SCOPED_TRACE(std::string(writer.name) + ", " + fault.name + (existed ? ", replacing" : ", new"));
                platform.files.clear();
                if (existed) platform.files[writer.target] = "avant";
                const auto before = platform.files;
                platform.failAt = fault.step;
                platform.readOnlyFiles.clear();
                if (fault.readOnly) platform.readOnlyFiles.insert(writer.target);
                Forget();
                form.Caption.SetCaption("Lorvane (MS-DOS)");
                form.TxtCmd[3].SetText(fault.unwritable ? "XCOPY \xC0" : "XCOPY a");

                platform.fileDialogAnswers = {writer.target};  // the run asks for no name
                platform.messageAnswers = {MsgResult::Yes};    // to the profile's question
                (form.*writer.item).Click();
                ++injected;

                EXPECT_EQ(platform.files, before);
                EXPECT_TRUE(platform.shellOpens.empty());
                if (writer.toldByCaption) {
                    EXPECT_EQ(form.Caption.Caption(), "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARD\xC9");
                    // The run beeps before its question.
                    EXPECT_EQ(platform.beeps, (writer.name == std::string("run")) + !fault.unwritable);
                } else {
                    ASSERT_FALSE(platform.messages.empty());
                    EXPECT_EQ(platform.messages.back().title, "Lorvane : profil");
                }
            }
        }
    }
    EXPECT_EQ(injected, 34);
}

}  // namespace
}  // namespace lorvane
