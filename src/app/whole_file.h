#pragma once
// Writing a file whole or not at all.

#include <string>

#include "app/files.h"

namespace lorvane {

// Writes the bytes to a temporary file beside the target and puts it in the target's place
// only once it is complete. On any failure the target is as it was (or absent, if it was)
// and no temporary file is left.
bool WriteWholeFile(Files& files, const std::string& path, const std::string& bytes);

}  // namespace lorvane
