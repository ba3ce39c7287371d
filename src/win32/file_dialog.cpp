#include "win32/win32_platform.h"

#include <commdlg.h>

#include <vector>

#include "win32/system_library.h"

namespace lorvane::win32 {

namespace {

// "description|pattern|..." as the dialog wants it: each part ended by a zero, and one
// more zero at the end.
std::string DialogFilter(const std::string& filter) {
    std::string out = filter;
    for (char& c : out) {
        if (c == '|') c = '\0';
    }
    out += '\0';
    return out;
}

}  // namespace

bool Win32Platform::ShowFileDialog(FileDialogRequest& request) {
    std::vector<char> name(32768, '\0');  // counted in characters, as nMaxFile wants
    request.fileName.copy(name.data(), name.size() - 1);
    const std::string filter = DialogFilter(request.filter);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = DialogOwner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = request.initialDir.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt = request.defaultExt.c_str();
    // The program's current folder stays where the user started it.
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    if (request.save) {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    } else {
        dialog.Flags |= OFN_FILEMUSTEXIST;
    }
    auto* show = LoadSystemFunction<decltype(GetSaveFileNameA)>("comdlg32.dll",
                                                                request.save ? "GetSaveFileNameA" : "GetOpenFileNameA");
    // Cancelled, or the dialog could not be shown: nothing chosen either way.
    if (show == nullptr || !show(&dialog)) return false;
    request.fileName = name.data();
    return true;
}

}  // namespace lorvane::win32
