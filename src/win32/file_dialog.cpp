#include "win32/win32_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// The longest path the system knows, in characters, its end included.
constexpr std::size_t kLongestPath = 32768;

// "description|pattern|..." as the dialog wants it: each part ended by a zero, and one
// more zero at the end.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring out = ToUtf16(filter);
    for (wchar_t& c : out) {
        if (c == L'|') c = L'\0';
    }
    out += L'\0';
    return out;
}

}  // namespace

bool Win32Dialogs::ShowFileDialog(FileDialogRequest& request) {
    // The proposed name, then room for the longest path the user may pick, its end included:
    // counted in characters, as nMaxFile wants.
    std::wstring name = ToUtf16(request.fileName);
    name.resize(name.size() + kLongestPath, L'\0');
    const std::wstring filter = DialogFilter(request.filter);
    const std::wstring initialDir = ToUtf16(request.initialDir);
    const std::wstring title = ToUtf16(request.title);
    const std::wstring defaultExt = ToUtf16(request.defaultExt);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_.Active();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = initialDir.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = defaultExt.c_str();
    // The program's current folder stays where the user started it.
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER;
    if (request.save) {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    } else {
        dialog.Flags |= OFN_FILEMUSTEXIST;
    }
    auto* show = LoadSystemFunction<decltype(GetSaveFileNameW)>(L"comdlg32.dll",
                                                                request.save ? "GetSaveFileNameW" : "GetOpenFileNameW");
    // Cancelled, or the dialog could not be shown: nothing chosen either way.
    if (!show || !show(&dialog)) return false;
    request.fileName = ToUtf8(name.c_str());
    return true;
}

}  // namespace lorvane::win32
