#pragma once
// The window's one file dialog, shared by batch export and the profiles: each use sets
// what it shows, and the file name stays from one use to the next.

#include <string>

#include "app/platform.h"

namespace lorvane {

class CommonDialog {
public:
    std::string DefaultExt;
    std::string Filter;
    std::string InitDir;
    std::string DialogTitle;
    std::string FileName;

    // The chosen path, or the empty text when the user cancels; a cancel keeps the name
    // last chosen for the next use.
    std::string ShowSave(Platform& platform) { return Show(platform, true); }
    std::string ShowOpen(Platform& platform) { return Show(platform, false); }

private:
    std::string Show(Platform& platform, bool save) {
        FileDialogRequest request{save, DefaultExt, Filter, InitDir, DialogTitle, FileName};
        if (!platform.ShowFileDialog(request) || request.fileName.empty()) return {};
        FileName = request.fileName;
        return FileName;
    }
};

}  // namespace lorvane
