#include "about/about_texts.h"
#include "about/frm_about.h"
#include "app/frm_xcopy.h"

namespace lorvane {

void FrmXcopy::MnuAide_Click() { platform_.ShellOpen(texts::kHelpDocument, platform_.ProgramFolder()); }

void FrmXcopy::MnuApropos_Click() {
    if (About) {
        if (About->BringToFront) About->BringToFront();
        return;
    }
    About.reset(new FrmAbout(platform_));
    About->Form_Load();
    if (AboutOpened) AboutOpened(*About);
}

void FrmXcopy::AboutClosed() { About.reset(); }

void CloseAbout::operator()(FrmAbout* about) const { delete about; }

}  // namespace lorvane
