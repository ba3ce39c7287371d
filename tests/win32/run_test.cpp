#include "window_fixture.h"

#include <objbase.h>

#include <chrono>
#include <optional>

#include "batch/batch_texts.h"
#include "batch/console_text.h"
#include "batch/run_batch.h"

namespace lorvane::win32::testing {
namespace {

// A folder named in the language of each console code page (Wine takes the page from the locale it starts in:
// tests/win32/CMakeLists.txt), and for 437, the page of the program's own table, one named in a language it lacks.
const std::map<unsigned, std::string> kFolderOfPage = {{437, "Łódź"}, {850, "À trier"}, {852, "Łódź"}, {866, "Москва"}};

// The line with the path in it as the console gets it: each part that the console's page lacks a character of by its
// short name, the name the volume gives it beside the long one.
std::string WithConsoleName(std::string line, const std::string& path) {
    std::string named;
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        const std::string part = path.substr(start, (end = path.find('\\', start)) - start);
        wchar_t shortPath[MAX_PATH] = {};
        GetShortPathNameW(ToUtf16(path.substr(0, end)).c_str(), shortPath, MAX_PATH);
        named += (start == 0 ? "" : "\\") +
                 (InConsolePage(part) ? part : ToUtf8(std::filesystem::path(shortPath).filename().wstring()));
    }
    const std::size_t at = line.find(path);
    return at == std::string::npos ? line : line.replace(at, path.size(), named);
}

// Names that a command interpreter would take for operators, variables or separators, and the files of the source by
// names of every kind, with what each holds.
const std::string kHostileSource = "src R&D&mkdir injecté %PATH% ^x (1);,=é", kHostileDestination = "dst & co %CD%";
constexpr std::pair<const char*, const char*> kHostileFiles[] = {{"a&b.txt", "et"},
                                                                 {"100%.txt", "pourcent"},
                                                                 {"été (2).txt", "accent"},
                                                                 {"lódz.txt", "sosie"},
                                                                 {"łódź.txt", "vrai"},
                                                                 {"a＂＆mkdir X＆rem ＂.txt", "pleine chasse"},
                                                                 {"sous ^ dossier\\c;d=e,f.txt", "séparateurs"}};

// "GO !" for real: the batch file written beside the program, opened by the shell, whose command interpreter runs
// XCOPY; both folders picked at the folder level by clicks alone (so the destination is written "dst\", not "dst\*.*").
class RunTest : public WindowTest {
protected:
    explicit RunTest(std::string sourceFolder = "src", std::string destinationFolder = "dst")
        : WindowTest([](const TempTree& tree) {
              tree.Add({"src\\", "src\\sous\\", "dst\\", "pl\\", "pl\\lódz.txt", kHostileDestination + "\\",
                        kHostileSource + "\\", kHostileSource + "\\sous ^ dossier\\"});
              tree.File("src\\a.txt", "premier");
              tree.File("src\\sous\\b.txt", "second");
              tree.File("pl\\łódź.txt", "vrai");  // beside what a best-fit look-alike of it would name
              for (const auto& [page, folder] : kFolderOfPage)
                  tree.Add({folder + "\\"}), tree.File(folder + "\\c.txt", "accent");
              for (const auto& [name, content] : kHostileFiles) tree.File(kHostileSource + "\\" + name, content);
          }),
          source(std::move(sourceFolder)),
          destination(std::move(destinationFolder)) {}
    void SetUp() override {
        WindowTest::SetUp();
        if (HasFatalFailure()) return;
        DeleteFileW(ToUtf16(Beside(kActivityFileName)).c_str());
        DoubleClickEntry(form.Dir1, source);
        DoubleClickEntry(form.Dir2, destination);
        ASSERT_TRUE(ListsLoaded());
        ASSERT_EQ(std::tuple(Levels(form.Option1), form.Dir1.Path(), Levels(form.Option2), form.Dir2.Path()),
                  std::tuple("010", tree.Path(source), "010", tree.Path(destination)));
    }
    void TearDown() override {
        started.EndAll();
        for (const char* name : {kRunBatchName, kActivityFileName}) DeleteFileW(ToUtf16(Beside(name)).c_str());
    }

    // Ctrl+E, answered Yes in the real message box; `asked` then holds the batch text the question showed.
    void Go() {
        started.EndAll();  // the last run's console, paused, holds the batch file open
        platform.realDialogs = platform.realShell = true;
        DialogAnswerer answer(window.Handle(), Dialog::Message, IDYES);
        PressKey(window, 'E', kCtrl);
        const std::string question = std::string(texts::kRunQuestion) + "\n";
        ASSERT_EQ(answer.SeenTitle(), texts::kQuestionTitle);
        ASSERT_EQ(answer.SeenText().substr(0, question.size()), question);
        asked = answer.SeenText().substr(question.size());
    }
    std::string Beside(const char* name) const { return InProgramFolder(folder, name); }
    // Until the command interpreter has written `needle` into the file.
    bool WaitForFile(const std::string& path, const std::string& needle) {
        return PumpUntil([&] { return FileContent(path).find(needle) != std::string::npos; }, 30000);
    }

