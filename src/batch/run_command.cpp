#include "app/frm_xcopy.h"
#include "batch/batch_texts.h"
#include "batch/destination_question.h"
#include "batch/run_batch.h"

namespace lorvane {

void FrmXcopy::Command1_Click() {
    const std::string folder = platform_.ProgramFolder();
    if (!ProgramFolderNamed(folder)) return;
    // Recorded, XCOPY's "file or folder?" would meet the end of its input and be asked
    // again without end into the activity file. Windows' XCOPY takes the lists' \*.* form;
    // where it does not, a destination it would ask about is not run.
    const bool recording = mnu_s_activite.Checked();
    if (recording && !platform_.XcopyTakesWildcardDestinationAsFolder() &&
        DestinationWouldAsk(TxtCmd[3].Text(), folder, [this](const std::string& path) {
            return platform_.FileExists(path) || !platform_.ReadableFolder(path).empty();
        })) {
        platform_.MsgBox(texts::DestinationRefused(DestinationArgument(TxtCmd[3].Text())), texts::kDestinationTitle,
                         MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    const std::string batch = RunBatchText(TxtCmd[3].Text(), recording, folder);
    platform_.Beep();
    const MsgResult answer = platform_.MsgBox(std::string(texts::kRunQuestion) + "\n" + batch, texts::kRunTitle,
                                              MsgButtons::YesNo, MsgIcon::None);
    if (answer != MsgResult::Yes) return;
    if (!Sauvegarde(InProgramFolder(folder, kRunBatchName), batch)) return;
    platform_.ShellOpen(kRunBatchName, folder);
}

bool FrmXcopy::ProgramFolderNamed(const std::string& folder) {
    // Written elsewhere, the batch file would run another command than the one asked.
    if (!folder.empty()) return true;
    platform_.MsgBox(texts::kProgramFolderUnnamable, texts::kProgramFolderTitle, MsgButtons::Ok, MsgIcon::Error);
    return false;
}

void FrmXcopy::MnuExecuter_Click() { Command1_Click(); }

}  // namespace lorvane
