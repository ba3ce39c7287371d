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

int KeyLength(std::wstring_view wide, DWORD flags) {
    return LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | flags, wide.data(), static_cast<int>(wide.size()),
                         nullptr, 0, nullptr, nullptr, {});
}

}  // namespace

// Before Windows 7 the system does not read digits as numbers: names are then in its order alone.
SystemCollation::SystemCollation()
    : flags_(KeyLength(L"a1", kIgnoreCase | kDigitsAsNumbers) ? kIgnoreCase | kDigitsAsNumbers : kIgnoreCase) {}

void SystemCollation::AppendSortKey(std::string_view name, std::string& keys) const {
    // Converted into the same buffer each time, so that a hundred thousand names cost no
    // allocation each.
    wide_.resize(name.size());
    const std::wstring_view wide = ToUtf16In(name, wide_.data());
    const std::size_t at = keys.size();
    const auto mapInto = [&](int room) {
        keys.resize(at + static_cast<std::size_t>(room));
        return LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY | flags_, wide.data(), static_cast<int>(wide.size()),
                             reinterpret_cast<LPWSTR>(keys.data() + at), room, nullptr, nullptr, {});
    };
    // Most keys fit the first guess: the system is asked once per name, not twice.
    int written = mapInto(static_cast<int>(wide.size() * 4 + 16));
    if (!written) {
        if (const int needed = KeyLength(wide, flags_)) written = mapInto(needed);
    }
    if (written) {
        keys.resize(at + static_cast<std::size_t>(written));
        return;
    }
    // A name the system cannot weigh goes after all the others, in the order of its characters.
    keys.resize(at);
    keys += "\xFF\xFF" + Folded(name);
}

bool SystemCollation::StartsWith(std::string_view name, std::string_view prefix) const {
    const std::wstring wideName = ToUtf16(name), widePrefix = ToUtf16(prefix);
    if (wideName.size() < widePrefix.size()) return false;
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, flags_, wideName.c_str(), static_cast<int>(widePrefix.size()),
                           widePrefix.c_str(), static_cast<int>(widePrefix.size()), nullptr, nullptr, {}) == CSTR_EQUAL;
}

}  // namespace lorvane::win32