    const std::string folder = platform.ProgramFolder();
    std::string source, destination, asked;
};

// A date given to /D is written as the system's XCOPY reads it: only what changed since arrives.
TEST_F(RunTest, GoCopiesTheTreeThroughTheShellFromTheDateOfSlashD) {
    const std::chrono::sys_seconds old = std::chrono::sys_days{std::chrono::year{2002} / 3 / 15};
    std::filesystem::last_write_time(PathOf(tree.Path("src\\a.txt")), std::chrono::file_clock::from_sys(old));
    platform.inputAnswers = {ChristmasAsTheUserWritesIt()};
    Click(form.Check1[kSwitchD]);
    ASSERT_NE(Shown(form.TxtCmd[3]).find(ChristmasAsXcopyReadsIt()), std::string::npos) << Shown(form.TxtCmd[3]);
    Go();
    EXPECT_EQ(TextOf(window.Handle()), texts::SavedCaption(Beside(kRunBatchName)));
    EXPECT_EQ(FileContent(Beside(kRunBatchName)), form.TxtCmd[3].Text() + "\n pause\r\n");
    ASSERT_TRUE(WaitForFile(tree.Path("dst\\sous\\b.txt"), "second"));
    EXPECT_FALSE(Exists(tree.Path("dst\\a.txt")));
    // The shell was called from a thread in a COM apartment, as its handlers need.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
}

// The console reads the batch file in its own code page: a name in the system's language goes as that page's bytes, a
// name the page lacks a character of by its short name; never by a look-alike, which would name another folder.
class ConsolePageTest : public RunTest {
protected:
    ConsolePageTest() : RunTest(kFolderOfPage.contains(GetOEMCP()) ? kFolderOfPage.at(GetOEMCP()) : "") {}
    void SetUp() override {
        if (source.empty()) GTEST_SKIP() << "no folder named for the code page " << GetOEMCP();
        RunTest::SetUp();
    }
};

TEST_F(ConsolePageTest, AFolderNamedInTheSystemsLanguageIsCopiedThroughTheShell) {
    const std::string batch = WithConsoleName(Shown(form.TxtCmd[3]), tree.Path(source)) + "\n pause";
    Go();
    EXPECT_EQ(asked, batch);
    EXPECT_EQ(FileContent(Beside(kRunBatchName)), InConsolePage(batch).value_or("?") + "\r\n");
    ASSERT_TRUE(WaitForFile(tree.Path("dst\\c.txt"), "accent"));
}

// Through an input method a name comes as WM_CHAR of its Unicode characters, or pasted as Unicode text: it names that
// file, never the look-alike beside it.
TEST_F(RunTest, ANameTypedOrPastedInUnicodeNamesThatFileAndNoLookAlike) {
    const std::string file = tree.Path("pl\\łódź.txt"), destination = tree.Path("dst");
    const std::string line = "XCOPY " + file + "  " + destination + "\\  /S /E /C /H /Y ";
    for (const bool pasted : {false, true}) {
        SCOPED_TRACE(pasted ? "pasted" : "typed");
        started.EndAll();  // the last run's console may hold the copy open
        DeleteFileW(ToUtf16(destination + "\\łódź.txt").c_str());
        (pasted ? PasteOver : TypeOver)(window, Hwnd(form.TxtCmd[0]), file + " ");
        ASSERT_EQ(std::tuple(Shown(form.TxtCmd[3]), form.TxtCmd[3].Text()), std::tuple(line, line));
        ASSERT_NO_FATAL_FAILURE(Go());
        EXPECT_EQ(asked, WithConsoleName(line, file) + "\n pause");
        ASSERT_TRUE(WaitForFile(destination + "\\łódź.txt", "vrai"));
        EXPECT_EQ(FilesUnder(destination), std::vector<std::string>{"łódź.txt"});
    }
}

// A character the console's page lacks, in a name without a short name (a folder still to be made), cannot be written:
// said before anything is asked, the batch file left as it was.
TEST_F(RunTest, ACharacterThePageLacksOutsideAnyExistingNameIsRefused) {
    ASSERT_TRUE(PutFile(Beside(kRunBatchName), "ancien\r\n"));
    TypeOver(window, Hwnd(form.TxtCmd[1]), tree.Path("東京") + "\\ ");
    PressKey(window, 'E', kCtrl);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(std::tuple(platform.messages[0].text, FileContent(Beside(kRunBatchName)), platform.shellOpens.size()),
              std::tuple(texts::UnwritableCharacter("東", GetOEMCP()), "ancien\r\n", 0u));
}

// A pasted line break would end the command and run what follows as a second one; a line longer than the console reads
// would run cut short. The box keeps what was pasted up to that length, the run is refused, the window answers.
TEST_F(RunTest, ALineTheConsoleWouldReadOtherwiseIsRefused) {
    const std::string pastes[] = {tree.Path("src\\*.*\r\nmkdir ") + tree.Path("PWNED") + "\r\n",
                                  tree.Path("src\\") + std::string(40000, 'a') + " "};
    for (const std::string& pasted : pastes) {
        PasteOver(window, Hwnd(form.TxtCmd[0]), pasted);
        ASSERT_EQ(form.TxtCmd[0].Text(), pasted.substr(0, kLongestConsoleLine));
        platform.messages.clear();
        PressKey(window, 'E', kCtrl);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(std::tuple(platform.messages[0].title, TextOf(window.Handle())),
                  std::tuple(texts::kCommandRefusedTitle, texts::SavedCaption(texts::kNotSaved)));
        DWORD_PTR answer = 0;
        EXPECT_NE(SendMessageTimeoutW(window.Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer), 0);
    }
}

// With the activity recorded, a destination Wine's XCOPY would ask about is refused; with its separator it is a new
// folder, made and filled, the output in the activity file, which the shell opens in its viewer once the command ends.
TEST_F(RunTest, RecordingPutsTheOutputInTheActivityFile) {
    // Windows opens text files in Notepad; a fresh Wine prefix knows the "txtfile" class but gives ".txt" none, and
    // reads classes from the machine's key only.
    std::optional<MachineValue> association;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, L".txt", nullptr, nullptr) != ERROR_SUCCESS)
        association.emplace("Software\\Classes\\.txt", nullptr, "txtfile");
    Menu(form.mnu_s_activite);                                        // the notice is answered by the script
    TypeOver(window, Hwnd(form.TxtCmd[1]), tree.Path("neuf") + " ");  // which XCOPY would ask about
    PressKey(window, 'E', kCtrl);
    ASSERT_EQ(platform.messages.size(), 2u);  // the recording notice, then the refusal
    EXPECT_EQ(std::tuple(platform.messages[1].title, Exists(Beside(kRunBatchName))),
              std::tuple(std::string(texts::kDestinationTitle), false));
    TypeOver(window, Hwnd(form.TxtCmd[1]), tree.Path("neuf") + "\\ ");
    Go();
    ASSERT_TRUE(WaitForFile(tree.Path("neuf\\sous\\b.txt"), "second"));
    const std::string activity = Beside(kActivityFileName);
    ASSERT_TRUE(WaitForFile(activity, "b.txt"));
    const std::string log = FileContent(activity);
    for (const char* copied : {"a.txt", "sous\\b.txt"}) EXPECT_NE(log.find(copied), std::string::npos) << log;
    EXPECT_LT(log.size(), 1000u);
    EXPECT_EQ(FileContent(Beside(kRunBatchName)),
              form.TxtCmd[3].Text() + " > " + activity + "\n start " + activity + "\r\n");
    EXPECT_TRUE(PumpUntil([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 30000));
}

