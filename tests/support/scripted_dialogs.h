#pragma once
// Dialog answers for tests: given in order from queues the test fills; every request is
// recorded with its arguments. An empty queue answers the first button (OK or Yes), for the
// input box the empty text and for a file dialog no name (cancels).

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace lorvane::testing {

struct MessageRequest {
    std::string text;
    std::string title;
    MsgButtons buttons;
    MsgIcon icon;
    friend bool operator==(const MessageRequest&, const MessageRequest&) = default;
};

inline void PrintTo(const MessageRequest& m, std::ostream* os) {
    *os << '"' << m.text << "\" \"" << m.title << "\" " << static_cast<int>(m.buttons) << ' '
        << static_cast<int>(m.icon);
}

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string proposed;
    friend bool operator==(const InputRequest&, const InputRequest&) = default;
};

inline void PrintTo(const InputRequest& m, std::ostream* os) {
    *os << '"' << m.prompt << "\" \"" << m.title << "\" \"" << m.proposed << '"';
}

struct ScriptedDialogs {
    std::deque<MsgResult> messageAnswers;
    std::deque<std::string> inputAnswers;

    std::vector<MessageRequest> messages;
    std::vector<InputRequest> inputs;
    int beeps = 0;

    template <class T>
    static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) return otherwise;
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
    MsgResult Message(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) {
        messages.push_back({text, title, buttons, icon});
        return Next(messageAnswers, buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Yes);
    }
    std::string Input(const std::string& prompt, const std::string& title, const std::string& proposed) {
        inputs.push_back({prompt, title, proposed});
        return Next(inputAnswers, std::string());
    }
};

struct FakeDialogs : Dialogs, ScriptedDialogs {
    std::deque<std::string> fileDialogAnswers;
    std::vector<FileDialogRequest> fileDialogs;

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override {
        return Message(text, title, buttons, icon);
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) override {
        return Input(prompt, title, proposed);
    }
    void Beep() override { ++beeps; }
    bool ShowFileDialog(FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        request.fileName = Next(fileDialogAnswers, std::string());
        return !request.fileName.empty();
    }
};

}  // namespace lorvane::testing
