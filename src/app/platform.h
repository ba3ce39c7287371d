#pragma once
// Everything the window's handlers need from the operating system. src/win32 implements
// it with the real APIs; the tests use a scriptable fake.

#include <string>

namespace lorvane {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Question, Error };
enum class MsgResult { Ok, Yes, No };

// Order of day, month and year in the user's short date format.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box; the first button is the default. A title left empty shows the
    // application title.
    virtual MsgResult MsgBox(const std::string& text, const std::string& title,
                                 MsgButtons buttons, MsgIcon icon) = 0;
    // Modal input box; the empty text when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) = 0;
    virtual void Beep() = 0;

    // Asks the shell to open a document (or an address) with the program associated with
    // it, in a normal window, found through the folder; returns at once, never waits.
    virtual void ShellOpen(const std::string& file, const std::string& directory) = 0;

    // The process's current directory, as an absolute path without a trailing separator
    // except at a drive root.
    virtual std::string CurrentDirectory() = 0;
    // The folder a folder list shows for a path: a bare drive ("D:") gives that drive's
    // current folder. Empty when the folder does not exist or cannot be read.
    virtual std::string ReadableFolder(const std::string& path) = 0;
    virtual DateOrder ShortDateOrder() = 0;
};

}  // namespace lorvane
