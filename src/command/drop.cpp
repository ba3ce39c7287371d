#include "app/frm_xcopy.h"
#include "app/name_spelling.h"
#include "app/text_utils.h"
#include "command/name_report.h"

namespace lorvane {

namespace {

// The first part of the path the system would read as another name ("foo." as "foo"); empty
// when there is none. The root is left out: its ':' and separators are its own.
std::string FlawedPart(const std::string& path) {
    for (std::size_t start = RootOf(path).size(); start < path.size();) {
        std::size_t end = path.find_first_of("\\/", start);
        if (end == std::string::npos) end = path.size();
        const std::string part = path.substr(start, end - start);
        if (FlawOf(part) != NameFlaw::None) return part;
        start = end + 1;
    }
    return {};
}

}  // namespace

void FrmXcopy::DropOnSide(bool onDestination, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    // Several items name no single place: the first is taken, and the beep says so.
    if (paths.size() > 1) platform_.dialogs.Beep();
    const std::string& path = paths.front();
    // The shell gives whole paths, with no short name for such a part: asked of the system, the
    // path would name the sibling. Refused, rather than open or copy what was not dropped.
    if (const std::string part = FlawedPart(path); !part.empty())
        return ReportUnspellableName(platform_.dialogs, {part, {}, 0});
    std::string folder = platform_.folders.ReadableFolder(path);
    std::string file;
    if (folder.empty()) {
        const std::size_t separator = path.find_last_of('\\');
        if (separator == std::string::npos || !platform_.files.FileExists(path)) {
            ReportUnreadableFolder(path);
            return;
        }
        folder = path.substr(0, separator == 2 ? 3 : separator);  // "C:\a.txt" lies in "C:\"
        file = path.substr(separator + 1);
    }
    // As the user would go there: out of the current folder mode, to the drive, into the
    // folder (a double click), onto the file (a click).
    Side& side = onDestination ? destination_ : source_;
    side.current.SetValue(0);
    // A network share has no drive letter: the drive list shows none, and moves nowhere.
    const std::string drive = DriveOf(folder);
    if (drive.empty()) {
        side.drive.ShowDrive(drive);
    } else {
        side.drive.SetDrive(drive);
    }
    const bool alreadyOpen = side.dir.Path() == folder;
    OpenFolder(side.dir, FolderEntry{folder, folder, 0});
    if (!file.empty()) {
        PickFile(side.file, FolderEntry{file, std::string(), 0});
    } else if (alreadyOpen) {
        SideDir_Change(side);  // opening the open folder changes no path: the level still follows
    }
}

int FrmXcopy::DropSideOf(const Control* control) const {
    const Control* sourceSide[] = {&Frame1, &Label1, &ChkSource, &Drive1, &Dir1, &File1, &Label4, &TxtCmd[0]};
    const Control* destinationSide[] = {&Frame2, &Label2, &ChkDestination, &Drive2, &Dir2, &File2, &Label5, &TxtCmd[1]};
    for (int i = 0; i < OptionGroup::kSize; ++i) {
        if (control == &Option1[i]) return 0;
        if (control == &Option2[i]) return 1;
    }
    for (const Control* c : sourceSide) {
        if (c == control) return 0;
    }
    for (const Control* c : destinationSide) {
        if (c == control) return 1;
    }
    return -1;
}

}  // namespace lorvane
