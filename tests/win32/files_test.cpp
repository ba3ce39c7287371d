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
}

class FileDialogTest : public WindowTest {
protected:
    FileDialogTest() { platform.realFileDialogs = true; }

    // Picks the item and types the name into its dialog's name box; `then` runs on the dialog afterwards. The dialog's
    // title, or nothing when none came.
    std::string Choose(const std::string& path, MenuItem& item, const std::function<void(HWND)>& then = nullptr) {
        DialogAnswerer answer(window.Handle(), Dialog::File, [&](HWND dialog) {
            SetDlgItemTextW(dialog, static_cast<int>(Dialog::File), ToUtf16(path).c_str());
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            if (then) then(dialog);
        });
        item.Click();
        return answer.SeenTitle();
    }
};

TEST_F(FileDialogTest, ExportGetsItsExtensionAndTheOemBytesAndAProfileIsSavedAndLoadedBack) {
    form.TxtCmd[1].SetText("\"D:\\Été\\\" ");
    ASSERT_EQ(Choose(tree.Path("export"), form.Mnu_S_Batch), texts::kBatchDialogTitle);
    EXPECT_EQ(FileContent(tree.Path("export.bat")), InConsolePage(form.TxtCmd[3].Text()).value_or("?") + "\r\n");
    EXPECT_NE(FileContent(tree.Path("export.bat")).find("\x90t\x82"), std::string::npos);
    EXPECT_EQ(TextOf(window.Handle()), texts::SavedCaption(tree.Path("export.bat")));

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
    EXPECT_FALSE(question.empty());  // the system asked before replacing
    EXPECT_EQ(FileContent(tree.Path("export.bat")).find("/Q"), std::string::npos);

    Click(form.Check1[kSwitchA]);
    platform.messageAnswers = {MsgResult::Yes};
    ASSERT_EQ(Choose(tree.Path("mon profil"), form.Mnu_S_Lvp), texts::kProfileSaveTitle);
    const std::string saved = FileContent(tree.Path("mon profil.lvp"));
    EXPECT_EQ(std::tuple(saved.size(), saved.substr(0, 5)), std::tuple(100u, " 1 \r\n"));

    Click(form.Check1[kSwitchA]);
    Click(form.Check1[kSwitchN]);
    ASSERT_EQ(Choose(tree.Path("mon profil.lvp"), form.Mnu_L_Lvp), texts::kProfileOpenTitle);
    EXPECT_EQ(std::tuple(Ticked(form.Check1[kSwitchA]), Ticked(form.Check1[kSwitchN]), Shown(form.TxtCmd[2])),
              std::tuple(true, false, "/A /S /E /C /H /Y "));
}

// Run from a folder named outside the ANSI code page (1252 here), the program writes its batch file there by that very
// name, never beside a look-alike. Quit then ends it, the About window too, and removes Cmd.bat alone.
TEST(Program, RunsFromAFolderNamedOutsideTheCodePageAndQuitEndsEverything) {
    TempTree start, home;  // the start folder is empty: the command copies nothing
    const std::string folder = home.Path("Lorvane ł");
    home.Folder("Lorvane ł");
    ASSERT_TRUE(
        CopyFileW(ToUtf16(BesideProgram("lorvane.exe")).c_str(), ToUtf16(folder + "\\lorvane.exe").c_str(), FALSE));
    ASSERT_TRUE(PutFile(folder + "\\Cmd.bat", ""));
    const StartedProcesses started;
    RunningProgram program(start.Root(), "", folder + "\\lorvane.exe");
    ASSERT_NE(program.window, nullptr);
    for (int fileLevel : {204, 304}) SendMessageW(GetDlgItem(program.window, fileLevel), BM_CLICK, 0, 0);
    program.Menu(MenuCommand::Executer);
    PostMessageW(WaitForDialog(program.window, Dialog::Message), WM_COMMAND, IDYES, 0);
    PumpUntil([&] { return !FileContent(folder + "\\batch.bat").empty(); }, 20000);
    EXPECT_EQ(FileContent(folder + "\\batch.bat"),
              "XCOPY " + start.Root() + "\\  " + start.Root() + "\\  /S /E /C /H /Y \n pause\r\n");
    program.Menu(MenuCommand::APropos);
    ASSERT_NE(WaitForWindow(program.process.dwProcessId, program.window), nullptr);
    program.Menu(MenuCommand::Quitter);
    EXPECT_TRUE(program.Ended(20000));  // the About window did not hold it
    EXPECT_EQ(FilesUnder(folder), (std::vector<std::string>{"batch.bat", "lorvane.exe"}));
}

// "Open with" a profile, or a file association: loaded once the window has started, with the menu's checks and message.
TEST(Program, LoadsTheProfileNamedOnItsCommandLine) {
    TempTree folder;
    std::string profile = " 1 \r\n";  // /A ticked, the rest cleared
    for (int i = 1; i < kSwitchCount; ++i) profile += " 0 \r\n";
    folder.File("mon profil.lvp", profile);
    {
        RunningProgram program(folder.Root(), "\"" + folder.Path("mon profil.lvp") + "\"");
        ASSERT_NE(program.window, nullptr) << BesideProgram("lorvane.exe");
        EXPECT_TRUE(PumpUntil([&] { return TextOf(GetDlgItem(program.window, 602)) == "/A "; }, 10000))
            << TextOf(GetDlgItem(program.window, 602));
    }
    RunningProgram program(folder.Root(), "absent.lvp");
    ASSERT_NE(program.window, nullptr);
    HWND refusal = WaitForDialog(program.window, Dialog::Message);
    EXPECT_EQ(std::tuple(TextOf(refusal), DialogText(refusal)),
              std::tuple(texts::kProfileErrorTitle, texts::ProfileNotRead("absent.lvp")));
    PostMessageW(refusal, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(TextOf(GetDlgItem(program.window, 602)), "/S /E /C /H /Y ");
    const std::string part = folder.Root().substr(0, 3) + ". ";  // started in its folder
    EXPECT_EQ(TextOf(GetDlgItem(program.window, 603)), "XCOPY " + part + " " + part + " /S /E /C /H /Y ");
}

TEST(Win32Platform, ReadableFolderResolvesAndRefuses) {
    TempTree folder;
    folder.Add({"sous\\", "fichier.txt"});
    const std::string root = folder.Root().substr(0, 3);
    const std::pair<std::string, std::string> cases[] = {{folder.Path("sous") + "\\", folder.Path("sous")},
                                                         {folder.Path("absent"), ""},
                                                         {folder.Path("fichier.txt"), ""},
                                                         {root, root}};
    Win32Platform platform;
    for (const auto& [path, readable] : cases) EXPECT_EQ(platform.ReadableFolder(path), readable) << path;
}

}  // namespace
}  // namespace lorvane::win32::testing
