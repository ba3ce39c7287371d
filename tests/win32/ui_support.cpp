#include "ui_support.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace lorvane::win32::testing {

MsgResult UiPlatform::MsgBox(const std::string& text, const std::string& title,
                             MsgButtons buttons, MsgIcon icon) {
    if (realMessageBoxes) {
        messages.push_back({text, title, buttons, icon});
        return Win32Platform::MsgBox(text, title, buttons, icon);
    }
    return Message(text, title, buttons, icon);
}

std::string UiPlatform::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) {
    if (realInputBox) {
        inputs.push_back({prompt, title, proposed});
        return Win32Platform::InputBox(prompt, title, proposed);
    }
    return Input(prompt, title, proposed);
}

bool UiPlatform::ShowFileDialog(FileDialogRequest& request) {
    if (realFileDialogs) return Win32Platform::ShowFileDialog(request);
    if (fileDialogAnswers.empty()) return false;
    request.fileName = fileDialogAnswers.front();
    fileDialogAnswers.pop_front();
    return !request.fileName.empty();
}

std::string UiPlatform::ReadableFolder(const std::string& path) {
    if (unreadable.count(path) != 0) return {};
    std::string folder = Win32Platform::ReadableFolder(path);
    return unreadable.count(folder) != 0 ? std::string() : folder;
}

namespace {

// Calls `visit` with the name and attributes of each entry of the folder but "." and "..".
template <typename Visit>
void ForEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") visit(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

void RemoveTree(const std::wstring& folder) {
    ForEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
        const std::wstring path = folder + L"\\" + name;
        if (isFolder) return RemoveTree(path);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
    });
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempTree::TempTree() {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    std::string base = length > 0 && length < sizeof temp ? std::string(temp, length) : "C:\\";
    if (base.back() != '\\') base += '\\';
    static int counter = 0;
    char name[64];
    std::snprintf(name, sizeof name, "lorvane-ui-%lu-%d", GetCurrentProcessId(), ++counter);
    root_ = base + name;
    RemoveTree(ToWide(root_));  // left by a run that was stopped before it could clean up
    CreateDirectoryA(root_.c_str(), nullptr);
}

TempTree::~TempTree() { RemoveTree(ToWide(root_)); }

void TempTree::Folder(const std::wstring& relative) const { CreateDirectoryW(Path(relative).c_str(), nullptr); }

void TempTree::File(const std::wstring& relative, const std::string& content) const {
    HANDLE file = CreateFileW(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

namespace {
int quitMessages = 0;  // test support only: what the pumps saw
}  // namespace

int QuitMessagesSeen() { return quitMessages; }

void PumpPending(MainWindow& window) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ++quitMessages;
            continue;
        }
        if (window.Handle() != nullptr && window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool PumpUntil(MainWindow& window, const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpPending(window);
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD left = static_cast<DWORD>(deadline - now);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < pollMs ? left : pollMs, QS_ALLINPUT);
    }
}

DialogAnswerer::DialogAnswerer(std::string title, std::function<void(HWND dialog)> answer)
    : title_(std::move(title)), answer_(std::move(answer)) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

DWORD WINAPI DialogAnswerer::Run(void* parameter) {
    auto* self = static_cast<DialogAnswerer*>(parameter);
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (!self->stop_ && GetTickCount64() < deadline) {
        HWND dialog = FindWindowA("#32770", self->title_.c_str());
        if (dialog != nullptr && IsWindowVisible(dialog)) {
            self->seenText_ = DialogText(dialog);
            self->answer_(dialog);
            self->answered_ = true;
            return 0;
        }
        Sleep(20);  // another thread's window: nothing to wait on
    }
    for (HWND dialog = nullptr; (dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr));) {
        DWORD process = 0;
        GetWindowThreadProcessId(dialog, &process);
        if (process != GetCurrentProcessId() || !IsWindowVisible(dialog)) continue;
        std::fprintf(stderr, "unanswered dialog \"%s\"\n", TextOf(dialog).c_str());
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    return 0;
}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    if (thread_ == nullptr) return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
}

std::string TextOf(HWND hwnd) {
    // WM_GETTEXT, not GetWindowText, so that another process's edit boxes answer too.
    char text[2048] = {};
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string DialogText(HWND dialog) {
    std::string all;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") != 0) continue;
        const std::string text = TextOf(child);
        if (text.empty()) continue;
        if (!all.empty()) all += '\n';
        all += text;
    }
    return all;
}

