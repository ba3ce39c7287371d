#include "win32/list_keys.h"

#include <commctrl.h>

#include "app/folder_entries.h"
#include "win32/system_collation.h"

namespace lorvane::win32 {

namespace {

constexpr UINT_PTR kEnterSubclass = 1;

LRESULT CALLBACK FolderListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam);
        // Asked with the message about to be handled, or with none when the system only
        // wants to know the control's kind.
        const auto* asked = reinterpret_cast<const MSG*>(lParam);
        const bool enter = asked && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN;
        return enter ? code | DLGC_WANTALLKEYS : code;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, FolderListProc, kEnterSubclass);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT ListKey(FrmXcopy& form, DirList* folders, const FolderListView& view, TypeAhead& typed, UINT message,
                WPARAM wParam) {
    if (message == WM_CHARTOITEM) {
        // From the highlighted entry rather than the caret the message carries: that one is
        // cut to 16 bits, and a list may hold a hundred thousand names. Half a surrogate pair
        // starts no name: it goes nowhere.
        const int to = typed.Typed(
            static_cast<char32_t>(LOWORD(wParam)), GetTickCount64(), GetDoubleClickTime(), view.Count(),
            view.SelectedIndex(), [&](int i) { return view.NameAt(i); },
            SystemCollation());
        return to == -1 ? -2 : to;  // nowhere: the list does nothing either
    }
    if (!folders) return -1;  // a file list
    switch (LOWORD(wParam)) {
        case VK_RETURN:
            if (const std::optional<FolderListView::Entry> entry = view.EntryAt(view.SelectedIndex()))
                form.OpenFolder(*folders, *entry);
            return -2;
        case VK_BACK: {
            const std::string parent = ParentFolder(folders->Path());
            form.OpenFolder(*folders, FolderEntry{parent, parent, {}});  // at a root, where it already is
            return -2;
        }
        default: return -1;
    }
}

void LetFolderListTakeEnter(HWND listBox) {
    SetWindowSubclass(listBox, FolderListProc, kEnterSubclass, {});
}

}  // namespace lorvane::win32
