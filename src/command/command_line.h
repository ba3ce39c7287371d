#pragma once
// The parts of the XCOPY command line, built from a plain record of the user's choices.

#include <array>
#include <string>

#include "app/switch_table.h"

namespace lorvane {

// One side (source or destination) of the command as the pickers leave it.
struct LocationChoice {
    int currentDirectory = 0;  // tick box value; only 1 means the prompt's current folder
    int level = -1;            // 0 drive, 1 folder, 2 file; -1 when no level is chosen
    std::string dirPath;       // folder open in the folder list
    std::string filePath;      // folder whose files the file list shows
    std::string fileName;      // selected file, name only; may be empty
    // The folder level written with a final separator instead of \*.*: a destination for an
    // XCOPY that would not read \*.* as the folder itself.
    bool folderBySeparator = false;
};

// Empty, or one argument followed by exactly one blank outside any quotes.
std::string LocationPart(const LocationChoice& choice);

// Tokens of the ticked switches (value 1) in table order, each followed by one blank; the
// date switch carries its argument and one more blank.
std::string SwitchesPart(const std::array<int, kSwitchCount>& ticks,
                         const std::array<std::string, kSwitchCount>& tokens, const std::string& dateArgument);

// The date argument as the system's XCOPY reads it: the window's ":DD/MM/YYYY", or
// ":MM-DD-YYYY" for an XCOPY that reads dates month first.
std::string XcopyDate(const std::string& colonForm, bool monthFirst);

// "XCOPY " and the three parts joined by one blank, nothing trimmed.
std::string FullCommandLine(const std::string& source, const std::string& destination, const std::string& switches);

}  // namespace lorvane
