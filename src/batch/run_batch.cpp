#include "batch/run_batch.h"

#include "app/quoting.h"

namespace lorvane {

std::string RunBatchText(const std::string& command, bool recording, const std::string& programFolder) {
    if (!recording) return command + "\n pause";
    // The path goes into a batch file: a % in the folder's name must stay a %.
    const std::string activity = Quote(DoublePercents(InProgramFolder(programFolder, kActivityFileName)));
    // "start" takes a first quoted argument for a window title: an empty title before a
    // quoted path makes it open the file.
    const std::string title = activity.front() == '"' ? "\"\" " : "";
    return command + " > " + activity + "\n start " + title + activity;
}

}  // namespace lorvane
