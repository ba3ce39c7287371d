#include "app/frm_xcopy.h"
#include "app/program_files.h"

namespace lorvane {

void FrmXcopy::Form_Unload(int& /*Cancel*/) {
    // Nothing to report: the file is usually not there, and the program ends anyway.
    const std::string folder = platform_.ProgramFolder();
    if (!folder.empty()) platform_.RemoveFile(InProgramFolder(folder, kDeletedAtExitName));
}

void FrmXcopy::MnuQuitter_Click() {
    int cancel = 0;
    Form_Unload(cancel);
    // As when the window is closed, an unload that cancels keeps the program running.
    if (cancel == 0) platform_.EndProgram();
}

}  // namespace lorvane
