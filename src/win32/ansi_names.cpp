#include "win32/ansi_names.h"

namespace lorvane::win32 {

bool ToAnsi(const wchar_t* wide, int length, std::string& ansi) {
    // Most names are plain ASCII, the same in every code page.
    int i = 0;
    while (i < length && wide[i] < 0x80) ++i;
    if (i == length) {
        ansi.assign(wide, wide + length);
        return true;
    }
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
    ansi.assign(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size <= 0 || WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, ansi.data(), size, nullptr,
                                         &usedDefault) != size) {
        ansi.clear();
        return false;
    }
    if (usedDefault) return false;
    // Some characters convert without a default one and yet come back as others.
    std::wstring back(static_cast<std::size_t>(length), L'\0');
    return MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, back.data(), length) == length &&
           back.compare(0, std::wstring::npos, wide, static_cast<std::size_t>(length)) == 0;
}

std::wstring ToWide(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size <= 0 ||
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), size) != size) {
        return {};
    }
    return wide;
}

namespace {

std::wstring ShortPath(const std::wstring& path) {
    const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::wstring shortPath(needed, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), needed);
    if (length == 0 || length >= needed) return {};
    shortPath.resize(length);
    return shortPath;
}

}  // namespace

std::string ExactAnsiPath(const std::wstring& path) {
    std::string ansi;
    if (ToAnsi(path, ansi)) return ansi;
    const std::wstring shortPath = ShortPath(path);
    return !shortPath.empty() && ToAnsi(shortPath, ansi) ? ansi : std::string();
}

SystemName ReadName(const std::wstring& folder, const wchar_t* name) {
    SystemName read{{}, false, {}};
    read.exact = ToAnsi(name, lstrlenW(name), read.ansi);
    if (read.exact) return read;
    // Without a short name of its own, the entry's last part is its long name again: not exact.
    const std::wstring shortPath = ShortPath(folder + name);
    const std::size_t last = shortPath.find_last_of(L'\\');
    if (last == std::wstring::npos || !ToAnsi(shortPath.substr(last + 1), read.shortName)) read.shortName.clear();
    return read;
}

}  // namespace lorvane::win32
