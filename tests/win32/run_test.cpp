#include <windows.h>

#include <gtest/gtest.h>

#include <string>

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
}

// "GO !" for real: the batch file written beside the program, opened by the shell, whose
// command interpreter runs XCOPY.
class RunTest : public WindowTest {
protected:
    RunTest() : WindowTest(CopyTree) {}

    void SetUp() override {
        WindowTest::SetUp();
        if (HasFatalFailure()) return;
        folder = platform.ProgramFolder();
        DeleteFileA(InProgramFolder(folder, kActivityFileName).c_str());
        // The source folder at the folder level, the destination folder through the file
        // level with no file chosen: "dst\", which XCOPY takes for a folder without asking.
        DoubleClickListItem(Hwnd(form.Dir1), IndexOf(form.Dir1, "src"));
        DoubleClickListItem(Hwnd(form.Dir2), IndexOf(form.Dir2, "dst"));
        ASSERT_TRUE(ListsLoaded());
        Click(form.Option2[2]);
        ASSERT_EQ(Shown(form.TxtCmd[3]), "XCOPY " + tree.Path("src") + "\\*.*  " + tree.Path("dst") +
                                             "\\  /S /E /C /H /Y ");
    }
    void TearDown() override {
        EndDescendantProcesses();
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

    std::string folder;
};

TEST_F(RunTest, GoCopiesTheTreeThroughTheShell) {
    Go();
    const std::string batch = InProgramFolder(folder, kRunBatchName);
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - " + batch);
    EXPECT_EQ(FileContent(batch), form.TxtCmd[3].Text() + "\n pause\r\n");
    ASSERT_TRUE(WaitForFile(window, tree.Path("dst\\sous\\b.txt"), "second", 30000));
    EXPECT_EQ(FileContent(tree.Path("dst\\a.txt")), "premier");
}

TEST_F(RunTest, RecordingPutsTheOutputInTheActivityFile) {
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
}

TEST_F(RunTest, NoRunsNothing) {
    platform.realMessageBoxes = true;
    platform.realShell = true;
    {
        DialogAnswerer answer("\xB0Lorvane\xB0", [](HWND box) { PostMessageA(box, WM_COMMAND, IDNO, 0); });
        Click(form.Command1);
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS)");
    EXPECT_TRUE(platform.shellOpens.empty());
    EXPECT_EQ(GetFileAttributesA(tree.Path("dst\\a.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace lorvane::win32
