#include "app/frm_xcopy.h"

#include "app/text_utils.h"
#include "app/window_texts.h"

namespace lorvane {

FrmXcopy::FrmXcopy(Platform& platform)
    : MnuFichier(texts::kMnuFichier),
      MnuExecuter(texts::kMnuExecuter),
      MnuSauvegarder(texts::kMnuSauvegarder),
      mnu_s_activite(texts::kMnuSActivite),
      Mnu_S_Batch(texts::kMnuSBatch),
      Mnu_S_Lvp(texts::kMnuProfil),
      MnuOuvrir(texts::kMnuOuvrir),
      Mnu_O_activite(texts::kMnuOActivite),
      Mnu_L_Lvp(texts::kMnuProfil),
      MnuQuitter(texts::kMnuQuitter),
      MnuEdition(texts::kMnuEdition),
      MnuSelect(texts::kMnuSelect),
      MnuCouper(texts::kMnuCouper),
      MnuCopier(texts::kMnuCopier),
      MnuColler(texts::kMnuColler),
      MnuTruc(texts::kMnuTruc),
      MnuAide(texts::kMnuAide),
      MnuApropos(texts::kMnuApropos),
      platform_(platform),
      source_{ChkSource, Drive1, Dir1, File1, Option1, "s"},
      destination_{ChkDestination, Drive2, Dir2, File2, Option2, "d"} {
    SetInitialData();
    WireEvents();
}

void FrmXcopy::SetInitialData() {
    Caption.SetCaption(texts::kCaption);
    Frame1.SetCaption(texts::kFrameSource);
    Frame2.SetCaption(texts::kFrameDestination);
    Frame3.SetCaption(texts::kFrameSwitches);
    Frame4.SetCaption(texts::kFrameCommand);
    Label1.SetCaption(texts::kLabelSourceCurrent);
    Label2.SetCaption(texts::kLabelDestinationCurrent);
    Label4.SetCaption(texts::kLabelSourcePart);
    Label5.SetCaption(texts::kLabelDestinationPart);
    Label6.SetCaption(texts::kLabelSwitchesPart);
    Command1.SetCaption(texts::kGo);

    // Both sides start on the process's current folder; no event runs before the load.
    const std::string folder = platform_.CurrentDirectory();
    for (Side* side : {&source_, &destination_}) {
        side->drive.SetDrive(DriveOf(folder));
        side->dir.SetPath(folder);
        side->file.SetPath(folder);
    }
}

void FrmXcopy::WireEvents() {
    const FolderResolver resolve = [this](const std::string& path) {
        return platform_.ReadableFolder(path);
    };
    for (Side* side : {&source_, &destination_}) {
        side->dir.Resolve = resolve;
        side->file.Resolve = resolve;
    }
    ChkSource.Click = [this] { ChkSource_Click(); };
    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Dir1.Click = [this] { Dir1_Click(); };
    File1.Click = [this] { File1_Click(); };
    ChkDestination.Click = [this] { ChkDestination_Click(); };
    Drive2.Change = [this] { Drive2_Change(); };
    Dir2.Change = [this] { Dir2_Change(); };
    Dir2.Click = [this] { Dir2_Click(); };
    File2.Click = [this] { File2_Click(); };
    for (int i = 0; i < OptionGroup::kSize; ++i) {
        Option1[i].Click = [this, i] { Option1_Click(i); };
        Option2[i].Click = [this, i] { Option2_Click(i); };
    }
    for (int i = 0; i < kSwitchCount; ++i) {
        Check1[static_cast<std::size_t>(i)].Click = [this, i] { Check1_Click(i); };
    }
    Command1.Click = [this] { Command1_Click(); };
    MnuExecuter.Click = [this] { MnuExecuter_Click(); };
    Mnu_S_Batch.Click = [this] { Mnu_S_Batch_Click(); };
    Mnu_S_Lvp.Click = [this] { Mnu_S_Lvp_Click(); };
    Mnu_L_Lvp.Click = [this] { Mnu_L_Lvp_Click(); };
    mnu_s_activite.Click = [this] { mnu_s_activite_Click(); };
    Mnu_O_activite.Click = [this] { Mnu_O_activite_Click(); };
    MnuQuitter.Click = [this] { MnuQuitter_Click(); };
    MnuSelect.Click = [this] { MnuSelect_Click(); };
    MnuCouper.Click = [this] { MnuCouper_Click(); };
    MnuCopier.Click = [this] { MnuCopier_Click(); };
    MnuColler.Click = [this] { MnuColler_Click(); };
    MnuAide.Click = [this] { MnuAide_Click(); };
    MnuApropos.Click = [this] { MnuApropos_Click(); };
    for (int i = 0; i < static_cast<int>(TxtCmd.size()); ++i) {
        TxtCmd[static_cast<std::size_t>(i)].Change = [this, i] { TxtCmd_Change(i); };
        TxtCmd[static_cast<std::size_t>(i)].MouseUp = [this, i] { TxtCmd_MouseUp(i); };
    }
}

}  // namespace lorvane
