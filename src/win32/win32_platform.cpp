#include "win32/win32_platform.h"

#include <shellapi.h>

#include <string>

#include "win32/input_box.h"

namespace lorvane::win32 {

namespace {

constexpr const char* kApplicationTitle = "Lorvane";

UINT IconFlag(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return MB_ICONINFORMATION;
        case MsgIcon::Question: return MB_ICONQUESTION;
        case MsgIcon::Error: return MB_ICONERROR;
        case MsgIcon::None: break;
    }
    return 0;
}

}  // namespace

MsgResult Win32Platform::MsgBox(const std::string& text, const std::string& title,
                                    MsgButtons buttons, MsgIcon icon) {
    const UINT flags = (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK) | IconFlag(icon) |
                       MB_DEFBUTTON1 | MB_APPLMODAL;
    const int answer = MessageBoxA(owner_, text.c_str(),
                                   title.empty() ? kApplicationTitle : title.c_str(), flags);
    switch (answer) {
        case IDYES: return MsgResult::Yes;
        case IDOK: return MsgResult::Ok;
        case 0:  // the box could not be shown: take the safe answer
            return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
        default: return MsgResult::No;
    }
}

std::string Win32Platform::InputBox(const std::string& prompt, const std::string& title,
                                    const std::string& proposed) {
    return ShowInputBox(owner_, prompt, title, proposed);
}

void Win32Platform::Beep() { MessageBeep(MB_OK); }

void Win32Platform::ShellOpen(const std::string& file, const std::string& directory) {
    // The shell reports its own failures, if any; the program says nothing of its own.
    ShellExecuteA(owner_, "Open", file.c_str(), "", directory.c_str(), SW_SHOWNORMAL);
}

std::string Win32Platform::ReadableFolder(const std::string& path) {
    // A bare drive ("D:") names that drive's current folder for this process.
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return {};
    std::string folder(full, length);
    if (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();

    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return {};
    }
    // Listing it proves it can be read; an empty drive root has nothing to list but is fine.
    const std::string pattern = folder + (folder.back() == '\\' ? "*" : "\\*");
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND ? folder : std::string();
    FindClose(find);
    return folder;
}

std::string Win32Platform::CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return "C:\\";
    std::string path(needed, '\0');
    const DWORD length = GetCurrentDirectoryA(needed, path.data());
    if (length == 0 || length >= needed) return "C:\\";
    path.resize(length);
    return path;
}

DateOrder Win32Platform::ShortDateOrder() {
    char order[4] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, sizeof order) == 0) {
        return DateOrder::DayMonthYear;
    }
    switch (order[0]) {
        case '0': return DateOrder::MonthDayYear;
        case '2': return DateOrder::YearMonthDay;
        default: return DateOrder::DayMonthYear;
    }
}

}  // namespace lorvane::win32
