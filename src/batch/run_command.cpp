#include "app/frm_xcopy.h"
#include "app/text_utils.h"
#include "batch/batch_texts.h"
#include "batch/console_text.h"
#include "batch/copy_checks.h"
#include "batch/destination_question.h"
#include "batch/run_batch.h"

namespace lorvane {

void FrmXcopy::Command1_Click() {
    const std::string folder = platform_.files.ProgramFolder();
    if (!ProgramFolderKnown(folder)) return;
    if (IsNetworkPath(folder)) {
        platform_.dialogs.MsgBox(texts::ProgramFolderOnNetwork(folder), texts::kProgramFolderTitle, MsgButtons::Ok,
                                 MsgIcon::Error);
        return;
    }
    // A copy that would destroy what was not asked to change is not run, nor asked about.
    const CopyCheck checked = CheckCopy(platform_.folders, platform_.files, TxtCmd[3].Text(), folder);
    if (!checked.refusal.empty()) {
        platform_.dialogs.MsgBox(checked.refusal, texts::kCopyRefusedTitle, MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    // The question shows what will run, short names included: nothing is asked that cannot be.
    const bool recording = mnu_s_activite.Checked();
    const std::optional<ConsoleText> batch =
        ConsoleForm(checked.command, RunBatchText(checked.command, recording, folder), true);
    if (!batch) return;
    // Recorded, XCOPY's "file or folder?" would meet the end of its input and be asked
    // again without end into the activity file. Windows' XCOPY takes the lists' \*.* form;
    // where it does not, a destination it would ask about is not run.
    if (recording && !platform_.xcopy.XcopyTakesWildcardDestinationAsFolder() &&
        DestinationWouldAsk(TxtCmd[3].Text(), folder, [this](const std::string& path) {
            return platform_.files.FileExists(path) || !platform_.folders.ReadableFolder(path).empty();
        })) {
        platform_.dialogs.MsgBox(texts::DestinationRefused(DestinationArgument(TxtCmd[3].Text())),
                                 texts::kDestinationTitle, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    platform_.dialogs.Beep();
    const MsgResult answer = platform_.dialogs.MsgBox(std::string(texts::kRunQuestion) + "\n" + batch->shown,
                                                      texts::kQuestionTitle, MsgButtons::YesNo, MsgIcon::None);
    if (answer != MsgResult::Yes) return;
    const std::string path = InProgramFolder(folder, kRunBatchName);
    if (!Sauvegarde(path, *batch)) {
        // The caption says that nothing was written; the message, why and what to do.
        const bool readOnly = !platform_.files.FolderAcceptsNewFiles(folder);
        platform_.dialogs.MsgBox(readOnly ? texts::ProgramFolderReadOnly(folder) : texts::BatchNotWritten(path),
                                 texts::kProgramFolderTitle, MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    if (!platform_.shell.ShellOpen(kRunBatchName, folder)) {
        platform_.dialogs.MsgBox(texts::BatchNotOpened(path), texts::kShellOpenFailedTitle, MsgButtons::Ok,
                                 MsgIcon::Error);
    }
}

bool FrmXcopy::ProgramFolderKnown(const std::string& folder) {
    // Written elsewhere, the batch file would run another command than the one asked.
    if (!folder.empty()) return true;
    platform_.dialogs.MsgBox(texts::kProgramFolderUnknown, texts::kProgramFolderTitle, MsgButtons::Ok, MsgIcon::Error);
    return false;
}

void FrmXcopy::MnuExecuter_Click() { Command1_Click(); }

}  // namespace lorvane
