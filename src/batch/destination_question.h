#pragma once
// Whether XCOPY would stop to ask if its destination is a file or a folder.

#include <string>

#include "batch/command_arguments.h"

namespace lorvane {

// The destination argument of a full command line: the second argument after the command
// word that is not a switch, its quotation marks removed. Empty when the line names no
// destination.
std::string DestinationArgument(const std::string& commandLine);

// XCOPY asks "file or folder?" of a destination that names nothing on disk, unless a final
// separator says it is a folder. `exists` tells whether a path names a file or a folder;
// relative paths are taken from `workingFolder`, where the run's batch file starts.
template <typename Exists>
bool DestinationWouldAsk(const std::string& commandLine, const std::string& workingFolder, Exists exists) {
    const std::string destination = DestinationArgument(commandLine);
    if (destination.empty() || destination.back() == '\\') return false;
    return !exists(AbsolutePath(destination, workingFolder));
}

}  // namespace lorvane
