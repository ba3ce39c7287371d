#include "win32/control_classes.h"

namespace lorvane::win32 {

ClassAndStyle ClassFor(const LayoutEntry& entry) {
    switch (entry.kind) {
        case ControlKind::Frame: return {"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
        // SS_NOTIFY: a label takes the pointer, so that its help shows over it.
        case ControlKind::Label: return {"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
        case ControlKind::RightLabel: return {"STATIC", SS_RIGHT | SS_NOPREFIX, 0};
        case ControlKind::CheckBox: return {"BUTTON", BS_3STATE, 0};
        case ControlKind::OptionButton: return {"BUTTON", BS_RADIOBUTTON, 0};
        case ControlKind::DriveList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case ControlKind::DirList:
        case ControlKind::FileList:
            return {"LISTBOX", LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::TextBox: return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON, 0};
    }
    return {"STATIC", 0, 0};
}

}  // namespace lorvane::win32
