#include "app/frm_xcopy.h"
#include "app/quoting.h"

#include "app/menu_table.h"
#include "app/text_utils.h"
#include "app/window_texts.h"

namespace lorvane {

FrmXcopy::FrmXcopy(Platform platform)
    : platform_(platform), source_{ChkSource, Drive1, Dir1, File1, Option1, "s"}, destination_{ChkDestination, Drive2,
                                                                                               Dir2,           File2,
                                                                                               Option2,        "d"} {
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
    for (const MenuRow& row : kMainMenu) (this->*row.item).SetCaption(row.caption);
    // A longer text could never run, and wrapping one endless word takes an edit box seconds.
    for (TextBox& box : TxtCmd) box.SetMaxLength(static_cast<int>(kLongestConsoleLine));

    // Both sides start on the process's current folder; no event runs before the load.
    const std::string folder = platform_.folders.CurrentDirectory();
    for (Side* side : {&source_, &destination_}) {
        side->drive.SetDrive(DriveOf(folder));
        side->dir.StartAt(folder);
        side->file.StartAt(folder);
    }
}

void FrmXcopy::WireEvents() {
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
    for (int i = 0; i < static_cast<int>(TxtCmd.size()); ++i) {
        TxtCmd[static_cast<std::size_t>(i)].Change = [this, i] { TxtCmd_Change(i); };
        TxtCmd[static_cast<std::size_t>(i)].MouseUp = [this, i] { TxtCmd_MouseUp(i); };
    }
}

}  // namespace lorvane
