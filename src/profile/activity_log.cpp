#include "app/frm_xcopy.h"
#include "app/program_files.h"
#include "profile/activity_texts.h"

namespace lorvane {

void FrmXcopy::mnu_s_activite_Click() {
    mnu_s_activite.SetChecked(!mnu_s_activite.Checked());
    // Switching on examines no switch: the question comes when one of them is ticked.
    if (mnu_s_activite.Checked()) {
        platform_.MsgBox(texts::kActivityNotice, texts::kActivityTitle, MsgButtons::Ok, MsgIcon::Information);
    }
}

void FrmXcopy::Mnu_O_activite_Click() {
    // Whatever happens is the shell's to report: the program says nothing of its own.
    platform_.ShellOpen(kActivityFileName, platform_.ProgramFolder());
}

}  // namespace lorvane
