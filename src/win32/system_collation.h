#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "app/name_order.h"

namespace lorvane::win32 {

// Names compared as Explorer and the system's file dialogs compare them: the user's language,
// case ignored, digits as numbers. Holds no state but the flags the system takes, so that a
// listing's worker thread may have its own.
class SystemCollation : public NameCollation {
public:
    SystemCollation();
    void AppendSortKey(std::string_view name, std::string& keys) const override;
    bool StartsWith(std::string_view name, std::string_view prefix) const override;

private:
    DWORD flags_;
    mutable std::wstring wide_;  // the name being weighed: one collation serves one thread
};

}  // namespace lorvane::win32
