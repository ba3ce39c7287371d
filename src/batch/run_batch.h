#pragma once
// The batch text of a run.

#include <string>

#include "app/program_files.h"

namespace lorvane {

// The two lines written for a run: the command and a pause, or, while the activity is
// recorded, the command sending its output to the activity file and a line opening it.
std::string RunBatchText(const std::string& command, bool recording, const std::string& programFolder);

}  // namespace lorvane
