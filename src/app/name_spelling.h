#pragma once
// Names the system would read as another name, or as none: a disk written by another system
// (Linux, or an NTFS disk written there) holds names Windows cannot spell. "foo." reaches the
// system as "foo", its sibling; "q?x" as a pattern; "back\slash" as two folders. Such a name
// goes by the short name the volume gives it, never as it is.

#include <string>
#include <string_view>

namespace lorvane {

enum class NameFlaw {
    None,
    TrailingDot,        // the system drops it
    TrailingBlank,      // the system drops it
    ReservedCharacter,  // \ / : * ? " < > |: a separator, a stream, a pattern, a redirection
    LoneSurrogate,      // half a UTF-16 pair: no text carries it (the program's shows U+FFFD)
};

// What makes the name change on its way to the system; None for a name that reaches it as it is.
// The lone surrogate is known only where the name was converted from UTF-16, which says so.
NameFlaw FlawOf(std::string_view name, bool loneSurrogate = false);

// The first reserved character of the name, as text ("?"); empty when it has none.
std::string ReservedCharacterIn(std::string_view name);

// The name as a message shows it: each blank at its end, invisible in a message, written as
// `blank` says, and control and invisible characters by their code ("[U+0009]", "[U+200B]").
std::string ReadableName(std::string_view name, std::string_view blank);

}  // namespace lorvane
