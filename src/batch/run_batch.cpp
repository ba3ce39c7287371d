#include "batch/run_batch.h"

#include "app/quoting.h"

namespace lorvane {

std::string RunBatchText(const std::string& command, bool recording, const std::string& programFolder) {
    if (!recording) return command + "\n pause";
    const std::string activity = Quote(InProgramFolder(programFolder, kActivityFileName));
    // "start" takes a first quoted argument for a window title: an empty title before a
    // quoted path makes it open the file.
    const std::string title = activity.front() == '"' ? "\"\" " : "";
    return command + " > " + activity + "\n start " + title + activity;
}

}  // namespace lorvane
