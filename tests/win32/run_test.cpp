#include "window_fixture.h"

#include <objbase.h>

#include <optional>

#include "app/whole_file.h"
#include "batch/run_batch.h"

namespace lorvane::win32::testing {
namespace {

void CopyTree(const TempTree& tree) {
    tree.Add({"src\\", "src\\sous\\", "dst\\", "À trier\\"});
    tree.File("src\\a.txt", "premier");
    tree.File("src\\sous\\b.txt", "second");
    tree.File("À trier\\c.txt", "accent");
}

// "GO !" for real: the batch file written beside the program, opened by the shell, whose
// command interpreter runs XCOPY.
class ShellRunTest : public WindowTest {
protected:
    using WindowTest::WindowTest;
    void TearDown() override {
        started.EndAll();
        for (const char* name : {kRunBatchName, kActivityFileName}) DeleteFileA(Beside(name).c_str());
    }

    void Go() {
        started.EndAll();  // the last run's console, paused, holds the batch file open
        platform.realDialogs = platform.realShell = true;
        DialogAnswerer answer("°Lorvane°", IDYES);
        Click(form.Command1);
        const std::string question = "Voulez-vous exécuter la commande DOS \nXCOPY ";
        ASSERT_EQ(answer.SeenText().substr(0, question.size()), question);
    }
    std::string Beside(const char* name) const { return InProgramFolder(folder, name); }
    // Until the command interpreter has written `needle` into the file.
    bool WaitForFile(const WideName& path, const std::string& needle) {
        return PumpUntil([&] { return FileContent(path).find(needle) != std::string::npos; }, 30000);
    }

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
    ASSERT_TRUE(WaitForFile(tree.Path("dst\\sous\\b.txt"), "second"));
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
    ConsolePageTest() : RunTest("À trier") {}
};

TEST_F(ConsolePageTest, Page850CopiesTheFolderThroughTheShell) {
    ASSERT_EQ(GetOEMCP(), 850u);
    Go();
    EXPECT_NE(FileContent(Beside(kRunBatchName)).find("\\\xB7 trier\\*.*\""), std::string::npos);
    ASSERT_TRUE(WaitForFile(tree.Path("dst\\c.txt"), "accent"));
}

TEST_F(ConsolePageTest, Page437NamesTheCharacterAndWritesNothing) {
    ASSERT_EQ(GetOEMCP(), 437u);
    ASSERT_TRUE(WriteWholeFile(platform, Beside(kRunBatchName), "ancien\r\n"));
    const auto programFolderBefore = FilesUnder(folder);
    DialogAnswerer refusal("Lorvane : caractère impossible à écrire", IDOK);
    Go();
    ASSERT_EQ(refusal.SeenText(),
              "Le caractère « À » ne peut pas être écrit dans un fichier de commandes : la console "
              "(page de codes 437) ne le connaît pas.\nRien n'a été enregistré.");
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARDÉ");
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
    if (RegQueryValueA(HKEY_CLASSES_ROOT, ".txt", nullptr, nullptr) != ERROR_SUCCESS)
        association.emplace("Software\\Classes\\.txt", nullptr, "txtfile");
    Menu(form.mnu_s_activite);  // the notice is answered by the script
    TypeOver(Hwnd(form.TxtCmd[1]), tree.Path("neuf") + " ");
    Click(form.Command1);
    ASSERT_EQ(platform.messages.size(), 2u);  // the recording notice, then the refusal
    EXPECT_EQ(platform.messages[1].title, "Lorvane : destination à préciser");
    EXPECT_EQ(GetFileAttributesA(Beside(kRunBatchName).c_str()), INVALID_FILE_ATTRIBUTES);

    TypeOver(Hwnd(form.TxtCmd[1]), tree.Path("neuf") + "\\ ");
    Go();
    ASSERT_TRUE(WaitForFile(tree.Path("neuf\\sous\\b.txt"), "second"));
    const std::string activity = Beside(kActivityFileName);
    ASSERT_TRUE(WaitForFile(activity, "b.txt"));
    const std::string log = FileContent(activity);
    for (const char* copied : {"a.txt", "sous\\b.txt"}) EXPECT_NE(log.find(copied), std::string::npos) << log;
    EXPECT_LT(log.size(), 1000u);
    EXPECT_EQ(FileContent(Beside(kRunBatchName)),
              form.TxtCmd[3].Text() + " > " + activity + "\n start " + activity + "\r\n");
    EXPECT_TRUE(PumpUntil([] { return FindWindowA("Notepad", nullptr) != nullptr; }, 30000));
}

// Names that a command interpreter would take for operators, variables or separators.
constexpr const char* kHostileSource = "src R&D&mkdir injecté %PATH% ^x (1);,=é";
constexpr const char* kHostileDestination = "dst & co %CD%";

// Names the code page lacks, picked one by one (in a subfolder for the last): look-alikes
// would give a quotation mark and ampersands around a command, or the name of the file beside.
// Subfolder (none: the source itself), file, content.
const std::tuple<const wchar_t*, const wchar_t*, const char*> kUnicodePicks[] = {
    {nullptr, L"a\xFF02\xFF06mkdir X\xFF06rem \xFF02.txt", "pleine chasse"},
    {nullptr, L"łódź.txt", "vrai"},
    {L"\x17C\xF3\x142w", L"dedans.txt", "tortue"}};

// The source's files by names of every kind, and what each holds.
constexpr std::pair<const char*, const char*> kHostileFiles[] = {{"a&b.txt", "et"},
                                                                 {"100%.txt", "pourcent"},
                                                                 {"été (2).txt", "accent"},
                                                                 {"lódz.txt", "sosie"},
                                                                 {"sous ^ dossier\\c;d=e,f.txt", "séparateurs"}};

void HostileTree(const TempTree& tree) {
    const std::string source = kHostileSource;
    tree.Folder(source);
    tree.Folder(source + "\\sous ^ dossier");
    for (const auto& [name, content] : kHostileFiles) tree.File(source + "\\" + name, content);
    for (const auto& [sub, file, content] : kUnicodePicks) {
        const std::wstring folder = ToWide(source) + (sub != nullptr ? L"\\" + std::wstring(sub) : L"");
        tree.Folder(folder);  // already there for the files of the source folder itself
        tree.File(folder + L"\\" + file, content);
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
    const std::string source = tree.Path(kHostileSource), destination = tree.Path(kHostileDestination);
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
    for (const auto& [sub, file, content] : kUnicodePicks) {
        if (sub != nullptr) DoubleClickEntry(form.Dir1, sub);
        ASSERT_TRUE(ListsLoaded());
        EXPECT_TRUE(sub == nullptr || IndexOf(form.Dir1, sub) >= 0);  // opened: an ancestor now
        ASSERT_GE(IndexOf(form.File1, file), 0);
        ClickListItem(Hwnd(form.File1), IndexOf(form.File1, file));
        const std::string path = form.File1.Path() + "\\" + form.File1.FileName();
        const std::string shortName = path.substr(source.size());  // "\\A__M~YLI.TXT" under Wine
        EXPECT_TRUE(std::all_of(shortName.begin(), shortName.end(), [](char c) { return (c & 0x80) == 0; }) &&
                    shortName.find('~') != std::string::npos)
            << shortName;
        ASSERT_EQ(Shown(form.TxtCmd[0]), "\"" + asBatchArgument(path) + "\" ");
        ASSERT_NO_FATAL_FAILURE(Go());
        ASSERT_TRUE(WaitForFile(ToWide(destination) + L"\\" + file, content));
        picked.push_back(file);
    }
    std::sort(picked.begin(), picked.end());
    EXPECT_EQ(FilesUnder(destination), picked);
    for (const std::wstring& copied : picked) DeleteFileW((ToWide(destination) + L"\\" + copied).c_str());

    // The whole folder, through names of every kind.
    DoubleClickEntry(form.Dir1, kHostileSource);
    ASSERT_TRUE(ListsLoaded());
    ASSERT_NO_FATAL_FAILURE(Go());
    for (const auto& [name, content] : kHostileFiles)
        ASSERT_TRUE(WaitForFile(destination + "\\" + name, content)) << name;
    PumpUntil([&] { return FilesUnder(destination) == FilesUnder(source); }, 30000);  // the subfolders come last
    EXPECT_EQ(FilesUnder(destination), FilesUnder(source));
    // Nothing but the copy: no folder made by a command hidden in a name, no stray file.
    for (const char* made : {"injecté", "X"})
        EXPECT_EQ(GetFileAttributesA(Beside(made).c_str()), INVALID_FILE_ATTRIBUTES);
    std::vector<std::wstring> programFolderAfter = FilesUnder(folder);
    std::erase(programFolderAfter, std::wstring(L"batch.bat"));
    EXPECT_EQ(programFolderAfter, programFolderBefore);
    EXPECT_EQ(FilesUnder(tree.Root()).size(), 2 * FilesUnder(source).size());
}

}  // namespace
}  // namespace lorvane::win32::testing
