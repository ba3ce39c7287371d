#pragma once
#include <windows.h>

#include "app/frm_xcopy.h"
#include "app/name_order.h"
#include "win32/folder_list_view.h"

namespace lorvane::win32 {

// A key pressed or a character typed in a folder or file list, which the list box hands to
// the window (LBS_WANTKEYBOARDINPUT) as WM_VKEYTOITEM or WM_CHARTOITEM: the answer the
// list box expects, -2 when done here, -1 for its own handling, or the entry to move to.
// Enter opens the highlighted folder as a double click does, Backspace the folder above;
// characters go where `typed` says, which a list drawing its own entries would otherwise not
// do. `folders` is the folder list, null for a file list.
LRESULT ListKey(FrmXcopy& form, DirList* folders, const FolderListView& view, TypeAhead& typed, UINT message,
                WPARAM wParam);

// A folder list takes Enter for itself, which the dialog manager would otherwise turn
// into the window's default button. Refused, Enter does nothing in that list.
void LetFolderListTakeEnter(HWND listBox);

}  // namespace lorvane::win32
