#include "app/frm_xcopy.h"
#include "app/program_files.h"
#include "app/window_texts.h"
#include "profile/activity_texts.h"

namespace lorvane {

void FrmXcopy::mnu_s_activite_Click() {
    mnu_s_activite.SetChecked(!mnu_s_activite.Checked());
    if (!mnu_s_activite.Checked()) return;
    platform_.MsgBox(texts::kActivityNotice, texts::kActivityTitle, MsgButtons::Ok, MsgIcon::Information);
    // A switch already ticked that waits for the user would have its question recorded, and
    // the console wait for an answer no one can give: each is asked about as when ticked.
    for (int i = 0; i < static_cast<int>(kSwitchCount) && mnu_s_activite.Checked(); ++i) TestCompatibiliteActivite(i);
}

void FrmXcopy::Mnu_O_activite_Click() {
    const std::string folder = platform_.ProgramFolder();
    if (!ProgramFolderKnown(folder)) return;
    const std::string path = InProgramFolder(folder, kActivityFileName);
    if (!platform_.FileExists(path)) {
        platform_.MsgBox(texts::NoActivityYet(path), texts::kActivityTitle, MsgButtons::Ok, MsgIcon::Information);
    } else if (!platform_.ShellOpen(kActivityFileName, folder)) {
        platform_.MsgBox(texts::ActivityNotOpened(path), texts::kShellOpenFailedTitle, MsgButtons::Ok, MsgIcon::Error);
    }
}

}  // namespace lorvane
