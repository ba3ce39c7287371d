#pragma once
// The boxes through which the program talks with the user: messages, the input box, the
// beep and the file dialogs.

#include <string>

namespace lorvane {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Question, Error };
enum class MsgResult { Ok, Yes, No };

// What a file dialog is asked to show, and the file the user chose in it.
struct FileDialogRequest {
    bool save;               // a Save As dialog (asks before replacing), or an Open dialog
    std::string defaultExt;  // appended to a typed name without extension ("bat")
    std::string filter;      // "description|pattern" pairs joined by "|"
    std::string initialDir;
    std::string title;
    std::string fileName;  // proposed on entry; the chosen path on return
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal message box; the first button is the default. A title left empty shows the
    // application title.
    virtual MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) = 0;
    // Modal input box; the empty text when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) = 0;
    virtual void Beep() = 0;
    // Modal file dialog; false when the user cancels (or it cannot be shown).
    virtual bool ShowFileDialog(FileDialogRequest& request) = 0;
};

}  // namespace lorvane
