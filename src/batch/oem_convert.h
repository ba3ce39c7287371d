#pragma once
// The program's own conversion between the Windows ANSI code page and the OEM code page
// the DOS command interpreter reads, for the characters French (and German and Nordic)
// names commonly hold.

#include <string>

namespace lorvane {

// ConvertMode 0: ANSI to OEM; any other value: OEM to ANSI. Characters without a pair are
// kept; each position is converted at most once, so the length never changes.
std::string OEMConvert(std::string Texte, int ConvertMode);

}  // namespace lorvane
