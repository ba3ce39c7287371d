#include "window_fixture.h"

#include <objbase.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "app/whole_file.h"
#include "batch/run_batch.h"

namespace lorvane::win32::testing {
namespace {

void CopyTree(const TempTree& tree) {
    tree.Add({"src\\", "src\\sous\\", "dst\\", "\xC0 trier\\"});
    tree.File("src\\a.txt", "premier");
    tree.File("src\\sous\\b.txt", "second");
    tree.File("\xC0 trier\\c.txt", "accent");
}

// "GO !" for real: the batch file written beside the program, opened by the shell, whose
// command interpreter runs XCOPY.
class ShellRunTest : public WindowTest {
protected:
    using WindowTest::WindowTest;
    void TearDown() override {
        started.EndAll();
        DeleteFileA(Beside(kRunBatchName).c_str());
        DeleteFileA(Beside(kActivityFileName).c_str());
    }

    void Go() {
        started.EndAll();  // the last run's console, paused, holds the batch file open
        platform.realMessageBoxes = true;
        platform.realShell = true;
        DialogAnswerer answer("\xB0Lorvane\xB0", IDYES);
        Click(form.Command1);
        ASSERT_TRUE(answer.Answered());
        const std::string question = "Voulez-vous ex\xE9" "cuter la commande DOS \nXCOPY ";
        EXPECT_EQ(answer.SeenText().substr(0, question.size()), question);
    }
    std::string Beside(const char* name) const { return InProgramFolder(folder, name); }

    const std::string folder = platform.ProgramFolder();
};

// Both folders at the folder level, by clicks alone: Wine's XCOPY would ask "file or
// folder?" of "dst\*.*", so the destination is written "dst\".
class RunTest : public ShellRunTest {
protected:
    explicit RunTest(std::string sourceFolder = "src") : ShellRunTest(CopyTree), source(std::move(sourceFolder)) {}

    void SetUp() override {
        WindowTest::SetUp();
        if (HasFatalFailure()) return;
        DeleteFileA(Beside(kActivityFileName).c_str());
        DoubleClickEntry(form.Dir1, source);
        DoubleClickEntry(form.Dir2, "dst");
        ASSERT_TRUE(ListsLoaded());
        const std::string quote = source.find(' ') == std::string::npos ? "" : "\"";
        ASSERT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + quote + tree.Path(source) + "\\*.*" + quote + "  " +
                                             tree.Path("dst") + "\\  /S /E /C /H /Y ");
    }

