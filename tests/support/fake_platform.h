#pragma once
// A Platform for tests of the core: dialogs answered from a script, and a file system
// reduced to which folders can be read.

#include <map>
#include <set>
#include <string>

#include "app/platform.h"
#include "support/scripted_dialogs.h"

namespace lorvane::testing {

class FakePlatform : public Platform, public ScriptedDialogs {
public:
    std::string currentDirectory = "C:\\Travail";
    DateOrder dateOrder = DateOrder::DayMonthYear;
    // Folders that cannot be read, and the current folder of each drive ("D:" -> "D:\x").
    std::set<std::string> unreadableFolders;
    std::map<std::string, std::string> driveFolders;

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                     MsgIcon icon) override {
        return Message(text, title, buttons, icon);
    }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        return Input(prompt, title, proposed);
    }
    void Beep() override { ++beeps; }
    void ShellOpen(const std::string& file, const std::string& directory) override {
        shellOpens.emplace_back(file, directory);
    }
    std::string CurrentDirectory() override { return currentDirectory; }
    std::string ReadableFolder(const std::string& path) override {
        std::string folder = path;
        if (path.size() == 2 && path[1] == ':') {
            const auto found = driveFolders.find(path);
            folder = found != driveFolders.end() ? found->second : path + "\\";
        }
        return unreadableFolders.count(folder) != 0 ? std::string() : folder;
    }
    DateOrder ShortDateOrder() override { return dateOrder; }
};

}  // namespace lorvane::testing
