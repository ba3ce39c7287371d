// Real files, the real file dialogs, and the program started as a user starts it.
#include "window_fixture.h"

#include "app/whole_file.h"
#include "batch/batch_texts.h"
#include "profile/profile_texts.h"

namespace lorvane::win32::testing {
namespace {

TEST(WholeFile, RealFilesAreReplacedWholeOrLeftAlone) {
    TempTree folder;
    Win32Platform platform;
    const std::string target = folder.Path("batch.bat");
    for (const char* text : {"un\r\n", "deux\r\n"}) ASSERT_TRUE(WriteWholeFile(platform, target, text));
    EXPECT_EQ(GetFileAttributesW(ToUtf16(target).c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
    ASSERT_TRUE(SetFileAttributesW(ToUtf16(target).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WriteWholeFile(platform, target, "trois\r\n"));
    EXPECT_EQ(std::tuple(FileContent(target), FilesUnder(folder.Root())),  // no leftover
              std::tuple("deux\r\n", std::vector<std::string>{"batch.bat"}));
    EXPECT_FALSE(WriteWholeFile(platform, folder.Path("absent\\x.bat"), "x"));
    EXPECT_FALSE(Exists(folder.Path("absent")));

    // A hidden target stays hidden; a target near the longest path the system takes (a folder of 248 characters, the
    // most it creates) still has room for the temporary file.
    ASSERT_TRUE(SetFileAttributesW(ToUtf16(target).c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(WriteWholeFile(platform, target, "deux\r\n"));
    EXPECT_NE(GetFileAttributesW(ToUtf16(target).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    const std::string deep = folder.Path(std::string(247 - folder.Root().size(), 'd'));
    ASSERT_EQ(deep.size(), 248u);
    ASSERT_TRUE(CreateDirectoryW(ToUtf16(deep).c_str(), nullptr));
    EXPECT_TRUE(WriteWholeFile(platform, deep + "\\x.bat", "x"));
    EXPECT_EQ(FileContent(deep + "\\x.bat"), "x");

    std::string start;
    EXPECT_TRUE(platform.ReadFileStart(target, 3, start) && start == "deu") << start;
    EXPECT_FALSE(platform.ReadFileStart(folder.Path("absent.lvp"), 10, start));
    // A folder where the system refuses any new file, as a program folder may be.
    EXPECT_EQ(std::pair(platform.FolderAcceptsNewFiles(folder.Root()), platform.FolderAcceptsNewFiles("Z:\\sys")),
              std::pair(true, false));
}

// A folder is readable by any of its names, the one the system gives it coming back; a file or nothing is no folder,
// and a file is one only when it is no folder.
// A folder asked again at once is answered from the first question, and another is asked anew.
TEST(Folders, AFolderIsReadableByAnyOfItsNamesAndAFileOrNothingIsNot) {
    TempTree tree;
    tree.Add({"d\\", "f.txt"});
    Win32Platform platform;
    const std::filesystem::path previous = std::filesystem::current_path();
    ASSERT_TRUE(SetCurrentDirectoryW(ToUtf16(tree.Path("d")).c_str()));  // what a bare drive names
    const std::string drive = tree.Root().substr(0, 3);
    const std::pair<std::string, std::string> asked[] = {
        {tree.Path("d") + "\\", tree.Path("d")}, {tree.Path("d"), tree.Path("d")}, {tree.Path("f.txt"), ""},
        {tree.Path("absent"), ""}, {drive, drive}, {drive.substr(0, 2), tree.Path("d")}};
    for (const auto& [path, readable] : asked) EXPECT_EQ(platform.ReadableFolder(path), readable) << path;
    EXPECT_EQ(std::tuple(platform.FileExists(tree.Path("f.txt")), platform.FileExists(tree.Path("d")),
                         platform.FileExists(tree.Path("absent"))),
              std::tuple(true, false, false));
    SetCurrentDirectoryW(previous.c_str());
}

class FileDialogTest : public WindowTest {
protected:
    FileDialogTest() { platform.realFileDialogs = true; }

    // The dialog's title, or nothing when none came; `then` runs on the dialog once it is answered. The kind of file
    // and the name it proposed are kept.
    std::string Choose(const std::string& path, const MenuItem& item, const std::function<void(HWND)>& then = nullptr) {
        DialogAnswerer answer(window.Handle(), Dialog::File, [&](HWND dialog) {
            proposed = std::tuple(TextOf(GetDlgItem(dialog, kFileKindBox)), TextOf(GetDlgItem(dialog, kFileNameBox)));
            SetDlgItemTextW(dialog, static_cast<int>(Dialog::File), ToUtf16(path).c_str());
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            if (then) then(dialog);
        });
        Menu(item);
        return answer.SeenTitle();
    }
    static constexpr int kFileKindBox = 0x470, kFileNameBox = static_cast<int>(Dialog::File);
    std::tuple<std::string, std::string> proposed;
};

TEST_F(FileDialogTest, ExportGetsItsExtensionAndTheOemBytesAndAProfileIsSavedAndLoadedBack) {
    form.TxtCmd[1].SetText("\"D:\\Été\\\" ");
    ASSERT_EQ(Choose(tree.Path("export"), form.Mnu_S_Batch), texts::kBatchDialogTitle);
    const std::string kind = std::string(texts::kBatchFilter).substr(0, std::string(texts::kBatchFilter).find('|'));
    EXPECT_EQ(proposed, std::tuple(kind, ""));
    EXPECT_EQ(FileContent(tree.Path("export.bat")), InConsolePage(form.TxtCmd[3].Text()).value_or("?") + "\r\n");

    // The same name again: the dialog asks before replacing; No, then a cancel, keeps it.
    form.TxtCmd[2].SetText("/Q ");
    std::string question;
    ASSERT_FALSE(Choose(tree.Path("export.bat"), form.Mnu_S_Batch, [&](HWND dialog) {
                     if (HWND box = WaitForDialog(dialog, Dialog::Message)) {
                         question = DialogText(box);
                         SendMessageW(box, WM_COMMAND, IDNO, 0);
                     }
                     PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                 }).empty());
    EXPECT_FALSE(question.empty());
    EXPECT_EQ(proposed, std::tuple(kind, "export.bat"));  // the name chosen before
    EXPECT_EQ(FileContent(tree.Path("export.bat")).find("/Q"), std::string::npos);

    Click(form.Check1[kSwitchA]);
    platform.messageAnswers = {MsgResult::Yes};
    ASSERT_EQ(Choose(tree.Path("mon profil"), form.Mnu_S_Lvp), texts::kProfileSaveTitle);

    Click(form.Check1[kSwitchA]);
    Click(form.Check1[kSwitchN]);
    ASSERT_EQ(Choose(tree.Path("mon profil.lvp"), form.Mnu_L_Lvp), texts::kProfileOpenTitle);
    EXPECT_EQ(std::tuple(Ticked(form.Check1[kSwitchA]), Ticked(form.Check1[kSwitchN]), Shown(form.TxtCmd[2])),
              std::tuple(true, false, "/A /S /E /C /H /Y "));
}

// Started from a folder named outside the ANSI code page (1252 here), with a profile named on its command line ("Open
// with"): the profile is loaded once the window shows, the batch file written in that very folder, never beside a
// look-alike. Closing the main window ends the program, the About window too, and leaves a Cmd.bat of the user's own.
TEST(Program, StartsWithTheProfileOnItsCommandLineFromAFolderNamedOutsideTheCodePageAndQuitEndsEverything) {
    TempTree start, home;  // the start folder is empty: the command copies nothing
    const std::string folder = home.Path("Lorvane ł");
    home.Folder("Lorvane ł");
    std::string profile = " 1 \r\n";  // /A ticked, the rest cleared
    for (int i = 1; i < kSwitchCount; ++i) profile += " 0 \r\n";
    home.File("mon profil.lvp", profile);
    ASSERT_TRUE(
        CopyFileW(ToUtf16(BesideProgram("lorvane.exe")).c_str(), ToUtf16(folder + "\\lorvane.exe").c_str(), FALSE));
    ASSERT_TRUE(PutFile(folder + "\\Cmd.bat", ""));
    const StartedProcesses started;
    RunningProgram program(start.Root(), "\"" + home.Path("mon profil.lvp") + "\"", folder + "\\lorvane.exe");
    ASSERT_NE(program.window, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return TextOf(GetDlgItem(program.window, 602)) == "/A "; }, 10000))
        << TextOf(GetDlgItem(program.window, 602));
    for (int fileLevel : {204, 304}) SendMessageW(GetDlgItem(program.window, fileLevel), BM_CLICK, 0, 0);
    program.Menu(CommandOf(&FrmXcopy::MnuExecuter));
    PostMessageW(WaitForDialog(program.window, Dialog::Message), WM_COMMAND, IDYES, 0);
    PumpUntil([&] { return !FileContent(folder + "\\batch.bat").empty(); }, 20000);
    EXPECT_EQ(FileContent(folder + "\\batch.bat"),
              "XCOPY " + start.Root() + "\\  " + start.Root() + "\\  /A \n pause\r\n");
    program.Menu(CommandOf(&FrmXcopy::MnuApropos));
    ASSERT_NE(WaitForWindow(program.process.dwProcessId, program.window), nullptr);
    PostMessageW(program.window, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close control
    ASSERT_TRUE(program.Ended(20000));  // the About window did not hold it
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(FilesUnder(folder), (std::vector<std::string>{"Cmd.bat", "batch.bat", "lorvane.exe"}));
}

}  // namespace
}  // namespace lorvane::win32::testing