    std::string source;
};

TEST_F(RunTest, GoCopiesTheTreeThroughTheShell) {
    Go();
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - " + Beside(kRunBatchName));
    EXPECT_EQ(FileContent(Beside(kRunBatchName)), form.TxtCmd[3].Text() + "\n pause\r\n");
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
    ConsolePageTest() : RunTest("\xC0 trier") {}
};

TEST_F(ConsolePageTest, Page850CopiesTheFolderThroughTheShell) {
    ASSERT_EQ(GetOEMCP(), 850u);
    Go();
    EXPECT_NE(FileContent(Beside(kRunBatchName)).find("\\\xB7 trier\\*.*\""), std::string::npos);
    ASSERT_TRUE(WaitForFile(window, tree.Path("dst\\c.txt"), "accent", 30000));
}

TEST_F(ConsolePageTest, Page437NamesTheCharacterAndWritesNothing) {
    ASSERT_EQ(GetOEMCP(), 437u);
    ASSERT_TRUE(WriteWholeFile(platform, Beside(kRunBatchName), "ancien\r\n"));
    const auto programFolderBefore = FilesUnder(folder);
    DialogAnswerer refusal("Lorvane : caract\xE8re impossible \xE0 \xE9" "crire", IDOK);
    Go();
    ASSERT_TRUE(refusal.Answered());
    EXPECT_EQ(refusal.SeenText(), "Le caract\xE8re \xAB \xC0 \xBB ne peut pas \xEAtre \xE9" "crit dans un fichier de "
                                  "commandes : la console (page de codes 437) ne le conna\xEEt pas.\nRien n'a \xE9t\xE9 "
                                  "enregistr\xE9.");
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARD\xC9");
    EXPECT_EQ(FileContent(Beside(kRunBatchName)), "ancien\r\n");
    EXPECT_EQ(FilesUnder(folder), programFolderBefore);
    EXPECT_TRUE(platform.shellOpens.empty());
}

// With the activity recorded, a destination Wine's XCOPY would ask about is refused; with
// its separator it is a new folder, made and filled, the output in the activity file, which
// the shell opens in its viewer once the command has ended.
TEST_F(RunTest, RecordingPutsTheOutputInTheActivityFile) {
    // Windows opens text files in Notepad; a fresh Wine prefix knows the "txtfile" class but
    // gives ".txt" none, and reads classes from the machine's key only.
    std::optional<MachineValue> association;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".txt", nullptr, nullptr) != ERROR_SUCCESS) {
        association.emplace("Software\\Classes\\.txt", nullptr, "txtfile");
    }
    Menu(form.mnu_s_activite);  // the notice is answered by the script
    TypeOver(Hwnd(form.TxtCmd[1]), tree.Path("neuf") + " ");
    Click(form.Command1);
    ASSERT_EQ(platform.messages.size(), 2u);  // the recording notice, then the refusal
    EXPECT_EQ(platform.messages[1].title, "Lorvane : destination \xE0 pr\xE9" "ciser");
    EXPECT_EQ(GetFileAttributesA(Beside(kRunBatchName).c_str()), INVALID_FILE_ATTRIBUTES);

    TypeOver(Hwnd(form.TxtCmd[1]), tree.Path("neuf") + "\\ ");
    Go();
    ASSERT_TRUE(WaitForFile(window, tree.Path("neuf\\sous\\b.txt"), "second", 30000));
    const std::string activity = Beside(kActivityFileName);
    ASSERT_TRUE(WaitForFile(window, activity, "b.txt", 30000));
    const std::string log = FileContent(activity);
    EXPECT_NE(log.find("a.txt"), std::string::npos) << log;
    EXPECT_NE(log.find("sous\\b.txt"), std::string::npos) << log;
    EXPECT_LT(log.size(), 1000u);
    EXPECT_EQ(FileContent(Beside(kRunBatchName)),
              form.TxtCmd[3].Text() + " > " + activity + "\n start " + activity + "\r\n");
    EXPECT_TRUE(PumpUntil(window, [] { return FindWindowA("Notepad", nullptr) != nullptr; }, 30000, 50));
    started.EndAll();
}

// Names that a command interpreter would take for operators, variables or separators.
constexpr const char* kHostileSource = "src R&D&mkdir inject\xE9 %PATH% ^x (1);,=\xE9";
constexpr const char* kHostileDestination = "dst & co %CD%";

// Names the code page lacks, picked one by one (in a subfolder for the last): look-alikes
// would give a quotation mark and ampersands around a command, or the name of the file beside.
const struct {
    const wchar_t* folder;
    const wchar_t* file;
    const char* content;
} kUnicodePicks[] = {
    {nullptr, L"a\xFF02\xFF06mkdir X\xFF06rem \xFF02.txt", "pleine chasse"},
    {nullptr, L"\x142\xF3" L"d\x17A.txt", "vrai"},
    {L"\x17C\xF3\x142w", L"dedans.txt", "tortue"},
};

void HostileTree(const TempTree& tree) {
    const std::string source = kHostileSource;
    const std::pair<std::string, const char*> files[] = {
        {"a&b.txt", "et"}, {"100%.txt", "pourcent"}, {"\xE9t\xE9 (2).txt", "accent"}, {"l\xF3" "dz.txt", "sosie"},
        {"sous ^ dossier\\c;d=e,f.txt", "s\xE9parateurs"}};
    tree.Folder(source);
    tree.Folder(source + "\\sous ^ dossier");
    for (const auto& [name, content] : files) tree.File(source + "\\" + name, content);
    for (const auto& pick : kUnicodePicks) {
        const std::wstring folder = ToWide(source) + (pick.folder != nullptr ? L"\\" + std::wstring(pick.folder) : L"");
        tree.Folder(folder);  // already there for the files of the source folder itself
        tree.File(folder + L"\\" + pick.file, pick.content);
    }
    tree.Folder(kHostileDestination);
}

