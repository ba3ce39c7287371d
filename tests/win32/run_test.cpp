#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/whole_file.h"
#include "batch/run_batch.h"
#include "ui_support.h"
#include "window_fixture.h"

namespace lorvane::win32 {
namespace {

using namespace testing;

void CopyTree(const TempTree& tree) {
    tree.Folder("src");
    tree.File("src\\a.txt", "premier");
    tree.Folder("src\\sous");
    tree.File("src\\sous\\b.txt", "second");
    tree.Folder("dst");
    tree.Folder("\xC0 trier");
    tree.File("\xC0 trier\\c.txt", "accent");
}

// "GO !" for real: the batch file written beside the program, opened by the shell, whose
// command interpreter runs XCOPY.
class RunTest : public WindowTest {
protected:
    explicit RunTest(const std::function<void(const TempTree&)>& fill = CopyTree, std::string sourceFolder = "src",
                     std::string destinationFolder = "dst")
        : WindowTest(fill), source(std::move(sourceFolder)), destination(std::move(destinationFolder)) {}

    void SetUp() override {
        WindowTest::SetUp();
        if (HasFatalFailure()) return;
        folder = platform.ProgramFolder();
        DeleteFileA(InProgramFolder(folder, kActivityFileName).c_str());
        // Both folders at the folder level, by clicks alone: Wine's XCOPY would ask
        // "file or folder?" of "dst\*.*", so the destination is written "dst\".
        DoubleClickListItem(Hwnd(form.Dir1), IndexOf(form.Dir1, source));
        DoubleClickListItem(Hwnd(form.Dir2), IndexOf(form.Dir2, destination));
        ASSERT_TRUE(ListsLoaded());
        auto asBatchArgument = [](const std::string& path) {
            std::string doubled;
            for (char c : path) doubled += c == '%' ? std::string("%%") : std::string(1, c);
            return path.find(' ') == std::string::npos ? doubled : "\"" + doubled + "\"";  // all quote for a blank
        };
        ASSERT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + asBatchArgument(tree.Path(source) + "\\*.*") + "  " +
                                             asBatchArgument(tree.Path(destination) + "\\") + "  /S /E /C /H /Y ");
    }
    void TearDown() override {
        started.EndAll();
        DeleteFileA(InProgramFolder(folder, kRunBatchName).c_str());
        DeleteFileA(InProgramFolder(folder, kActivityFileName).c_str());
    }

    void Go() {
        platform.realMessageBoxes = true;
        platform.realShell = true;
        DialogAnswerer answer("\xB0Lorvane\xB0", [](HWND box) { PostMessageA(box, WM_COMMAND, IDYES, 0); });
        Click(form.Command1);
        ASSERT_TRUE(answer.Answered());
        const std::string question = "Voulez-vous ex\xE9" "cuter la commande DOS \nXCOPY ";
        EXPECT_EQ(answer.SeenText().substr(0, question.size()), question);
    }

    std::string source;
    std::string destination;
    std::string folder;
};

TEST_F(RunTest, GoCopiesTheTreeThroughTheShell) {
    Go();
    const std::string batch = InProgramFolder(folder, kRunBatchName);
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - " + batch);
    EXPECT_EQ(FileContent(batch), form.TxtCmd[3].Text() + "\n pause\r\n");
    ASSERT_TRUE(WaitForFile(window, tree.Path("dst\\sous\\b.txt"), "second", 30000));
    EXPECT_EQ(FileContent(tree.Path("dst\\a.txt")), "premier");
    // The shell was called from a thread in a COM apartment, as its handlers need.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
}

// The console reads the batch file in its own code page: code page 850, as on French Windows,
// has "À" (0xB7); code page 437 has not, and its look-alike "A" would name another folder.
// Each test runs in the Wine start whose locale gives its page (tests/win32/CMakeLists.txt).
class ConsolePageTest : public RunTest {
protected:
    ConsolePageTest() : RunTest(CopyTree, "\xC0 trier") {}
};

TEST_F(ConsolePageTest, Page850CopiesTheFolderThroughTheShell) {
    ASSERT_EQ(GetOEMCP(), 850u);
    Go();
    EXPECT_NE(FileContent(InProgramFolder(folder, kRunBatchName)).find("\\\xB7 trier\\*.*\""), std::string::npos);
    ASSERT_TRUE(WaitForFile(window, tree.Path("dst\\c.txt"), "accent", 30000));
}

TEST_F(ConsolePageTest, Page437NamesTheCharacterAndWritesNothing) {
    ASSERT_EQ(GetOEMCP(), 437u);
    const std::string batch = InProgramFolder(folder, kRunBatchName);
    ASSERT_TRUE(WriteWholeFile(platform, batch, "ancien\r\n"));
    const std::vector<std::string> programFolderBefore = FilesUnder(folder);
    DialogAnswerer refusal("Lorvane : caract\xE8re impossible \xE0 \xE9" "crire",
                           [](HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); });
    Go();
    ASSERT_TRUE(refusal.Answered());
    EXPECT_EQ(refusal.SeenText(), "Le caract\xE8re \xAB \xC0 \xBB ne peut pas \xEAtre \xE9" "crit dans un fichier de "
                                  "commandes : la console (page de codes 437) ne le conna\xEEt pas.\nRien n'a \xE9t\xE9 "
                                  "enregistr\xE9.");
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARD\xC9");
    EXPECT_EQ(FileContent(batch), "ancien\r\n");
    EXPECT_EQ(FilesUnder(folder), programFolderBefore);
    EXPECT_TRUE(platform.shellOpens.empty());
}

