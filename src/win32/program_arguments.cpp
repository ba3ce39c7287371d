#include "win32/program_arguments.h"

#include "app/start_arguments.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

// Split here rather than by the shell's function: loading the shell at start costs a
// megabyte of memory and milliseconds, for one argument.
std::optional<std::string> FirstArgument() { return FirstArgumentOf(ToUtf8(GetCommandLineW())); }

}  // namespace lorvane::win32
