#include "app/frm_xcopy.h"
#include "command/command_line.h"

namespace lorvane {

void FrmXcopy::TxtCmd_Change(int Index) {
    // The full line is never read back into the parts.
    if (Index == 3) return;
    TxtCmd[3].SetText(FullCommandLine(TxtCmd[0].Text(), TxtCmd[1].Text(), TxtCmd[2].Text()));
}

void FrmXcopy::TxtCmd_MouseUp(int /*Index*/) {
    // The focused control, which a click has just made the box itself; a control without
    // a text selection counts as an empty selection.
    TextBox* box = ActiveControl != nullptr ? ActiveControl->AsTextBox() : nullptr;
    const bool hasSelection = box != nullptr && !box->SelText().empty();
    MnuCouper.SetEnabled(hasSelection);
    MnuCopier.SetEnabled(hasSelection);
}

}  // namespace lorvane
