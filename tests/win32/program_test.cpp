#include "window_fixture.h"

#include "batch/batch_texts.h"
#include "profile/profile_texts.h"

namespace lorvane::win32::testing {
namespace {

// Run from a folder whose name the ANSI code page lacks a character of (1252 here), the
// program writes its batch file there by that very name, never beside a look-alike. Quit
// then ends it, the About window too, and removes Cmd.bat, and only that.
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

// "Open with" a profile, or a file association: loaded once the window has started, with
// the menu's checks and message. Closing the main window while the About window is open
// leaves the program running until that one closes too.
TEST(Program, LoadsTheProfileNamedOnItsCommandLineAndAnOpenAboutWindowOutlivesTheMainWindow) {
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

    program.Menu(MenuCommand::APropos);
    HWND about = WaitForWindow(program.process.dwProcessId, program.window);
    ASSERT_NE(about, nullptr);
    PostMessageW(program.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(std::pair(program.Ended(1000), IsWindow(about) != 0), std::pair(false, true));
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Ended(20000));
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