// Windows opens text files in Notepad; a fresh Wine prefix knows the "txtfile" class but
// gives ".txt" none, and reads classes from the machine's key only. The association is
// added there for the test when none is there.
class TextFilesOpenInNotepad {
public:
    TextFilesOpenInNotepad() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".txt", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return;
        }
        added_ = RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.txt", REG_SZ, "txtfile", 7) == ERROR_SUCCESS;
    }
    ~TextFilesOpenInNotepad() {
        if (added_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.txt");
    }
    TextFilesOpenInNotepad(const TextFilesOpenInNotepad&) = delete;
    TextFilesOpenInNotepad& operator=(const TextFilesOpenInNotepad&) = delete;

private:
    bool added_ = false;
};

TEST_F(RunTest, RecordingPutsTheOutputInTheActivityFile) {
    const TextFilesOpenInNotepad association;
    Menu(form.mnu_s_activite);  // the notice is answered by the script
    Go();
    ASSERT_TRUE(WaitForFile(window, tree.Path("dst\\sous\\b.txt"), "second", 30000));
    const std::string activity = InProgramFolder(folder, kActivityFileName);
    ASSERT_TRUE(WaitForFile(window, activity, "b.txt", 30000));
    const std::string log = FileContent(activity);
    EXPECT_NE(log.find("a.txt"), std::string::npos) << log;
    EXPECT_NE(log.find("sous\\b.txt"), std::string::npos) << log;
    EXPECT_EQ(FileContent(InProgramFolder(folder, kRunBatchName)),
              form.TxtCmd[3].Text() + " > " + activity + "\n start " + activity + "\r\n");
    // Once the command has ended, the shell opens the activity file in its viewer.
    EXPECT_TRUE(PumpUntil(window, [] { return FindWindowA("Notepad", nullptr) != nullptr; }, 30000, 50));
    started.EndAll();
}

TEST_F(RunTest, ARecordedDestinationXcopyWouldAskAboutIsNotRun) {
    const TextFilesOpenInNotepad association;
    Menu(form.mnu_s_activite);
    HWND box = Hwnd(form.TxtCmd[1]);
    SetFocus(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
    TypeText(box, tree.Path("neuf") + " ");
    Click(form.Command1);
    ASSERT_EQ(platform.messages.size(), 2u);  // the recording notice, then the refusal
    EXPECT_EQ(platform.messages[1].title, "Lorvane : destination \xE0 pr\xE9" "ciser");
    EXPECT_EQ(GetFileAttributesA(InProgramFolder(folder, kRunBatchName).c_str()), INVALID_FILE_ATTRIBUTES);

    // With its separator, a new folder: made and filled, and the activity file stays small.
    SendMessageA(box, EM_SETSEL, 0, -1);
    TypeText(box, tree.Path("neuf") + "\\ ");
    Go();
    ASSERT_TRUE(WaitForFile(window, tree.Path("neuf\\sous\\b.txt"), "second", 30000));
    const std::string activity = InProgramFolder(folder, kActivityFileName);
    ASSERT_TRUE(WaitForFile(window, activity, "b.txt", 30000));
    EXPECT_LT(FileContent(activity).size(), 1000u);
    started.EndAll();
}

// Names that a command interpreter would take for operators, variables or separators.
constexpr const char* kHostileSource = "src R&D&mkdir inject\xE9 %PATH% ^x (1);,=\xE9";
constexpr const char* kHostileDestination = "dst & co %CD%";

void HostileTree(const TempTree& tree) {
    const std::string source = kHostileSource;
    tree.Folder(source);
    tree.File(source + "\\a&b.txt", "et");
    tree.File(source + "\\100%.txt", "pourcent");
    tree.File(source + "\\\xE9t\xE9 (2).txt", "accent");
    tree.Folder(source + "\\sous ^ dossier");
    tree.File(source + "\\sous ^ dossier\\c;d=e,f.txt", "s\xE9parateurs");
    tree.Folder(kHostileDestination);
}

class HostileNamesTest : public RunTest {
protected:
    HostileNamesTest() : RunTest(HostileTree, kHostileSource, kHostileDestination) {}
};

TEST_F(HostileNamesTest, ExactlyTheShownCopyHappensAndNothingElseRuns) {
    const std::string source = tree.Path(kHostileSource);
    const std::string destination = tree.Path(kHostileDestination);
    const std::vector<std::string> programFolderBefore = FilesUnder(platform.ProgramFolder());
    Go();
    ASSERT_TRUE(WaitForFile(window, destination + "\\sous ^ dossier\\c;d=e,f.txt", "s\xE9parateurs", 30000));
    ASSERT_TRUE(WaitForFile(window, destination + "\\\xE9t\xE9 (2).txt", "accent", 30000));
    EXPECT_EQ(FilesUnder(destination), FilesUnder(source));
    EXPECT_EQ(FileContent(destination + "\\100%.txt"), "pourcent");
    EXPECT_EQ(FileContent(destination + "\\a&b.txt"), "et");
    // Nothing but the copy: no folder made by a command hidden in a name, no stray file.
    EXPECT_EQ(GetFileAttributesA(InProgramFolder(platform.ProgramFolder(), "inject\xE9").c_str()),
              INVALID_FILE_ATTRIBUTES);
    std::vector<std::string> programFolderAfter = FilesUnder(platform.ProgramFolder());
    programFolderAfter.erase(std::remove(programFolderAfter.begin(), programFolderAfter.end(), "batch.bat"),
                             programFolderAfter.end());
    EXPECT_EQ(programFolderAfter, programFolderBefore);
    std::vector<std::string> treeNow = FilesUnder(tree.Root());
    EXPECT_EQ(treeNow.size(), 2 * FilesUnder(source).size());
}

}  // namespace
}  // namespace lorvane::win32
