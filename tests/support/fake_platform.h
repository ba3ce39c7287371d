#pragma once
// A Platform for tests of the core: dialogs answered from a script, and a file system
// reduced to which folders can be read.

#include <algorithm>
#include <map>
#include <set>

#include "app/platform.h"
#include "app/utf8.h"
#include "support/scripted_dialogs.h"

namespace lorvane::testing {

enum class FileStep { None, Create, Write, Close, Move };

class FakePlatform : public Platform, public ScriptedDialogs {
public:
    explicit FakePlatform(std::string folder = "C:\\Travail") : currentDirectory(std::move(folder)) {}

    // Files by full path; the writers must clean up what a failed write leaves.
    std::map<std::string, std::string> files;
    FileStep failAt = FileStep::None;
    std::set<std::string> readOnlyFiles;  // cannot be replaced or created
    std::set<std::string> unreadableFiles;
    std::string programFolder = "C:\\Lorvane";
    std::deque<std::string> fileDialogAnswers;  // the empty text cancels
    std::vector<FileDialogRequest> fileDialogs;

    std::string currentDirectory;
    DateOrder dateOrder = DateOrder::DayMonthYear;
    // Folders that cannot be read, and the current folder of each drive ("D:" -> "D:\x").
    std::set<std::string> unreadableFolders;
    std::map<std::string, std::string> driveFolders;

    std::string clipboard;
    bool clipboardFails = false;

    // Values under HKEY_LOCAL_MACHINE by "key|value name".
    std::map<std::string, RegistryValue> registry;
    std::set<std::string> startablePrograms;
    std::vector<std::string> startedPrograms;
    int endProgramCalls = 0;

    // The console's code page, its bytes beyond ASCII by character, and short names by path.
    unsigned consoleCodePage = 437;
    std::map<char32_t, std::string> consoleBytes;
    std::map<std::string, std::string> shortNames;
    bool wildcardDestinationIsFolder = true;  // Windows' XCOPY; false for Wine's
    bool datesMonthFirst = false;             // Windows' XCOPY; true for Wine's

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override {
        return Message(text, title, buttons, icon);
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) override {
        return Input(prompt, title, proposed);
    }
    void Beep() override { ++beeps; }
    std::set<std::string> shellCannotOpen;  // files and addresses the shell has no program for
    bool ShellOpen(const std::string& file, const std::string& directory) override {
        shellOpens.emplace_back(file, directory);
        return !shellCannotOpen.contains(file);
    }
    std::string CurrentDirectory() override { return currentDirectory; }
    std::string ReadableFolder(const std::string& path) override {
        std::string folder = path.size() == 2 && path[1] == ':' ? path + "\\" : path;
        if (driveFolders.contains(path)) folder = driveFolders.at(path);
        return unreadableFolders.count(folder) != 0 || files.count(folder) != 0 ? std::string() : folder;
    }
    std::vector<std::string> LogicalDrives() override { return {"C:\\", "D:\\"}; }
    DateOrder ShortDateOrder() override { return dateOrder; }

    bool ShowFileDialog(FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        request.fileName = Next(fileDialogAnswers, std::string());
        return !request.fileName.empty();
    }
    std::string ProgramFolder() override { return programFolder; }

    // A step set in failAt fails; a failed Write leaves half its bytes, as a full disk would.
    struct Writer : FileWriter {
        Writer(FakePlatform& f, std::string p) : fake(f), path(std::move(p)) {}
        bool Write(const std::string& bytes) override {
            fake.files[path] += fake.Fails(FileStep::Write) ? bytes.substr(0, bytes.size() / 2) : bytes;
            return !fake.Fails(FileStep::Write);
        }
        bool Close() override { return !fake.Fails(FileStep::Close); }
        FakePlatform& fake;
        std::string path;
    };
    bool Fails(FileStep step) const { return failAt == step; }
    std::unique_ptr<FileWriter> CreateForWriting(const std::string& path) override {
        if (Fails(FileStep::Create) || readOnlyFiles.count(path) != 0) return nullptr;
        files[path].clear();
        return std::make_unique<Writer>(*this, path);
    }
    bool MoveOver(const std::string& from, const std::string& to) override {
        if (Fails(FileStep::Move) || readOnlyFiles.count(to) != 0 || files.count(from) == 0) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }
    bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) override {
        const auto found = files.find(path);
        if (found == files.end() || unreadableFiles.count(path) != 0) return false;
        bytes = found->second.substr(0, maxBytes);
        return true;
    }
    std::string TempPathBeside(const std::string& target) override { return target + ".~tmp"; }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    std::set<std::string> readOnlyFolders;
    bool FolderAcceptsNewFiles(const std::string& folder) override { return readOnlyFolders.count(folder) == 0; }

    bool ClearClipboard() override { return SetClipboardText(""); }
    bool SetClipboardText(const std::string& text) override {
        if (!clipboardFails) clipboard = text;
        return !clipboardFails;
    }
    std::string GetClipboardText() override { return clipboardFails ? "" : clipboard; }

    bool ReadMachineRegistryValue(const std::string& key, const std::string& valueName, RegistryValue& value) override {
        const auto found = registry.find(key + "|" + valueName);
        if (found != registry.end()) value = found->second;
        return found != registry.end();
    }
    unsigned ConsoleCodePage() override { return consoleCodePage; }
    std::optional<std::string> ConsoleBytes(char32_t character) override {
        return consoleBytes.contains(character) ? std::optional(consoleBytes.at(character)) : std::nullopt;
    }
    // ASCII as it is, a byte by the character consoleBytes gives it, anything else U+FFFD.
    std::string ConsoleTextOf(const std::string& bytes) override {
        std::string text;
        for (const char byte : bytes) {
            auto found = std::find_if(consoleBytes.begin(), consoleBytes.end(),
                                      [&](const auto& pair) { return pair.second == std::string(1, byte); });
            text +=
                byte >= 0 ? std::string(1, byte) : CharacterText(found != consoleBytes.end() ? found->first : 0xFFFD);
        }
        return text;
    }
    std::string ShortName(const std::string& path) override {
        return shortNames.contains(path) ? shortNames.at(path) : std::string();
    }
    bool StartProgram(const std::string& path) override {
        if (startablePrograms.count(path) == 0) return false;
        startedPrograms.push_back(path);
        return true;
    }
    void EndProgram() override { ++endProgramCalls; }
    bool XcopyTakesWildcardDestinationAsFolder() override { return wildcardDestinationIsFolder; }
    bool XcopyReadsDatesMonthFirst() override { return datesMonthFirst; }
};

}  // namespace lorvane::testing
