#pragma once
// What a run would do to the disk, judged from its command line before anything is asked.

#include <cstddef>
#include <string>

#include "app/files.h"
#include "app/folders.h"

namespace lorvane {

// The longest path XCOPY reads, a folder's with the "\*" it adds to it: one more character
// and Wine's says "Path not found", or fails outright on a folder.
inline constexpr std::size_t kLongestXcopyPath = 259;

// The command to run, or why it must not run. Refused: several files (a folder, wildcards,
// the subfolders) copied onto one existing file, each replacing the one before; with the
// subfolders, a destination that is the source folder or lies inside it, which XCOPY would
// read back as it writes it; a path longer than XCOPY reads even by its short names. A path
// too long by its long names is written by its short names, and `command` shows them.
struct CopyCheck {
    std::string command;
    std::string refusal;
};
CopyCheck CheckCopy(Folders& folders, Files& files, const std::string& commandLine, const std::string& workingFolder);

}  // namespace lorvane
