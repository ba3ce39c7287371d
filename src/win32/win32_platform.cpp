#include "win32/win32_platform.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "win32/folder_wait.h"
#include "win32/input_box.h"
#include "win32/system_library.h"
#include "win32/wide_text.h"
#include "win32/win32_texts.h"

namespace lorvane::win32 {

namespace {

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

Win32Platform::~Win32Platform() {
    if (!comInitialized_) return;
    if (auto* uninitialize = LoadSystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize")) {
        uninitialize();
    }
}

HWND Win32Platform::DialogOwner() const {
    // The window the user acted in: the About window for its own buttons (the main window
    // may be gone by then), the main window for everything else.
    if (HWND active = GetActiveWindow()) return active;
    return IsWindow(owner_) ? owner_ : nullptr;
}

void Win32Platform::EnsureComApartment() {
    // Some of the shell's handlers of documents and links are COM objects, which need an
    // apartment on the calling thread.
    if (comTried_) return;
    comTried_ = true;
    if (auto* initialize = LoadSystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx")) {
        // S_FALSE (already there) is balanced by an uninitialise too; another mode is kept.
        comInitialized_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
}

MsgResult Win32Platform::MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) {
    const UINT flags =
        (buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK) | IconFlag(icon) | MB_DEFBUTTON1 | MB_APPLMODAL;
    // The control the box is about (a list, most often) has the keyboard again after it, even
    // when boxes follow one another and the window's own memory of its focus goes with them.
    HWND focus = GetFocus();
    const int answer = MessageBoxW(DialogOwner(), ToUtf16(text).c_str(),
                                   ToUtf16(title.empty() ? kApplicationTitle : title).c_str(), flags);
    if (focus != nullptr && IsWindow(focus) && IsWindowEnabled(focus) && IsWindowVisible(focus)) SetFocus(focus);
    switch (answer) {
        case IDYES: return MsgResult::Yes;
        case IDOK: return MsgResult::Ok;
        case 0:  // the box could not be shown: take the safe answer
            return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
        default: return MsgResult::No;
    }
}

std::string Win32Platform::InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) {
    return ShowInputBox(DialogOwner(), prompt, title, proposed);
}

void Win32Platform::Beep() { MessageBeep(MB_OK); }

bool Win32Platform::ShellOpen(const std::string& file, const std::string& directory) {
    EnsureComApartment();
    auto* shellExecute = LoadSystemFunction<decltype(ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
    if (shellExecute == nullptr) return false;
    const std::wstring wideFile = ToUtf16(file), wideDirectory = ToUtf16(directory);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;  // the caller says in French what failed, and what to do
    request.hwnd = DialogOwner();
    request.lpVerb = L"Open";
    request.lpFile = wideFile.c_str();
    request.lpParameters = L"";
    request.lpDirectory = wideDirectory.c_str();
    request.nShow = SW_SHOWNORMAL;
    return shellExecute(&request) != FALSE;
}

std::string Win32Platform::OffTheWindowsThread(const std::string& path,
                                               std::function<std::string(const std::string&)> check) {
    FolderWaitSettings settings = folderWait_;
    settings.check = std::move(check);
    return CheckFolderWithoutBlocking(path, settings, owner_);
}

std::string Win32Platform::ReadableFolder(const std::string& path) {
    // A folder list and its file list move to the same folder one after the other: the
    // answer of a moment ago serves the second, rather than a second worker.
    const ULONGLONG now = GetTickCount64();
    if (!lastCheck_.result.empty() && now - lastCheck_.at < kCheckStillFreshMs &&
        (path == lastCheck_.path || path == lastCheck_.result)) {
        return lastCheck_.result;
    }
    // A drive whose server is gone holds the check for tens of seconds: never on the
    // window's thread.
    std::string result = CheckFolderWithoutBlocking(path, folderWait_, owner_);
    lastCheck_ = {path, result, GetTickCount64()};
    return result;
}

std::string Win32Platform::CurrentDirectory() {
    // A start folder the system cannot tell starts the lists at the root instead.
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return "C:\\";
    std::wstring path(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, path.data());
    if (length == 0 || length >= needed) return "C:\\";
    path.resize(length);
    return ToUtf8(path);
}

DateOrder Win32Platform::ShortDateOrder() {
    wchar_t order[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, 4) == 0) {
        return DateOrder::DayMonthYear;
    }
    switch (order[0]) {
        case L'0': return DateOrder::MonthDayYear;
        case L'2': return DateOrder::YearMonthDay;
        default: return DateOrder::DayMonthYear;
    }
}

}  // namespace lorvane::win32
