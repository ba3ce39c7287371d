#include "win32/system_collation.h"

#include "app/utf8.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

constexpr DWORD kIgnoreCase = NORM_IGNORECASE;
#ifndef SORT_DIGITSASNUMBERS
constexpr DWORD kDigitsAsNumbers = 0x00000008;
#else
constexpr DWORD kDigitsAsNumbers = SORT_DIGITSASNUMBERS;
#endif

int KeyLength(const std::wstring& wide, DWORD flags) {
    return LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | flags, wide.c_str(), static_cast<int>(wide.size()),
                         nullptr, 0, nullptr, nullptr, 0);
}

}  // namespace

// Before Windows 7 the system does not read digits as numbers: names are then in its order alone.
SystemCollation::SystemCollation()
    : flags_(KeyLength(L"a1", kIgnoreCase | kDigitsAsNumbers) > 0 ? kIgnoreCase | kDigitsAsNumbers : kIgnoreCase) {}

std::string SystemCollation::SortKey(std::string_view name) const {
    const std::wstring wide = ToUtf16(name);
    // Most keys fit the first guess: the system is asked once per name, not twice.
    std::string key(wide.size() * 4 + 16, '\0');
    for (int attempt = 0; attempt < 2 && !wide.empty(); ++attempt) {
        const int written =
            LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | flags_, wide.c_str(), static_cast<int>(wide.size()),
                          reinterpret_cast<LPWSTR>(key.data()), static_cast<int>(key.size()), nullptr, nullptr, 0);
        if (written > 0) {
            key.resize(static_cast<std::size_t>(written));
            return key;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
        const int needed = KeyLength(wide, flags_);
        if (needed <= 0) break;
        key.assign(static_cast<std::size_t>(needed), '\0');
    }
    // A name the system cannot weigh goes after all the others, in the order of its characters.
    return "\xFF\xFF" + Folded(name);
}

bool SystemCollation::StartsWith(std::string_view name, std::string_view prefix) const {
    const std::wstring wideName = ToUtf16(name), widePrefix = ToUtf16(prefix);
    if (widePrefix.empty() || wideName.size() < widePrefix.size()) return false;
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, flags_, wideName.c_str(), static_cast<int>(widePrefix.size()),
                           widePrefix.c_str(), static_cast<int>(widePrefix.size()), nullptr, nullptr, 0) == CSTR_EQUAL;
}

}  // namespace lorvane::win32
