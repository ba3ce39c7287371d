#include "win32/control_classes.h"

namespace lorvane::win32 {

ClassAndStyle ClassFor(const LayoutEntry& entry) {
    switch (entry.kind) {
        case ControlKind::Frame: return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
        // SS_NOTIFY: a label takes the pointer, so that its help shows over it.
        case ControlKind::Label: return {L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
        case ControlKind::RightLabel: return {L"STATIC", SS_RIGHT | SS_NOPREFIX, 0};
        case ControlKind::CheckBox: return {L"BUTTON", BS_3STATE, 0};
        case ControlKind::OptionButton: return {L"BUTTON", BS_RADIOBUTTON, 0};
        case ControlKind::DriveList: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::DirList:
        case ControlKind::FileList:
            return {L"LISTBOX",
                    LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT |
                        WS_VSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::TextBox: return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON, 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace lorvane::win32
