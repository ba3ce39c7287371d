#include "win32/input_box.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "win32/wide_text.h"
#include "win32/window_messages.h"
#include "win32/win32_texts.h"

namespace lorvane::win32 {

namespace {

// An in-memory dialog template: the dialog manager then gives the box its modal loop,
// its Tab order and the Enter and Esc keys.
class DialogTemplate {
public:
    void Header(DWORD style, int itemCount, short cx, short cy, const wchar_t* font, WORD points) {
        DLGTEMPLATE header{};
        header.style = style;
        header.cdit = static_cast<WORD>(itemCount);
        header.cx = cx;
        header.cy = cy;
        AddStruct(header);
        Add(kNone), Add(kNone);  // no menu, the standard dialog class
        Add(kNone);              // title set at WM_INITDIALOG, with the other texts
        Add(points);
        AddText(font);
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom) {
        words_.resize((words_.size() + 1) / 2 * 2);  // items start on a DWORD boundary
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x, item.y = y, item.cx = cx, item.cy = cy;
        item.id = id;
        AddStruct(item);
        Add(0xFFFF), Add(atom);  // predefined class by atom
        Add(kNone);              // text set at WM_INITDIALOG
        Add(kNone);              // no creation data
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    static constexpr WORD kNone = 0;
    void Add(WORD w) { words_.push_back(w); }
    template <typename Part>
    void AddStruct(const Part& part) {
        static_assert(sizeof part % sizeof(WORD) == 0);
        const auto* words = reinterpret_cast<const WORD*>(&part);
        words_.insert(words_.end(), words, words + sizeof part / sizeof(WORD));
    }
    void AddText(std::wstring_view text) {
        words_.insert(words_.end(), text.begin(), text.end());
        Add(kNone);
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
            }
            if (id == IDOK || id == IDCANCEL) EndDialog(dialog, id);
            return kTakenCareOf;
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
