#include "win32/win32_dialogs.h"

#include "win32/input_box.h"
#include "win32/wide_text.h"
#include "win32/win32_texts.h"

namespace lorvane::win32 {

namespace {

UINT IconFlag(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return MB_ICONINFORMATION;
        case MsgIcon::Question: return MB_ICONQUESTION;
        case MsgIcon::Error: return MB_ICONERROR;
        case MsgIcon::None: break;
    }
    return {};  // none
}

}  // namespace

MsgResult Win32Dialogs::MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) {
    const UINT flags =
        (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK) | IconFlag(icon) | MB_DEFBUTTON1 | MB_APPLMODAL;
    // The control the box is about (a list, most often) has the keyboard again after it, even
    // when boxes follow one another and the window's own memory of its focus goes with them.
    HWND focus = GetFocus();
    const int answer = MessageBoxW(owner_.Active(), ToUtf16(text).c_str(),
                                   ToUtf16(title.empty() ? kApplicationTitle : title).c_str(), flags);
    // Both false for no window, or one gone meanwhile.
    if (IsWindowEnabled(focus) && IsWindowVisible(focus)) SetFocus(focus);
    switch (answer) {
        case IDYES: return MsgResult::Yes;
        case IDOK: return MsgResult::Ok;
        default: return MsgResult::No;  // also when the box could not be shown: the safe answer
    }
}

std::string Win32Dialogs::InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) {
    return ShowInputBox(owner_.Active(), prompt, title, proposed);
}

void Win32Dialogs::Beep() { MessageBeep(MB_OK); }

}  // namespace lorvane::win32
