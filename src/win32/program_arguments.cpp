#include "win32/program_arguments.h"

#include <shellapi.h>

#include "win32/ansi_names.h"
#include "win32/system_library.h"

namespace lorvane::win32 {

std::optional<std::string> FirstArgument() {
    auto* split = LoadSystemFunction<decltype(CommandLineToArgvW)>("shell32.dll", "CommandLineToArgvW");
    if (split == nullptr) return std::nullopt;
    int count = 0;
    LPWSTR* arguments = split(GetCommandLineW(), &count);
    if (arguments == nullptr) return std::nullopt;
    std::optional<std::string> first;
    if (count >= 2) {
        const std::wstring wide = arguments[1];
        std::string shown;
        ToAnsi(wide, shown);
        const std::string exact = ExactAnsiPath(wide);
        first = exact.empty() ? shown : exact;
    }
    LocalFree(arguments);
    return first;
}

}  // namespace lorvane::win32
