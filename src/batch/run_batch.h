#pragma once
// The files beside the program, and the batch text of a run.

#include <string>

namespace lorvane {

inline constexpr const char* kRunBatchName = "batch.bat";
inline constexpr const char* kActivityFileName = "lv.txt";
inline constexpr const char* kDeletedAtExitName = "Cmd.bat";

// The program folder and a file in it, joined by one separator as the platform reports
// the folder (a drive root gives a doubled one, which Windows accepts).
inline std::string InProgramFolder(const std::string& folder, const char* name) { return folder + "\\" + name; }

// The two lines written for a run: the command and a pause, or, while the activity is
// recorded, the command sending its output to the activity file and a line opening it.
std::string RunBatchText(const std::string& command, bool recording, const std::string& programFolder);

}  // namespace lorvane
