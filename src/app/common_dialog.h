#pragma once
// The window's one file dialog, shared by batch export and the profiles: each use sets
// what it shows, and the file name stays from one use to the next.

#include <string>

#include "app/dialogs.h"

namespace lorvane {

class CommonDialog {
public:
    std::string DefaultExt;
    std::string Filter;
    std::string InitDir;
    std::string DialogTitle;
    std::string FileName;

    // The chosen path, or the empty text when the user cancels; a cancel also empties the
    // name, so the next use starts from no name rather than from a file the user let go.
    std::string ShowSave(Dialogs& dialogs) { return Show(dialogs, true); }
    std::string ShowOpen(Dialogs& dialogs) { return Show(dialogs, false); }

private:
    std::string Show(Dialogs& dialogs, bool save) {
        FileDialogRequest request{save, DefaultExt, Filter, InitDir, DialogTitle, FileName};
        FileName = dialogs.ShowFileDialog(request) ? request.fileName : std::string();
        return FileName;
    }
};

}  // namespace lorvane
