#pragma once
// Names the program gives files of its own, apart from the system that makes them.

#include <string>
#include <string_view>

namespace lorvane {

// A name for a temporary file in the folder of `target`: "~", a few letters from the process
// and its counter. Short, so that a target close to the longest path the system takes still
// has room for it.
std::string TempPathBeside(std::string_view target, unsigned long processId, unsigned counter);

// The folder of the program at that path: "C:\Lorvane" for "C:\Lorvane\lorvane.exe", "C:\"
// for one at a drive's root; empty for a path without a folder.
std::string FolderOfProgram(std::string_view programPath);

}  // namespace lorvane
