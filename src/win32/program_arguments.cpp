#include "win32/program_arguments.h"

#include <shellapi.h>

#include "win32/system_library.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

std::optional<std::string> FirstArgument() {
    auto* split = LoadSystemFunction<decltype(CommandLineToArgvW)>(L"shell32.dll", "CommandLineToArgvW");
    if (!split) return std::nullopt;
    int count{};
    LPWSTR* arguments = split(GetCommandLineW(), &count);
    if (!arguments) return std::nullopt;
    std::optional<std::string> first;
    if (count >= 2) first = ToUtf8(arguments[1]);
    LocalFree(arguments);
    return first;
}

}  // namespace lorvane::win32
