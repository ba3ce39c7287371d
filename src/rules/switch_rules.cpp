#include "app/frm_xcopy.h"
#include "rules/date_answer.h"
#include "rules/rules_texts.h"

namespace lorvane {

void FrmXcopy::Check1_Click(int Index) {
    if (kSwitchTable[static_cast<std::size_t>(Index)].takesDate) {
        if (Check1[static_cast<std::size_t>(Index)].Value() != 1) {
            // Clearing the box forgets the date, so ticking it again asks again.
            DateCopie.clear();
        } else if (DateCopie.empty()) {
            const std::string answer = platform_.dialogs.InputBox(texts::kDatePrompt, texts::kDateTitle, "");
            const auto date = ReadDate(answer, platform_.regional.ShortDateOrder());
            // No date is no error: "/D" alone copies what is newer than the destination.
            DateCopie = date ? ColonForm(*date) : std::string();
        }
    }
    TestCompatibiliteActivite(Index);
    FaireCmd("a");
}

void FrmXcopy::TestCompatibiliteActivite(int Index) {
    if (!mnu_s_activite.Checked()) return;
    if (!kSwitchTable[static_cast<std::size_t>(Index)].asksUser) return;
    CheckBox& box = Check1[static_cast<std::size_t>(Index)];
    if (box.Value() != 1) return;

    const std::string text = std::string(texts::kConflictIntro) + "\n( " +
                             Label3[static_cast<std::size_t>(Index)].Caption() + " )\n" + texts::kConflictYes + "\r" +
                             texts::kConflictNo;
    const MsgResult answer = platform_.dialogs.MsgBox(text, texts::kConflictTitle, MsgButtons::YesNo, MsgIcon::Error);
    if (answer == MsgResult::Yes) {
        mnu_s_activite.SetChecked(false);
    } else {
        box.SetValue(0);
    }
}

}  // namespace lorvane
