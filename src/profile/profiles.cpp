#include "app/frm_xcopy.h"
#include "app/whole_file.h"
#include "app/window_texts.h"
#include "profile/profile_file.h"
#include "profile/profile_texts.h"

namespace lorvane {

namespace {

void SetUpProfileDialog(CommonDialog& dialog, const std::string& folder, const char* title) {
    dialog.DefaultExt = texts::kProfileDefaultExt;
    dialog.Filter = texts::kProfileFilter;
    dialog.InitDir = folder;
    dialog.DialogTitle = title;
}

}  // namespace

void FrmXcopy::Mnu_S_Lvp_Click() {
    // The question shows the switches as the box holds them; the file gets the tick states.
    const std::string question =
        std::string(texts::kProfileQuestion) + "\n" + texts::kProfileNameLater + "\n" + TxtCmd[2].Text() + " ?";
    if (platform_.dialogs.MsgBox(question, texts::kQuestionTitle, MsgButtons::YesNo, MsgIcon::Question) !=
        MsgResult::Yes) {
        return;
    }
    SetUpProfileDialog(CommonDialog1, platform_.files.ProgramFolder(), texts::kProfileSaveTitle);
    const std::string path = CommonDialog1.ShowSave(platform_.dialogs);
    if (path.empty()) return;
    SwitchStates states{};
    for (std::size_t i = 0; i < states.size(); ++i) states[i] = Check1[i].Value();
    if (!WriteWholeFile(platform_.files, path, ProfileText(states))) {
        platform_.dialogs.MsgBox(texts::ProfileNotWritten(path), texts::kProfileErrorTitle, MsgButtons::Ok,
                                 MsgIcon::Error);
    }
}

void FrmXcopy::Mnu_L_Lvp_Click() {
    SetUpProfileDialog(CommonDialog1, platform_.files.ProgramFolder(), texts::kProfileOpenTitle);
    const std::string path = CommonDialog1.ShowOpen(platform_.dialogs);
    if (!path.empty()) LoadProfile(path);
}

void FrmXcopy::OpenProfileAtStart(const std::string& path) {
    CommonDialog1.FileName = path;  // as if chosen in the dialog
    LoadProfile(path);
}

void FrmXcopy::LoadProfile(const std::string& path) {
    // The whole file is judged before any box changes: a bad profile changes nothing.
    std::string text;
    std::string fault;
    if (!platform_.files.ReadFileStart(path, kProfileReadLimit, text)) {
        fault = texts::ProfileNotRead(path);
    } else {
        const ProfileReading reading = ReadProfile(text);
        switch (reading.fault) {
            case ProfileReading::Fault::TooShort: fault = texts::ProfileTooShort(path, reading.line); break;
            case ProfileReading::Fault::NotAState:
                fault = texts::ProfileBadValue(path, reading.line, reading.field);
                break;
            case ProfileReading::Fault::None:
                // Each change runs that box's click rules at once, in switch order.
                for (std::size_t i = 0; i < reading.states.size(); ++i) {
                    Check1[i].SetValue(reading.states[i]);
                }
                return;
        }
    }
    platform_.dialogs.MsgBox(fault, texts::kProfileErrorTitle, MsgButtons::Ok, MsgIcon::Error);
}

}  // namespace lorvane
