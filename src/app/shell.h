#pragma once
// Documents and programs started for the user, and the end of this one.

#include <string>

namespace lorvane {

class Shell {
public:
    virtual ~Shell() = default;
    // Asks the shell to open a document (or an address) with the program associated with
    // it, in a normal window, found through the folder; returns at once, never waits. False
    // when the shell could not (no such file, no program for its kind), without a word of
    // its own: the caller says what failed.
    virtual bool ShellOpen(const std::string& file, const std::string& directory) = 0;
    // Starts the program at that path in a normal window that takes the focus, without
    // waiting for it; false when it cannot be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // Ends the program at once: other windows close without running anything of theirs.
    virtual void EndProgram() = 0;
};

}  // namespace lorvane
