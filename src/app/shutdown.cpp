#include "app/frm_xcopy.h"
#include "app/program_files.h"

namespace lorvane {

void FrmXcopy::Form_Unload(int& /*Cancel*/) {
    // Only the file this run wrote, as it wrote it: a "Cmd.bat" of the user's own, or one
    // changed since, is not the program's to remove. Nothing to report: the program ends anyway.
    const std::string folder = platform_.files.ProgramFolder();
    if (folder.empty() || !ownDeletedAtExitFile_) return;
    const std::string path = InProgramFolder(folder, kDeletedAtExitName);
    std::string bytes;
    if (platform_.files.ReadFileStart(path, ownDeletedAtExitFile_->size() + 1, bytes) &&
        bytes == *ownDeletedAtExitFile_) {
        platform_.files.RemoveFile(path);
    }
}

void FrmXcopy::MnuQuitter_Click() {
    int cancel = 0;
    Form_Unload(cancel);
    // As when the window is closed, an unload that cancels keeps the program running.
    if (cancel == 0) platform_.shell.EndProgram();
}

}  // namespace lorvane
