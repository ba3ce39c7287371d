#include "win32/binders.h"

namespace lorvane::win32 {

const KindBinding& BindingOf(ControlKind kind) {
    static constexpr DWORD kListStyle =
        LBS_NOTIFY | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT | WS_VSCROLL;
    static constexpr KindBinding kFrame{L"BUTTON", BS_GROUPBOX, BindLabel, WS_EX_TRANSPARENT};
    static constexpr KindBinding kLabel{L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, BindLabel};
    static constexpr KindBinding kRightLabel{L"STATIC", SS_RIGHT | SS_NOPREFIX, BindLabel};
    static constexpr KindBinding kPlainLabel{L"STATIC", SS_LEFT | SS_NOPREFIX, BindLabel};
    // A long address ends in an ellipsis rather than on another line.
    static constexpr KindBinding kLink{L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY | SS_ENDELLIPSIS, BindLink};
    static constexpr KindBinding kCheckBox{L"BUTTON", BS_3STATE, BindCheckBox};
    static constexpr KindBinding kOptionButton{L"BUTTON", BS_RADIOBUTTON, BindOptionButton};
    static constexpr KindBinding kDriveList{
        .className = L"COMBOBOX", .style = CBS_DROPDOWNLIST | WS_VSCROLL, .bind = BindDriveList, .droppedTwips = 3000};
    static constexpr KindBinding kDirList{L"LISTBOX", kListStyle, BindDirList, WS_EX_CLIENTEDGE};
    static constexpr KindBinding kFileList{L"LISTBOX", kListStyle, BindFileList, WS_EX_CLIENTEDGE};
    static constexpr KindBinding kTextBox{L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL, BindTextBox, WS_EX_CLIENTEDGE};
    static constexpr KindBinding kButton{L"BUTTON", BS_PUSHBUTTON, BindButton};
    static constexpr KindBinding kDefaultButton{L"BUTTON", BS_DEFPUSHBUTTON, BindButton};
    switch (kind) {
        case ControlKind::Frame: return kFrame;
        case ControlKind::Label: return kLabel;
        case ControlKind::RightLabel: return kRightLabel;
        case ControlKind::PlainLabel: return kPlainLabel;
        case ControlKind::Link: return kLink;
        case ControlKind::CheckBox: return kCheckBox;
        case ControlKind::OptionButton: return kOptionButton;
        case ControlKind::DriveList: return kDriveList;
        case ControlKind::DirList: return kDirList;
        case ControlKind::FileList: return kFileList;
        case ControlKind::TextBox: return kTextBox;
        case ControlKind::Button: return kButton;
        case ControlKind::DefaultButton: return kDefaultButton;
    }
    return kPlainLabel;
}

}  // namespace lorvane::win32
