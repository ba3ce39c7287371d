#include "app/frm_xcopy.h"
#include "app/text_utils.h"
#include "batch/batch_texts.h"
#include "batch/console_text.h"
#include "batch/run_batch.h"

namespace lorvane {

void FrmXcopy::Mnu_S_Batch_Click() {
    const std::string folder = platform_.files.ProgramFolder();
    if (!ProgramFolderKnown(folder)) return;
    // Judged before the dialog: no name is asked for a command that cannot be written.
    const std::optional<ConsoleText> command = ConsoleForm(TxtCmd[3].Text(), TxtCmd[3].Text(), false);
    if (!command) return;
    const std::string deletedAtExit = InProgramFolder(folder, kDeletedAtExitName);
    for (;;) {
        CommonDialog1.DefaultExt = texts::kBatchDefaultExt;
        CommonDialog1.Filter = texts::kBatchFilter;
        CommonDialog1.InitDir = folder;
        CommonDialog1.DialogTitle = texts::kBatchDialogTitle;
        const std::string path = CommonDialog1.ShowSave(platform_.dialogs);
        if (path.empty()) return;
        // The program removes that file when it ends: the user keeps it only knowingly.
        const bool deletedAtExitName = SamePath(path, deletedAtExit);
        if (deletedAtExitName && platform_.dialogs.MsgBox(texts::kExportDeletedAtExit, texts::kExportTitle,
                                                          MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes) {
            continue;
        }
        if (Sauvegarde(path, *command) && deletedAtExitName) ownDeletedAtExitFile_ = BatchFileBytes(*command);
        return;
    }
}

}  // namespace lorvane
