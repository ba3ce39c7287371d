#include "win32/input_box.h"

#include <cstdint>
#include <vector>

#include "win32/wide_text.h"
#include "win32/win32_texts.h"

namespace lorvane::win32 {

namespace {

// An in-memory dialog template: the dialog manager then gives the box its modal loop,
// its Tab order and the Enter and Esc keys.
class DialogTemplate {
public:
    void Header(DWORD style, int itemCount, short cx, short cy, const wchar_t* font, WORD points) {
        AddDword(style);
        AddDword(0);  // extended style
        Add(static_cast<WORD>(itemCount));
        Add(0), Add(0), Add(static_cast<WORD>(cx)), Add(static_cast<WORD>(cy));
        Add(0);  // no menu
        Add(0);  // standard dialog class
        Add(0);  // title set at WM_INITDIALOG, with the other texts
        Add(points);
        AddText(font);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom) {
        while (words_.size() % 2 != 0) Add(0);  // items start on a DWORD boundary
        AddDword(style | WS_CHILD | WS_VISIBLE);
        AddDword(0);
        Add(static_cast<WORD>(x)), Add(static_cast<WORD>(y));
        Add(static_cast<WORD>(cx)), Add(static_cast<WORD>(cy));
        Add(id);
        Add(0xFFFF), Add(atom);  // predefined class by atom
        Add(0);                  // text set at WM_INITDIALOG
        Add(0);                  // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Add(WORD w) { words_.push_back(w); }
    void AddDword(DWORD d) {
        Add(LOWORD(d));
        Add(HIWORD(d));
    }
    void AddText(const wchar_t* text) {
        for (; *text != 0; ++text) Add(static_cast<WORD>(*text));
        Add(0);
    }
    std::vector<WORD> words_;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct InputBoxState {
    const std::string* prompt;
    const std::string* title;
    const std::string* proposed;
    std::string answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<InputBoxState*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetWindowTextW(dialog, ToUtf16(*state->title).c_str());
            SetDlgItemTextW(dialog, kInputBoxPromptId, ToUtf16(*state->prompt).c_str());
            SetDlgItemTextW(dialog, kInputBoxEditId, ToUtf16(*state->proposed).c_str());
            SetDlgItemTextW(dialog, IDOK, ToUtf16(kInputBoxOk).c_str());
            SetDlgItemTextW(dialog, IDCANCEL, ToUtf16(kInputBoxCancel).c_str());
            HWND edit = GetDlgItem(dialog, kInputBoxEditId);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
                state->answer = WindowText(GetDlgItem(dialog, kInputBoxEditId));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (id == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default: return FALSE;
    }
}

}  // namespace

std::string ShowInputBox(HWND owner, const std::string& prompt, const std::string& title, const std::string& proposed) {
    DialogTemplate tmpl;
    tmpl.Header(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 4, 250, 92,
                L"MS Shell Dlg", 8);
    tmpl.Item(SS_LEFT, 7, 7, 176, 60, kInputBoxPromptId, kStaticAtom);
    tmpl.Item(BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 192, 7, 51, 14, IDOK, kButtonAtom);
    tmpl.Item(BS_PUSHBUTTON | WS_TABSTOP, 192, 25, 51, 14, IDCANCEL, kButtonAtom);
    tmpl.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 7, 72, 236, 13, kInputBoxEditId, kEditAtom);

    InputBoxState state{&prompt, &title, &proposed, {}};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), tmpl.Get(), owner, InputBoxProc,
                                                   reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return {};  // cancelled, or the box could not be shown
    return state.answer;
}

}  // namespace lorvane::win32
