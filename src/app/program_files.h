#pragma once
// The files the program keeps beside itself.

#include <string>

namespace lorvane {

inline constexpr const char* kRunBatchName = "batch.bat";
inline constexpr const char* kActivityFileName = "lv.txt";
inline constexpr const char* kDeletedAtExitName = "Cmd.bat";

// The program folder and a file in it, joined by one separator as the platform reports
// the folder (a drive root gives a doubled one, which Windows accepts).
inline std::string InProgramFolder(const std::string& folder, const char* name) { return folder + "\\" + name; }

}  // namespace lorvane
