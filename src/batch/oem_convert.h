#pragma once
// The program's own table between characters and the bytes of the OEM code page 437, which
// the DOS command interpreter of the systems it was made for reads, for the characters French
// (and German and Nordic) names commonly hold: 35 pairs, each character and the byte 437
// reads back as that very character.

#include <string>

namespace lorvane {

// ConvertMode 0: each character of the UTF-8 text that has a pair becomes its OEM byte, any
// other character is kept as it is. Any other value: each byte of the OEM column becomes its
// character (UTF-8), any other byte is kept. Each position is converted at most once.
std::string OEMConvert(const std::string& Texte, int ConvertMode);

}  // namespace lorvane
