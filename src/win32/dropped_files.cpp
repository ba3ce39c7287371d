#include "win32/dropped_files.h"

#include <shellapi.h>

#include <string>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

bool ReadDrop(HDROP drop, std::vector<std::string>& paths, POINT& at) {
    auto* queryFile = LoadSystemFunction<decltype(DragQueryFileW)>(L"shell32.dll", "DragQueryFileW");
    auto* queryPoint = LoadSystemFunction<decltype(DragQueryPoint)>(L"shell32.dll", "DragQueryPoint");
    auto* finish = LoadSystemFunction<decltype(DragFinish)>(L"shell32.dll", "DragFinish");
    // Each missing, as none is where drops come from the shell, does what it can without it.
    if (!queryPoint || !queryPoint(drop, &at)) at = {-1, -1};
    const UINT count = queryFile ? queryFile(drop, 0xFFFFFFFF, nullptr, {}) : UINT{};
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(queryFile(drop, i, nullptr, {}) + 1, wchar_t{});  // and the final null
        const UINT length = queryFile(drop, i, path.data(), static_cast<UINT>(path.size()));
        if (!length) continue;  // nothing read
        paths.push_back(ToUtf8(path.data(), static_cast<int>(length)));
    }
    if (finish) finish(drop);
    return queryFile != nullptr;
}

void DiscardDrop(HDROP drop) {
    // Without the shell's function the drop's memory stays taken until the program ends.
    if (auto* finish = LoadSystemFunction<decltype(DragFinish)>(L"shell32.dll", "DragFinish")) finish(drop);
}

}  // namespace lorvane::win32