class HostileNamesTest : public ShellRunTest {
protected:
    HostileNamesTest() : ShellRunTest(HostileTree) {}
};

TEST_F(HostileNamesTest, ExactlyTheShownCopyHappensAndNothingElseRuns) {
    DoubleClickEntry(form.Dir1, kHostileSource);
    DoubleClickEntry(form.Dir2, kHostileDestination);
    ASSERT_TRUE(ListsLoaded());
    const std::string source = tree.Path(kHostileSource);
    const std::string destination = tree.Path(kHostileDestination);
    auto asBatchArgument = [](std::string path) {
        std::string doubled;
        for (char c : path) doubled += c == '%' ? std::string("%%") : std::string(1, c);
        return doubled;
    };
    ASSERT_EQ(Shown(form.TxtCmd[3]), "XCOPY \"" + asBatchArgument(source) + "\\*.*\"  \"" +
                                         asBatchArgument(destination) + "\\\"  /S /E /C /H /Y ");

    const std::vector<std::wstring> programFolderBefore = FilesUnder(folder);
    // Shown by their real names, picked by their short ones.
    std::vector<std::wstring> picked;
    for (const auto& pick : kUnicodePicks) {
        if (pick.folder != nullptr) DoubleClickEntry(form.Dir1, pick.folder);
        ASSERT_TRUE(ListsLoaded());
        EXPECT_TRUE(pick.folder == nullptr || IndexOf(form.Dir1, pick.folder) >= 0);  // opened: an ancestor now
        ASSERT_GE(IndexOf(form.File1, pick.file), 0);
        ClickListItem(Hwnd(form.File1), IndexOf(form.File1, pick.file));
        const std::string path = form.File1.Path() + "\\" + form.File1.FileName();
        const std::string shortName = path.substr(source.size());  // "\\A__M~YLI.TXT" under Wine
        EXPECT_TRUE(std::all_of(shortName.begin(), shortName.end(), [](char c) { return (c & 0x80) == 0; }) &&
                    shortName.find('~') != std::string::npos) << shortName;
        ASSERT_EQ(Shown(form.TxtCmd[0]), "\"" + asBatchArgument(path) + "\" ");
        ASSERT_NO_FATAL_FAILURE(Go());
        ASSERT_TRUE(WaitForFile(window, ToWide(destination) + L"\\" + pick.file, pick.content, 30000));
        picked.push_back(pick.file);
    }
    std::sort(picked.begin(), picked.end());
    EXPECT_EQ(FilesUnder(destination), picked);
    for (const std::wstring& copied : picked) DeleteFileW((ToWide(destination) + L"\\" + copied).c_str());

    // The whole folder, through names of every kind.
    DoubleClickEntry(form.Dir1, kHostileSource);
    ASSERT_TRUE(ListsLoaded());
    ASSERT_NO_FATAL_FAILURE(Go());
    ASSERT_TRUE(WaitForFile(window, destination + "\\sous ^ dossier\\c;d=e,f.txt", "s\xE9parateurs", 30000));
    ASSERT_TRUE(WaitForFile(window, destination + "\\\xE9t\xE9 (2).txt", "accent", 30000));
    EXPECT_EQ(FilesUnder(destination), FilesUnder(source));
    EXPECT_EQ(FileContent(destination + "\\100%.txt"), "pourcent");
    EXPECT_EQ(FileContent(destination + "\\a&b.txt"), "et");
    // Nothing but the copy: no folder made by a command hidden in a name, no stray file.
    for (const char* made : {"inject\xE9", "X"}) {
        EXPECT_EQ(GetFileAttributesA(Beside(made).c_str()), INVALID_FILE_ATTRIBUTES);
    }
    std::vector<std::wstring> programFolderAfter = FilesUnder(folder);
    programFolderAfter.erase(std::remove(programFolderAfter.begin(), programFolderAfter.end(), L"batch.bat"),
                             programFolderAfter.end());
    EXPECT_EQ(programFolderAfter, programFolderBefore);
    EXPECT_EQ(FilesUnder(tree.Root()).size(), 2 * FilesUnder(source).size());
}

}  // namespace
}  // namespace lorvane::win32::testing
