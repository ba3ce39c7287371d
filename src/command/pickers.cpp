#include "app/frm_xcopy.h"
#include "app/name_spelling.h"
#include "app/text_utils.h"
#include "command/command_texts.h"
#include "command/name_report.h"

namespace lorvane {

namespace {

std::string CauseText(const FolderEntry& entry) {
    switch (FlawOf(entry.text, entry.loneSurrogate)) {
        case NameFlaw::TrailingDot: return texts::kEndsWithDot;
        case NameFlaw::TrailingBlank: return texts::kEndsWithBlank;
        case NameFlaw::ReservedCharacter: return texts::HoldsReservedCharacter(ReservedCharacterIn(entry.text));
        case NameFlaw::LoneSurrogate: return texts::kHoldsLoneSurrogate;
        case NameFlaw::None: break;
    }
    return {};
}

}  // namespace

void ReportUnspellableName(Dialogs& dialogs, const FolderEntry& entry) {
    dialogs.MsgBox(texts::UnspellableName(ReadableName(entry.text, texts::kBlankShown), CauseText(entry)),
                   texts::kUnspellableNameTitle, MsgButtons::Ok, MsgIcon::Error);
}

void FrmXcopy::ChkSource_Click() { SideCurrentDirectory_Click(source_); }
void FrmXcopy::Drive1_Change() { SideDrive_Change(source_); }
void FrmXcopy::Dir1_Change() { SideDir_Change(source_); }
void FrmXcopy::Dir1_Click() { Dir1_Change(); }
void FrmXcopy::File1_Click() { SideFile_Click(source_); }
void FrmXcopy::Option1_Click(int Index) { SideOption_Click(source_, Index); }

void FrmXcopy::ChkDestination_Click() { SideCurrentDirectory_Click(destination_); }
void FrmXcopy::Drive2_Change() { SideDrive_Change(destination_); }
void FrmXcopy::Dir2_Change() { SideDir_Change(destination_); }
void FrmXcopy::Dir2_Click() { Dir2_Change(); }
void FrmXcopy::File2_Click() { SideFile_Click(destination_); }
void FrmXcopy::Option2_Click(int Index) { SideOption_Click(destination_, Index); }

void FrmXcopy::SideCurrentDirectory_Click(Side& side) {
    const bool pickMode = side.current.Value() == 0;
    if (pickMode) {
        // Levels above the chosen one keep the button face they got when the box was ticked.
        bool levelFound = false;
        for (int i = OptionGroup::kSize - 1; i >= 0; --i) {
            side.level[i].SetEnabled(true);
            if (side.level[i].Value() || levelFound) {
                levelFound = true;
                side.level[i].SetBackColor(kBlue);
            }
        }
    } else {
        for (int i = 0; i < OptionGroup::kSize; ++i) {
            side.level[i].SetEnabled(false);
            side.level[i].SetBackColor(kButtonFace);
        }
    }
    side.drive.SetEnabled(pickMode);
    side.dir.SetEnabled(pickMode);
    side.file.SetEnabled(pickMode);
    FaireCmd(side.code);
}

void FrmXcopy::SideDrive_Change(Side& side) {
    // A drive that cannot be read leaves the folder lists where they were. The drive list
    // goes back to their drive, so that the window and the command name the same drive.
    if (!side.dir.SetPath(platform_.folders, side.drive.Drive())) {
        side.drive.ShowDrive(DriveOf(side.dir.Path()));
        platform_.dialogs.Beep();
    }
    side.level[0].SetValue(true);
    FaireCmd(side.code);
}

void FrmXcopy::SideDir_Change(Side& side) {
    if (!side.file.SetPath(platform_.folders, side.dir.Path())) ReportUnreadableFolder(side.dir.Path());
    side.level[1].SetValue(true);
    FaireCmd(side.code);
}

void FrmXcopy::OpenFolder(DirList& list, const FolderEntry& entry) {
    const std::string folder = FolderToOpen(list.Path(), entry);
    if (folder.empty()) {
        ReportUnspellableName(platform_.dialogs, entry);
    } else if (!list.SetPath(platform_.folders, folder)) {
        ReportUnreadableFolder(folder);
    }
}

void FrmXcopy::PickFile(FileList& list, const FolderEntry& entry) {
    const std::string name = NameForSystem(entry);
    if (name.empty()) return ReportUnspellableName(platform_.dialogs, entry);
    list.SetFileName(name);
    if (list.Click) list.Click();
}

void FrmXcopy::ReportUnreadableFolder(const std::string& path) {
    platform_.dialogs.MsgBox(texts::UnreadableFolder(path), texts::kUnreadableFolderTitle, MsgButtons::Ok,
                             MsgIcon::Error);
}

void FrmXcopy::SideFile_Click(Side& side) {
    side.level[2].SetValue(true);
    FaireCmd(side.code);
}

void FrmXcopy::SideOption_Click(Side& side, int Index) {
    for (int i = 0; i < OptionGroup::kSize; ++i) {
        side.level[i].SetBackColor(kButtonFace);
        if (i <= Index) side.level[i].SetBackColor(kBlue);
    }
    FaireCmd(side.code);
}

}  // namespace lorvane
