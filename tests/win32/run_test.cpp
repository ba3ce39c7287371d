#include "window_fixture.h"

#include <objbase.h>

#include <chrono>
#include <optional>

#include "app/program_files.h"
#include "app/quoting.h"
#include "batch/batch_texts.h"

namespace lorvane::win32::testing {
namespace {

// The line as the console gets it: the path's last part (those above it are ASCII) by its short name where the page
// lacks a character of it.
std::string WithConsoleName(std::string line, const std::string& path) {
    wchar_t shortPath[MAX_PATH] = {};
    if (InConsolePage(path)) return line;
    GetShortPathNameW(ToUtf16(path).c_str(), shortPath, MAX_PATH);
    const std::string named =
        path.substr(0, path.rfind('\\') + 1) + ToUtf8(std::filesystem::path(shortPath).filename().wstring());
    return line.replace(line.find(path), path.size(), named);
}

// Names that a command interpreter would take for operators, variables or separators, and the files of the source by
// names of every kind, with what each holds.
const std::string kHostileSource = "src R&D&mkdir injecté %PATH% ^x (1);,=é", kHostileDestination = "dst & co %CD% !x!";
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
              tree.File("src\\été.txt", "accent");
              tree.File("src\\ancien.txt", "ancien");
              tree.File("src\\sous\\b.txt", "second");
              tree.File("pl\\łódź.txt", "vrai");  // beside what a best-fit look-alike of it would name
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
    }
    void TearDown() override {
        started.EndAll();
        for (const char* name : {kRunBatchName, kActivityFileName, kActivityViewName})
            DeleteFileW(ToUtf16(Beside(name)).c_str());
    }

    // A folder dropped on the Source side while the question is open is refused with a beep (after the question's own):
    // the line asked stays.
    void Go() {
        started.EndAll();  // the last run's console, paused, holds the batch file open
        platform.realDialogs = platform.realShell = true;
        const std::string line = Shown(form.TxtCmd[3]), dropped = tree.Path(destination);
        const int beeps = platform.beeps;
        const HWND main = window.Handle(), side = Hwnd(form.File1);
        HGLOBAL refused{};
        int beepsAsked = 0;  // the key's release while the question is up is refused without one
        DialogAnswerer answer(main, Dialog::Message, [&](HWND box) {
            beepsAsked = platform.beeps;
            refused = DropOn(main, side, {dropped});
            PostMessageW(box, WM_COMMAND, IDYES, 0);
        });
        PressKey(window, 'E', kCtrl);
        const std::string question = std::string(texts::kRunQuestion) + "\n";
        ASSERT_EQ(answer.SeenTitle(), texts::kQuestionTitle);
        ASSERT_EQ(answer.SeenText().substr(0, question.size()), question);
        asked = answer.SeenText().substr(question.size());
        EXPECT_EQ(std::tuple(Shown(form.TxtCmd[3]), beepsAsked, platform.beeps, GlobalSize(refused)),
                  std::tuple(line, beeps + 1, beeps + 2, SIZE_T{}));  // its memory given back
    }
    std::string Beside(const char* name) const { return InProgramFolder(folder, name); }
    bool WaitForFile(const std::string& path, const std::string& needle) {
        return PumpUntil([&] { return FileContent(path).find(needle) != std::string::npos; }, 30000);
    }

    const std::string folder = platform.ProgramFolder();
    std::string source, destination, asked;  // asked: the batch text the question of the last Go() showed
};

// Recorded, a destination Wine's XCOPY would ask about is refused; ending in a separator it is made, filled with what
// changed since /D's date (as XCOPY reads it), the output in the activity file the shell then opens in its viewer.
TEST_F(RunTest, GoCopiesThroughTheShellFromTheDateOfSlashDRecordingTheOutput) {
    // Windows opens text files in Notepad; a fresh Wine prefix knows the "txtfile" class but gives ".txt" none, and
    // reads classes from the machine's key only.
    std::optional<MachineValue> association;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, L".txt", nullptr, nullptr) != ERROR_SUCCESS)
        association.emplace("Software\\Classes\\.txt", nullptr, "txtfile");
    const std::chrono::sys_seconds old = std::chrono::sys_days{std::chrono::year{2002} / 3 / 15};
    std::filesystem::last_write_time(PathOf(tree.Path("src\\ancien.txt")), std::chrono::file_clock::from_sys(old));
    platform.inputAnswers = {ChristmasAsTheUserWritesIt()};
    Click(form.Check1[kSwitchD]);
    ASSERT_NE(Shown(form.TxtCmd[3]).find(ChristmasAsXcopyReadsIt()), std::string::npos) << Shown(form.TxtCmd[3]);
    Menu(form.mnu_s_activite);  // the notice is answered by the script
    TypeOver(window, Hwnd(form.TxtCmd[1]), tree.Path("neuf") + " ");
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
    EXPECT_EQ(std::tuple(log.find("ancien"), Exists(tree.Path("neuf\\ancien.txt"))),
              std::tuple(std::string::npos, false));
    EXPECT_LT(log.size(), 1000u);
    // Opened again from the menu, it reads right in any editor: the console's page turned into UTF-8.
    Menu(form.Mnu_O_activite);
    const std::string view = FileContent(Beside(kActivityViewName));
    EXPECT_TRUE(view.starts_with("\xEF\xBB\xBF") && view.find("\\été.txt") != std::string::npos) << view;
    EXPECT_TRUE(PumpUntil([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 30000));
    // The shell was called from a thread in a COM apartment, as its handlers need.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    CoUninitialize();
}

// Through an input method a name comes as WM_CHAR of its Unicode characters, or pasted as Unicode text: it names that
// file, never the look-alike beside it. The console reads the batch file in its own code page (Wine takes it from the
// locale it starts in: tests/win32/CMakeLists.txt): the name goes as that page's bytes (852), or by its short name.
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
        EXPECT_EQ(FileContent(Beside(kRunBatchName)), InConsolePage(asked).value_or("?") + "\r\n");
        ASSERT_TRUE(WaitForFile(destination + "\\łódź.txt", "vrai"));
        EXPECT_EQ(FilesUnder(destination), std::vector<std::string>{"łódź.txt"});
    }
}

// A pasted line break would run what follows as a second command, a line longer than the console reads would run cut
// short: the real box keeps the paste up to that length (Wine's box took seconds to wrap more), the run is refused.
TEST_F(RunTest, ALineTheConsoleWouldReadOtherwiseIsRefused) {
    for (const std::string& pasted : {tree.Path("src\\*.*\r\nmkdir ") + tree.Path("PWNED") + "\r\n",
                                      tree.Path("src\\") + std::string(40000, 'a') + " "}) {
        PasteOver(window, Hwnd(form.TxtCmd[0]), pasted);
        platform.messages.clear();
        PressKey(window, 'E', kCtrl);
        ASSERT_EQ(platform.messages.size(), 1u);
        const std::string kept = pasted.substr(0, kLongestConsoleLine);
        EXPECT_EQ(std::tuple(Shown(form.TxtCmd[0]), form.TxtCmd[0].Text(), platform.messages[0].title),
                  std::tuple(kept, kept, texts::kCommandRefusedTitle));
    }
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
