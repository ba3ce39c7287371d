#pragma once
// What the system's code pages accept, by their numbers.

namespace lorvane {

// Whether converting to the page takes the system's flags and its report of a default
// character: UTF-8, UTF-7, the symbol page and the ISO-2022 and ISCII pages refuse them, and
// only reading the bytes back then tells whether the page holds a character.
bool TakesConversionFlags(unsigned codePage);

}  // namespace lorvane
