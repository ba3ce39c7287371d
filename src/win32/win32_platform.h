#pragma once
#include <windows.h>

#include "app/platform.h"
#include "win32/folder_wait.h"

namespace lorvane::win32 {

class Win32Platform : public Platform {
public:
    Win32Platform() = default;
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // Boxes are modal to this window once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    MsgResult MsgBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& proposed) override;
    void Beep() override;
    bool ShellOpen(const std::string& file, const std::string& directory) override;
    std::string CurrentDirectory() override;
    std::string ReadableFolder(const std::string& path) override;
    std::vector<std::string> LogicalDrives() override;  // win32_files.cpp
    DateOrder ShortDateOrder() override;
    bool ShowFileDialog(FileDialogRequest& request) override;

    // Files (win32_files.cpp).
    std::string ProgramFolder() override;
    std::unique_ptr<FileWriter> CreateForWriting(const std::string& path) override;
    bool MoveOver(const std::string& from, const std::string& to) override;
    bool RemoveFile(const std::string& path) override;
    bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    std::string TempPathBeside(const std::string& target) override;

    // The rest of the system (win32_system.cpp).
    bool FileExists(const std::string& path) override;
    bool FolderAcceptsNewFiles(const std::string& folder) override;
    bool ClearClipboard() override;
    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    bool ReadMachineRegistryValue(const std::string& key, const std::string& valueName, RegistryValue& value) override;
    unsigned ConsoleCodePage() override;
    std::optional<std::string> ConsoleBytes(char32_t character) override;
    std::string ConsoleTextOf(const std::string& bytes) override;
    std::string ShortName(const std::string& path) override;
    bool StartProgram(const std::string& path) override;
    void EndProgram() override;
    bool XcopyTakesWildcardDestinationAsFolder() override;
    bool XcopyReadsDatesMonthFirst() override;

protected:
    // The window that dialogs, message boxes and the shell's own windows belong to.
    HWND DialogOwner() const;
    FolderWaitSettings folderWait_;
    // `check` of the path as a folder is checked: on a worker, the window answering meanwhile;
    // empty when it did not answer in time. `check` must hold no reference to this object.
    std::string OffTheWindowsThread(const std::string& path, std::function<std::string(const std::string&)> check);
    static std::string ShortNameNow(const std::string& path);
    // The last folder checked, and when: a check is trusted this long.
    static constexpr ULONGLONG kCheckStillFreshMs = 250;
    struct FolderCheck {
        std::string path;
        std::string result;
        ULONGLONG at = 0;
    } lastCheck_;  // how folders are checked without holding up the window

public:
    // Some of the shell's handlers and the accessibility services are COM objects, which
    // need an apartment on the calling thread.
    void EnsureComApartment();

private:
    // Wine's XCOPY is the one that differs.
    bool UnderWine();
    HWND owner_ = nullptr;
    bool comTried_ = false;
    bool comInitialized_ = false;
    int underWine_ = -1;  // not yet asked
    unsigned tempCounter_ = 0;
};

}  // namespace lorvane::win32