// Exactly the copy shown happens, through names of every kind, and nothing else runs: no folder made by a command
// hidden in a name, no stray file.
class HostileNamesTest : public RunTest {
protected:
    HostileNamesTest() : RunTest(kHostileSource, kHostileDestination) {}
};

TEST_F(HostileNamesTest, ExactlyTheShownCopyHappensAndNothingElseRuns) {
    const std::vector<std::string> programFolderBefore = FilesUnder(folder);
    const std::size_t treeBefore = FilesUnder(tree.Root()).size();
    const std::string from = tree.Path(source), to = tree.Path(destination);
    ASSERT_NO_FATAL_FAILURE(Go());
    for (const auto& [name, content] : kHostileFiles) ASSERT_TRUE(WaitForFile(to + "\\" + name, content)) << name;
    PumpUntil([&] { return FilesUnder(to) == FilesUnder(from); }, 30000);  // the subfolders come last
    EXPECT_EQ(FilesUnder(to), FilesUnder(from));
    for (const char* made : {"injecté", "X"}) EXPECT_FALSE(Exists(Beside(made)));
    std::vector<std::string> programFolderAfter = FilesUnder(folder);
    std::erase(programFolderAfter, std::string(kRunBatchName));
    EXPECT_EQ(programFolderAfter, programFolderBefore);
    EXPECT_EQ(FilesUnder(tree.Root()).size(), treeBefore + FilesUnder(from).size());
}

}  // namespace
}  // namespace lorvane::win32::testing
