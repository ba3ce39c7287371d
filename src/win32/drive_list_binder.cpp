// The drive lists follow the system's drives: a drive that comes or goes while the program
// runs (a key plugged in, a share mapped) is offered or no longer.
#include <algorithm>
#include <string>
#include <vector>

#include "app/drive_entries.h"
#include "app/folder_entries.h"
#include "app/folders.h"
#include "win32/binders.h"
#include "win32/wide_text.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

class DriveListBinder : public BinderOf<DriveList> {
public:
    using BinderOf::BinderOf;
    static bool Lent(const BinderContext& context) { return context.folders != nullptr; }
    void DrivesChanged() override { Fill(); }

private:
    void Attach() override { Fill(); }

    void Show() override {
        // None selected for a drive the list lacks.
        const auto shown = std::ranges::find(drives_, model_.Drive());
        Send(Handle(), CB_SETCURSEL, shown == drives_.end() ? WPARAM(-1) : WPARAM(shown - drives_.begin()));
    }

    void Notified(int code) override {
        switch (code) {
            // A drive that came or went since the last look shows as the list opens.
            case CBN_DROPDOWN: Fill(); break;
            case CBN_SELCHANGE: {
                // The items are the drives, one for one.
                const LRESULT index = Send(Handle(), CB_GETCURSEL);
                if (index != CB_ERR) model_.SetDrive(drives_[static_cast<std::size_t>(index)]);
                break;
            }
            default: break;
        }
    }

    void Fill() {
        const std::vector<std::string> drives = DrivesToOffer(Context().folders->LogicalDrives(), model_.Drive());
        if (drives == drives_) return;  // an open list is left as it is
        Send(Handle(), CB_RESETCONTENT);
        drives_.clear();
        for (const std::string& drive : drives) {
            const std::wstring caption = ToUtf16(DriveCaption(drive + "\\"));
            if (Send(Handle(), CB_ADDSTRING, {}, reinterpret_cast<LPARAM>(caption.c_str())) < 0) continue;
            drives_.push_back(drive);
        }
        Sync();  // the selected drive, at its new place
    }

    std::vector<std::string> drives_;  // the drive of each item
};

}  // namespace

std::unique_ptr<Binder> BindDriveList(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<DriveListBinder>(placed, hwnd, context);
}

}  // namespace lorvane::win32
