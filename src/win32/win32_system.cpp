#include <optional>
#include <string>

#include "win32/win32_platform.h"

namespace lorvane::win32 {

bool Win32Platform::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::ClearClipboard() {
    if (!OpenClipboard(owner_)) return false;
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
}

bool Win32Platform::SetClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) return false;
    void* bytes = GlobalLock(memory);
    if (bytes == nullptr) {
        GlobalFree(memory);
        return false;
    }
    text.copy(static_cast<char*>(bytes), text.size());
    static_cast<char*>(bytes)[text.size()] = '\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(owner_)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
    return placed;
}

std::string Win32Platform::GetClipboardText() {
    if (!OpenClipboard(owner_)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool Win32Platform::ReadMachineRegistryValue(const std::string& key, const std::string& valueName,
                                             RegistryValue& value) {
    // Read access only: full access to these keys is refused to a standard user.
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    char buffer[1024] = {};
    DWORD type = 0;
    DWORD length = sizeof buffer;
    const LSTATUS status =
        RegQueryValueExA(opened, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) return false;
    value.type = type;
    value.bytes.assign(buffer, length);
    return true;
}

// A new console starts in the OEM code page, and the command interpreter reads a batch file
// in its console's page.
unsigned Win32Platform::ConsoleCodePage() { return GetOEMCP(); }

std::optional<char> Win32Platform::ConsoleByte(char ansi) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &ansi, 1, &wide, 1) != 1) return std::nullopt;
    // No best fit: "À" must not become "A" in a page without it, which names another folder.
    char bytes[2] = {};
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(ConsoleCodePage(), WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof bytes,
                                           nullptr, &usedDefault);
    if (length != 1 || usedDefault) return std::nullopt;
    return bytes[0];
}

bool Win32Platform::StartProgram(const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32Platform::EndProgram() { PostQuitMessage(0); }

bool Win32Platform::XcopyTakesWildcardDestinationAsFolder() {
    // Wine is known by an export of its ntdll.dll that Windows' has not; its XCOPY is the
    // one that asks.
    if (underWine_ < 0) {
        HMODULE ntdll = GetModuleHandleA("ntdll.dll");
        underWine_ = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr ? 1 : 0;
    }
    return underWine_ == 0;
}

}  // namespace lorvane::win32
