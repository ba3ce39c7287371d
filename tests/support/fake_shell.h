#pragma once
// A shell that records what it opens and starts, and ends nothing.

#include <set>
#include <utility>
#include <vector>

#include "app/shell.h"

namespace lorvane::testing {

class FakeShell : public Shell {
public:
    std::vector<std::pair<std::string, std::string>> shellOpens;  // file, folder
    std::set<std::string> shellCannotOpen;                        // files and addresses the shell has no program for
    std::set<std::string> startablePrograms;
    std::vector<std::string> startedPrograms;
    int endProgramCalls = 0;

    bool ShellOpen(const std::string& file, const std::string& directory) override {
        shellOpens.emplace_back(file, directory);
        return !shellCannotOpen.contains(file);
    }
    bool StartProgram(const std::string& path) override {
        if (startablePrograms.count(path) == 0) return false;
        startedPrograms.push_back(path);
        return true;
    }
    void EndProgram() override { ++endProgramCalls; }
};

}  // namespace lorvane::testing
