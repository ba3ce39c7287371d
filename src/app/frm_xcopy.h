#pragma once
// The main window: its controls, its two form-level values and its handlers. Each handler
// is defined in the folder of the subsystem that owns it (FaireCmd in command/, Check1_Click
// in rules/...). The window holds all of the program's state.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/common_dialog.h"
#include "app/controls.h"
#include "app/folder_entries.h"
#include "app/platform.h"
#include "app/switch_table.h"

namespace lorvane {

// The About window and the console's form of a batch text belong to their own subsystems,
// which build on this window; it only holds or passes them.
class FrmAbout;
struct ConsoleText;
struct CloseAbout {
    void operator()(FrmAbout* about) const;  // defined with the About window
};

class FrmXcopy {
public:
    explicit FrmXcopy(Platform platform);
    FrmXcopy(const FrmXcopy&) = delete;
    FrmXcopy& operator=(const FrmXcopy&) = delete;

    Label Caption;

    Label Frame1, Frame2, Frame3, Frame4;
    Label Label1, Label2, Label4, Label5, Label6;

    CheckBox ChkSource, ChkDestination;
    OptionGroup Option1, Option2;
    DriveList Drive1, Drive2;
    DirList Dir1, Dir2;
    FileList File1, File2;

    std::array<CheckBox, kSwitchCount> Check1;
    std::array<Label, kSwitchCount> Label3;

    std::array<TextBox, 4> TxtCmd;
    CommandButton Command1;
    CommonDialog CommonDialog1;

    MenuItem MnuFichier, MnuExecuter, MnuSauvegarder, mnu_s_activite, Mnu_S_Batch, Mnu_S_Lvp, MnuOuvrir, Mnu_O_activite,
        Mnu_L_Lvp, MnuQuitter;
    MenuItem MnuEdition, MnuSelect, MnuCouper, MnuCopier, MnuColler;
    MenuItem MnuTruc, MnuAide, MnuApropos;

    // The control that has the keyboard focus, as the screen reports it; null for none.
    Control* ActiveControl = nullptr;

    // Form-level values.
    std::array<std::string, kSwitchCount> Argument;
    std::string DateCopie;

    // Called with the part code at every run of the builder; for diagnostics and tests.
    std::function<void(const std::string& code)> OnFaireCmd;

    // Start-up and shutdown.
    void Form_Load();
    void Form_Unload(int& Cancel);
    void MnuQuitter_Click();

    // Command composition.
    void FaireCmd(std::string& Quoi);
    void FaireCmd(const char* code) {
        std::string quoi = code;
        FaireCmd(quoi);
    }
    void TxtCmd_Change(int Index);
    void TxtCmd_MouseUp(int Index);

    void ChkSource_Click();
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_Click();
    void File1_Click();
    void Option1_Click(int Index);
    void ChkDestination_Click();
    void Drive2_Change();
    void Dir2_Change();
    void Dir2_Click();
    void File2_Click();
    void Option2_Click(int Index);
    // The user opens a folder in a folder list (a double click on it), or clicks a file in a
    // file list.
    void OpenFolder(DirList& list, const FolderEntry& entry);
    void PickFile(FileList& list, const FolderEntry& entry);

    // Folders and files dropped from the shell on one side (its frame, its lists or its part
    // box), by their full paths. That side goes there as the user would: a folder is opened,
    // a file is clicked in its opened folder. Only the first of several is taken, with a beep.
    void DropOnSide(bool onDestination, const std::vector<std::string>& paths);
    // Which side a control belongs to for a drop: 0 source, 1 destination, -1 neither.
    int DropSideOf(const Control* control) const;

    // Switch rules.
    void Check1_Click(int Index);
    void TestCompatibiliteActivite(int Index);

    // Running and batch files.
    void Command1_Click();
    void MnuExecuter_Click();
    void Mnu_S_Batch_Click();
    // The batch text as the console will read it, or none after an error box saying why it
    // cannot be written (a control character in the command, a character the console's code
    // page lacks, a line longer than the console reads) and the error caption.
    // `running` says which: nothing is run, or nothing is saved.
    std::optional<ConsoleText> ConsoleForm(const std::string& command, const std::string& Batch, bool running);
    // Writes the converted batch text, ended by CR LF, and shows the outcome in the caption; a
    // failed write beeps.
    bool Sauvegarde(const std::string& NomFichier, const ConsoleText& Batch);
    // False, after saying why, when the system cannot tell the program folder (an empty one).
    bool ProgramFolderKnown(const std::string& folder);
    // The whole file Sauvegarde writes for a batch text.
    static std::string BatchFileBytes(const ConsoleText& Batch);

    // Profiles and activity log.
    void Mnu_S_Lvp_Click();
    void Mnu_L_Lvp_Click();
    // A profile named when the program is started ("Open with", a file association): loaded
    // once the window has started, as the menu item loads a profile chosen in its dialog.
    void OpenProfileAtStart(const std::string& path);
    void mnu_s_activite_Click();
    void Mnu_O_activite_Click();

    // Edit menu, help and About.
    void MnuSelect_Click();
    void MnuCouper_Click();
    void MnuCopier_Click();
    void MnuColler_Click();
    void MnuAide_Click();
    void MnuApropos_Click();

    // The About window while it is open (one at most). The screen binding shows a window
    // for it when it opens, and reports its closing.
    std::unique_ptr<FrmAbout, CloseAbout> About;
    std::function<void(FrmAbout&)> AboutOpened;
    void AboutClosed();

    // The controls of one side of the window and the part they feed. The source and
    // destination handlers are twins that run the same code on their own side.
    struct Side {
        CheckBox& current;
        DriveList& drive;
        DirList& dir;
        FileList& file;
        OptionGroup& level;
        const char* code;
    };

private:
    void WireEvents();
    void SetInitialData();

    void SideCurrentDirectory_Click(Side& side);
    void SideDrive_Change(Side& side);
    void SideDir_Change(Side& side);
    void SideFile_Click(Side& side);
    void SideOption_Click(Side& side, int Index);
    void ReportUnreadableFolder(const std::string& path);
    void LoadProfile(const std::string& path);
    std::string BuildLocationPart(const Side& side) const;
    std::string BuildSwitchesPart() const;

    Platform platform_;
    // The bytes this run of the program wrote as "Cmd.bat" beside itself, if it did: the only
    // file it removes at exit, and only while that file still holds them.
    std::optional<std::string> ownDeletedAtExitFile_;
    Side source_;
    Side destination_;
};

}  // namespace lorvane
