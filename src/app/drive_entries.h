#pragma once
// Which drives a drive list offers, as the system's drives come and go.

#include <string>
#include <vector>

namespace lorvane {

// The drives a drive list offers, as "C:" names in letter order, each once: the system's
// drives ("C:\" or "C:", in any case; anything else is left out), and the selected one even
// once the system has let it go, because the folder lists still show its folder: the list
// and the command keep naming the same drive until the user picks another.
std::vector<std::string> DrivesToOffer(const std::vector<std::string>& systemDrives, const std::string& selected);

}  // namespace lorvane
