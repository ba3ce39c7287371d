#pragma once
// The files the program keeps beside itself.

#include <string>

namespace lorvane {

inline constexpr const char* kRunBatchName = "batch.bat";
inline constexpr const char* kActivityFileName = "lv.txt";
inline constexpr const char* kDeletedAtExitName = "Cmd.bat";
// The activity as the user reads it: the console's bytes in UTF-8, marked as such, which every
// editor reads right whatever the console's code page ("lv.txt" stays as the console wrote it).
inline constexpr const char* kActivityViewName = "lv-utf8.txt";

// The program folder and a file in it, joined by one separator as the platform reports
// the folder (a drive root gives a doubled one, which Windows accepts).
inline std::string InProgramFolder(const std::string& folder, const char* name) { return folder + "\\" + name; }

}  // namespace lorvane
