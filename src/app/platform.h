#pragma once
// Everything the window's handlers need from the operating system. src/win32 implements
// it with the real APIs; the tests use a scriptable fake. Every text is UTF-8 (app/utf8.h).

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

// A file being written. Close reports whether everything written reached the disk.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual bool Write(const std::string& bytes) = 0;
    virtual bool Close() = 0;
};

// A registry value as read: its type (1 text, 4 double word...) and its bytes, as many
// as the value's stored length says.
struct RegistryValue {
    unsigned long type = 0;
    std::string bytes;
};

// Order of day, month and year in the user's short date format.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box; the first button is the default. A title left empty shows the
    // application title.
    virtual MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) = 0;
    // Modal input box; the empty text when the user cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) = 0;
    virtual void Beep() = 0;

    // Asks the shell to open a document (or an address) with the program associated with
    // it, in a normal window, found through the folder; returns at once, never waits. False
    // when the shell could not (no such file, no program for its kind), without a word of
    // its own: the caller says what failed.
    virtual bool ShellOpen(const std::string& file, const std::string& directory) = 0;

    // The process's current directory, as an absolute path without a trailing separator
    // except at a drive root. Paths and names come from the system as they are.
    virtual std::string CurrentDirectory() = 0;
    // The folder a folder list shows for a path: a bare drive ("D:") gives that drive's
    // current folder. Empty when the folder does not exist or cannot be read.
    virtual std::string ReadableFolder(const std::string& path) = 0;
    // The drives the system has now, as their roots ("C:\") or names ("C:").
    virtual std::vector<std::string> LogicalDrives() = 0;
    virtual DateOrder ShortDateOrder() = 0;

    // Modal file dialog; false when the user cancels (or it cannot be shown).
    virtual bool ShowFileDialog(FileDialogRequest& request) = 0;

    // The folder of the program's executable, without a trailing separator except at a
    // drive root. Empty when the system cannot tell it.
    virtual std::string ProgramFolder() = 0;
    // Files, as the writers need them: a new file (or a truncated one), a move that
    // replaces its target, a removal, and the first bytes of a file.
    virtual std::unique_ptr<FileWriter> CreateForWriting(const std::string& path) = 0;
    virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) = 0;
    // A name for a temporary file in the same folder as the target, unique to this process.
    virtual std::string TempPathBeside(const std::string& target) = 0;
    // Whether a new file can be made in the folder: false where the user may not write (a
    // program installed under Program Files, a read-only share).
    virtual bool FolderAcceptsNewFiles(const std::string& folder) = 0;
    // An ordinary file (not a folder) of exactly that name exists.
    virtual bool FileExists(const std::string& path) = 0;

    // The clipboard, in plain text only. Reading a clipboard without text gives "".
    virtual bool ClearClipboard() = 0;
    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual std::string GetClipboardText() = 0;

    // Reads one value of a key under HKEY_LOCAL_MACHINE, asking for read access only;
    // false when the key or the value cannot be read.
    virtual bool ReadMachineRegistryValue(const std::string& key, const std::string& valueName,
                                          RegistryValue& value) = 0;
    // The console a batch file runs in: the number of its code page, and one character as
    // that page writes it (one byte, or two in the double-byte pages), or none when the page
    // lacks the character: a look-alike never stands in for it.
    virtual unsigned ConsoleCodePage() = 0;
    virtual std::optional<std::string> ConsoleBytes(char32_t character) = 0;
    // What the console wrote in its code page, as text; a byte the page does not read is U+FFFD.
    virtual std::string ConsoleTextOf(const std::string& bytes) = 0;
    // The short (8.3) name the volume gives the last part of an existing path; empty when
    // the path names nothing, or the volume gives it no short name of its own.
    virtual std::string ShortName(const std::string& path) = 0;

    // Starts the program at that path in a normal window that takes the focus, without
    // waiting for it; false when it cannot be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // Ends the program at once: other windows close without running anything of theirs.
    virtual void EndProgram() = 0;

    // Whether the system's XCOPY takes a destination ending in \*.* for that folder itself,
    // as Windows' does. Wine's asks whether it names a file or a folder and, told a folder,
    // copies into a folder named "*.*"; a final separator says "folder" to both.
    virtual bool XcopyTakesWildcardDestinationAsFolder() = 0;
    // Whether the system's XCOPY reads the date of /D month first, with dashes, as Wine's
    // does: it refuses the day-first form Windows' reads, and then copies every file.
    virtual bool XcopyReadsDatesMonthFirst() = 0;
};

}  // namespace lorvane
