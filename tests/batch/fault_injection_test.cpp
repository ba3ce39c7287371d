#include "batch/batch_texts.h"
#include "profile/profile_texts.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::FileStep;

// Every file the program writes, made to fail at each step in turn: the user is told (by the
// caption and a beep, or for profiles a message), the previous file is intact, and nothing
// half-written stays behind. A batch text the console cannot read is refused the same way.
using FaultInjectionTest = testing::FormTest;

TEST_F(FaultInjectionTest, EveryWriteFailsAtEveryStep) {
    const std::tuple<const char*, std::string, void (FrmXcopy::*)(), bool> writers[] = {
        {"run", "C:\\Lorvane\\batch.bat", &FrmXcopy::MnuExecuter_Click, true},  // as "GO !"
        {"export", "D:\\Export\\copie.bat", &FrmXcopy::Mnu_S_Batch_Click, true},
        {"profile", "D:\\Export\\profil.lvp", &FrmXcopy::Mnu_S_Lvp_Click, false},
    };
    // Unwritable: the command holds a character the console's code page lacks.
    const std::tuple<const char*, FileStep, bool, bool> faults[] = {
        {"create", FileStep::Create, false, false},        {"write (disk full)", FileStep::Write, false, false},
        {"close", FileStep::Close, false, false},          {"replace", FileStep::Move, false, false},
        {"read-only target", FileStep::None, true, false}, {"unwritable", FileStep::None, false, true},
    };
    int injected = 0;
    for (const auto& [writer, target, handler, toldByCaption] : writers) {
        for (const auto& [fault, step, readOnly, unwritable] : faults) {
            if (unwritable && !toldByCaption) continue;
            for (bool existed : {true, false}) {
                SCOPED_TRACE(std::string(writer) + ", " + fault + (existed ? ", replacing" : ", new"));
                platform.files.clear();
                if (existed) platform.files[target] = "avant";
                const auto before = platform.files;
                platform.failAt = step;
                platform.readOnlyFiles = readOnly ? std::set{target} : std::set<std::string>{};
                Forget();
                form.Caption.SetCaption(texts::kCaption);
                form.TxtCmd[3].SetText(unwritable ? "XCOPY À" : "XCOPY a");

                platform.fileDialogAnswers = {target};       // the run asks for no name
                platform.messageAnswers = {MsgResult::Yes};  // to the profile's question
                (form.*handler)();
                ++injected;

                EXPECT_EQ(platform.files, before);
                EXPECT_TRUE(platform.shellOpens.empty());
                if (toldByCaption) {
                    EXPECT_EQ(form.Caption.Caption(), texts::SavedCaption(texts::kNotSaved));
                    // The run beeps before its question; a refused command is asked nothing.
                    EXPECT_EQ(platform.beeps, (writer == std::string("run") && !unwritable) + !unwritable);
                } else {
                    ASSERT_FALSE(platform.messages.empty());
                    EXPECT_EQ(platform.messages.back().title, texts::kProfileErrorTitle);
                }
            }
        }
    }
    EXPECT_EQ(injected, 34);
}

}  // namespace
}  // namespace lorvane
