// The drive lists follow the system's drives: a drive that comes or goes while the program
// runs (a key plugged in, a share mapped) is offered or no longer.
#include <vector>

#include "app/drive_entries.h"
#include "app/folder_entries.h"
#include "win32/main_window.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

std::vector<std::string> Win32Platform::LogicalDrives() {
    std::vector<std::string> drives;
    // Twenty-six roots of four characters, and the final null.
    wchar_t roots[26 * 4 + 1] = {};
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots)), roots);
    if (length == 0 || length >= std::size(roots)) return drives;  // none offered: the lists still work
    for (const wchar_t* root = roots; *root != 0; root += lstrlenW(root) + 1) drives.push_back(ToUtf8(root));
    return drives;
}

void MainWindow::FillDrives(Bound& bound) {
    const auto& list = static_cast<const DriveList&>(*bound.entry.control);
    const std::vector<std::string> drives = DrivesToOffer(platform_.LogicalDrives(), list.Drive());
    if (drives == bound.drives) return;  // an open list is left as it is
    SendMessageW(bound.hwnd, CB_RESETCONTENT, 0, 0);
    bound.drives.clear();
    for (const std::string& drive : drives) {
        const std::wstring caption = ToUtf16(DriveCaption(drive + "\\"));
        if (SendMessageW(bound.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str())) < 0) continue;
        bound.drives.push_back(drive);
    }
    SyncControl(bound);  // the selected drive, at its new place
}

void MainWindow::RefreshDrives() {
    for (Bound& bound : bound_) {
        if (bound.entry.kind == ControlKind::DriveList) FillDrives(bound);
    }
}

}  // namespace lorvane::win32
