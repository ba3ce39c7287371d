#pragma once
// A scriptable Platform for tests: answers come from queues the test fills, and every
// request is recorded with its arguments.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/platform.h"

namespace lorvane::testing {

struct MessageRequest {
    std::string text;
    std::string title;
    MsgButtons buttons;
    MsgIcon icon;
};

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string proposed;
};

class FakePlatform : public Platform {
public:
    // Answers given in order; an empty queue answers the first button (OK or Yes) and,
    // for the input box, the empty text (a cancel).
    std::deque<MsgResult> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::string currentDirectory = "C:\\Travail";
    DateOrder dateOrder = DateOrder::DayMonthYear;

    // Folders that cannot be read, and the current folder of each drive ("D:" -> "D:\\x").
    std::set<std::string> unreadableFolders;
    std::map<std::string, std::string> driveFolders;

    std::vector<MessageRequest> messages;
    std::vector<std::pair<std::string, std::string>> shellOpens;  // file, folder
    std::vector<InputRequest> inputs;
    int beeps = 0;

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override {
        messages.push_back({text, title, buttons, icon});
        if (messageAnswers.empty()) return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes;
        const MsgResult answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
        inputs.push_back({prompt, title, proposed});
        if (inputAnswers.empty()) return {};
        std::string answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
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