namespace {

POINT ItemCentre(HWND list, int index) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

// Process id -> parent's id, as the system lists them now.
std::map<DWORD, DWORD> RunningProcesses() {
    std::map<DWORD, DWORD> parents;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return parents;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        parents[entry.th32ProcessID] = entry.th32ParentProcessID;
    }
    CloseHandle(snapshot);
    return parents;
}

}  // namespace

StartedProcesses::StartedProcesses() {
    for (const auto& [id, parent] : RunningProcesses()) before_.insert(id);
}

void StartedProcesses::EndAll() {
    // A process ended here may have started another just before: each round waits for the
    // ended ones to be gone, then looks again, until a round finds no one new.
    const DWORD self = GetCurrentProcessId();
    for (bool foundNew = true; foundNew;) {
        foundNew = false;
        for (const auto& [id, parent] : RunningProcesses()) {
            const bool startedByTheSystem = parent != self && before_.count(parent) != 0;
            if (before_.count(id) != 0 || startedByTheSystem || !ended_.insert(id).second) continue;
            foundNew = true;
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
                TerminateProcess(process, 0);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        }
    }
}

std::vector<std::wstring> FilesUnder(const std::wstring& folder, const std::wstring& prefix) {
    std::vector<std::wstring> names;
    ForEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
        if (!isFolder) return names.push_back(prefix + name);
        for (const std::wstring& inner : FilesUnder(folder + L"\\" + name, prefix + name + L"\\")) names.push_back(inner);
    });
    std::sort(names.begin(), names.end());
    return names;
}

std::string FileContent(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

bool WaitForFile(MainWindow& window, const std::wstring& path, const std::string& needle, DWORD timeoutMs) {
    // Another process writes it: the window keeps working while the test looks again.
    return PumpUntil(window, [&] {
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
        return needle.empty() || FileContent(path).find(needle) != std::string::npos;
    }, timeoutMs, 50);
}

void ClickAt(HWND hwnd, int x, int y) {
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ClickListItem(HWND list, int index) {
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    const POINT at = ItemCentre(list, index);
    ClickAt(list, at.x, at.y);
}

void DoubleClickListItem(HWND list, int index) {
    ClickListItem(list, index);
    const POINT at = ItemCentre(list, index);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void DragSelect(HWND edit, int from, int to) {
    SetFocus(edit);
    const LRESULT start = SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(from), 0);
    const LRESULT end = SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(to), 0);
    const int y = HIWORD(start) + 4;
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(LOWORD(start), y));
    SendMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(LOWORD(end), y));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(LOWORD(end), y));
}

void PressKey(MainWindow& window, UINT key, unsigned modifiers) {
    // The key goes through the message queue, where the window's keyboard handling sees it,
    // with the modifiers held in the thread's keyboard state.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = (modifiers & kCtrl) != 0 ? 0x80 : 0;
    keys[VK_SHIFT] = (modifiers & kShift) != 0 ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND target = GetFocus() != nullptr ? GetFocus() : window.Handle();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, key, scan | 1);
    PostMessageA(target, WM_KEYUP, key, scan | static_cast<LPARAM>(0xC0000001));
    PumpPending(window);
    keys[VK_CONTROL] = 0;
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

void TypeText(HWND edit, const std::string& text) {
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

int MenuId(const MainWindow& window, const MenuItem& item) {
    for (const MenuRow& row : kMainMenu) {
        const int id = static_cast<int>(row.command);
        if (row.command != MenuCommand::None && window.Menu().ItemFor(id) == &item) return id;
    }
    return 0;
}

bool MenuChecked(const MainWindow& window, const MenuItem& item) {
    return (GetMenuState(window.Menu().Handle(), static_cast<UINT>(MenuId(window, item)), MF_BYCOMMAND) &
            MF_CHECKED) != 0;
}

bool MenuEnabled(const MainWindow& window, const MenuItem& item) {
    return (GetMenuState(window.Menu().Handle(), static_cast<UINT>(MenuId(window, item)), MF_BYCOMMAND) &
            (MF_GRAYED | MF_DISABLED)) == 0;
}

}  // namespace lorvane::win32::testing
