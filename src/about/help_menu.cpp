#include "about/about_texts.h"
#include "about/frm_about.h"
#include "app/frm_xcopy.h"
#include "app/program_files.h"
#include "app/window_texts.h"

namespace lorvane {

void FrmXcopy::MnuAide_Click() {
    const std::string folder = platform_.files.ProgramFolder();
    if (!platform_.shell.ShellOpen(texts::kHelpDocument, folder)) {
        platform_.dialogs.MsgBox(texts::HelpNotOpened(InProgramFolder(folder, texts::kHelpDocument)),
                                 texts::kShellOpenFailedTitle, MsgButtons::Ok, MsgIcon::Error);
    }
}

void FrmXcopy::MnuApropos_Click() {
    if (About) {
        if (About->BringToFront) About->BringToFront();
        return;
    }
    About.reset(new FrmAbout(platform_.dialogs, platform_.files, platform_.shell, platform_.registry));
    About->Form_Load();
    if (AboutOpened) AboutOpened(*About);
}

void FrmXcopy::AboutClosed() { About.reset(); }

void CloseAbout::operator()(FrmAbout* about) const { delete about; }

}  // namespace lorvane
