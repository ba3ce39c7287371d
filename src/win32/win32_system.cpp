#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "app/utf8.h"
#include "win32/wide_text.h"
#include "win32/win32_platform.h"

namespace lorvane::win32 {

namespace {

// The last part of a path, without the separator before it; empty at a drive's root.
std::wstring_view LastPart(std::wstring_view path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

// The system's path of that kind (short or long) for an existing path; empty when the path
// names nothing.
using PathFunction = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
std::wstring SystemPath(PathFunction function, const std::wstring& path) {
    const DWORD needed = function(path.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::wstring result(needed, L'\0');
    const DWORD length = function(path.c_str(), result.data(), needed);
    if (length == 0 || length >= needed) return {};
    result.resize(length);
    return result;
}

// These pages refuse the flags and the default-character report (MSDN, WideCharToMultiByte):
// only the conversion back tells whether they hold the character.
bool TakesConversionFlags(UINT codePage) {
    return codePage != CP_UTF8 && codePage != CP_UTF7 && codePage != 42 && !(codePage >= 50220 && codePage <= 50229) &&
           !(codePage >= 57002 && codePage <= 57011);
}

}  // namespace

bool Win32Platform::FileExists(const std::string& path) {
    // A file on a drive whose server is gone is waited for as a folder is: off the window's
    // thread, and taken as absent when it does not answer.
    return !OffTheWindowsThread(path, [](const std::string& file) {
                const DWORD attributes = GetFileAttributesW(ToUtf16(file).c_str());
                const bool exists =
                    attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
                return exists ? file : std::string();
            }).empty();
}

bool Win32Platform::ClearClipboard() {
    if (!OpenClipboard(owner_)) return false;
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
}

bool Win32Platform::SetClipboardText(const std::string& text) {
    const std::wstring wide = ToUtf16(text);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) return false;
    auto* units = static_cast<wchar_t*>(GlobalLock(memory));
    if (units == nullptr) {
        GlobalFree(memory);
        return false;
    }
    wide.copy(units, wide.size());
    units[wide.size()] = L'\0';
    GlobalUnlock(memory);
    if (!OpenClipboard(owner_)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
    return placed;
}

std::string Win32Platform::GetClipboardText() {
    if (!OpenClipboard(owner_)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            // Another program's text may lack its final zero: never read past its memory.
            const std::wstring_view whole(units, GlobalSize(data) / sizeof(wchar_t));
            text = ToUtf8(whole.substr(0, whole.find(L'\0')));
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
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ToUtf16(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t buffer[1024] = {};
    DWORD type = 0;
    DWORD length = sizeof buffer;
    const LSTATUS status =
        RegQueryValueExW(opened, ToUtf16(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &length);
    RegCloseKey(opened);
    if (status != ERROR_SUCCESS) return false;
    value.type = type;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        // A terminating zero stored with the text stays its last byte, for the reader to drop.
        value.bytes = ToUtf8(buffer, static_cast<int>(length / sizeof(wchar_t)));
    } else {
        value.bytes.assign(reinterpret_cast<const char*>(buffer), length);
    }
    return true;
}

// A new console starts in the OEM code page, and the command interpreter reads a batch file
// in its console's page.
unsigned Win32Platform::ConsoleCodePage() { return GetOEMCP(); }

std::string Win32Platform::ConsoleTextOf(const std::string& bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const UINT codePage = ConsoleCodePage();
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, 0, bytes.data(), size, wide.data(), length) != length) return {};
    return ToUtf8(wide);
}

std::optional<std::string> Win32Platform::ConsoleBytes(char32_t character) {
    if ((character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) return std::nullopt;
    const std::wstring wide = ToUtf16(CharacterText(character));
    const UINT codePage = ConsoleCodePage();
    const bool flags = TakesConversionFlags(codePage);
    // No best fit: "À" must not become "A" in a page without it, which names another folder.
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(codePage, flags ? WC_NO_BEST_FIT_CHARS : 0, wide.data(), static_cast<int>(wide.size()),
                            bytes, sizeof bytes, nullptr, flags ? &usedDefault : nullptr);
    if (length <= 0 || usedDefault) return std::nullopt;
    // Some characters convert without a default one and yet read back as others.
    wchar_t back[4] = {};
    const int backLength = MultiByteToWideChar(codePage, 0, bytes, length, back, 4);
    if (std::wstring_view(back, backLength > 0 ? static_cast<std::size_t>(backLength) : 0) != wide) {
        return std::nullopt;
    }
    return std::string(bytes, static_cast<std::size_t>(length));
}

std::string Win32Platform::ShortName(const std::string& path) {
    // Asked of the volume, which a server gone can hold for tens of seconds.
    return OffTheWindowsThread(path, ShortNameNow);
}

std::string Win32Platform::ShortNameNow(const std::string& path) {
    std::wstring wide = ToUtf16(path);
    while (wide.size() > 3 && (wide.back() == L'\\' || wide.back() == L'/')) wide.pop_back();
    const std::wstring shortPath = SystemPath(GetShortPathNameW, wide);
    const std::wstring longPath = SystemPath(GetLongPathNameW, wide);
    if (shortPath.empty() || longPath.empty()) return {};
    // Where the volume keeps no short name, the system gives the long one back.
    const std::wstring_view shortName = LastPart(shortPath);
    if (shortName.empty() || shortName == LastPart(longPath)) return {};
    return ToUtf8(shortName);
}

bool Win32Platform::StartProgram(const std::string& path) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const std::wstring program = ToUtf16(path);
    std::wstring commandLine = L"\"" + program + L"\"";  // the system may write into it
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32Platform::EndProgram() { PostQuitMessage(0); }

bool Win32Platform::UnderWine() {
    // Wine is known by an export of its ntdll.dll that Windows' has not.
    if (underWine_ < 0) {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        underWine_ = ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr ? 1 : 0;
    }
    return underWine_ == 1;
}

bool Win32Platform::XcopyTakesWildcardDestinationAsFolder() { return !UnderWine(); }

bool Win32Platform::XcopyReadsDatesMonthFirst() { return UnderWine(); }

}  // namespace lorvane::win32
