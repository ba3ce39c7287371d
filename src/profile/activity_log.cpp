#include "app/frm_xcopy.h"
#include "app/program_files.h"
#include "app/whole_file.h"
#include "app/window_texts.h"
#include "profile/activity_texts.h"

namespace lorvane {

namespace {

// A copy of a whole disk lists a few megabytes; beyond this the view shows the beginning.
constexpr std::size_t kLongestActivityShown = 64u << 20;

}  // namespace

void FrmXcopy::mnu_s_activite_Click() {
    mnu_s_activite.SetChecked(!mnu_s_activite.Checked());
    if (!mnu_s_activite.Checked()) return;
    platform_.dialogs.MsgBox(texts::kActivityNotice, texts::kActivityTitle, MsgButtons::Ok, MsgIcon::Information);
    // A switch already ticked that waits for the user would have its question recorded, and
    // the console wait for an answer no one can give: each is asked about as when ticked.
    for (int i = 0; i < static_cast<int>(kSwitchCount) && mnu_s_activite.Checked(); ++i) TestCompatibiliteActivite(i);
}

void FrmXcopy::Mnu_O_activite_Click() {
    const std::string folder = platform_.files.ProgramFolder();
    if (!ProgramFolderKnown(folder)) return;
    const std::string path = InProgramFolder(folder, kActivityFileName);
    std::string bytes;
    if (!platform_.files.FileExists(path) || !platform_.files.ReadFileStart(path, kLongestActivityShown, bytes)) {
        platform_.dialogs.MsgBox(texts::NoActivityYet(path), texts::kActivityTitle, MsgButtons::Ok,
                                 MsgIcon::Information);
        return;
    }
    // Opened as the console wrote it, an editor would read its bytes in another code page ("No‰l"
    // for "Noël"): the same text in UTF-8 is opened instead, or, failing that, the file itself.
    const bool converted = WriteWholeFile(platform_.files, InProgramFolder(folder, kActivityViewName),
                                          "\xEF\xBB\xBF" + platform_.console.ConsoleTextOf(bytes));
    const char* opened = converted ? kActivityViewName : kActivityFileName;
    if (!platform_.shell.ShellOpen(opened, folder)) {
        platform_.dialogs.MsgBox(texts::ActivityNotOpened(InProgramFolder(folder, opened)),
                                 texts::kShellOpenFailedTitle, MsgButtons::Ok, MsgIcon::Error);
    }
}

}  // namespace lorvane
