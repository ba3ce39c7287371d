#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/whole_file.h"
#include "batch/oem_convert.h"
#include "profile/profile_file.h"
#include "ui_support.h"
#include "window_fixture.h"

namespace lorvane::win32 {
namespace {

using namespace testing;

TEST(WholeFile, RealFilesAreReplacedWholeOrLeftAlone) {
    TempTree folder;
    Win32Platform platform;
    const std::string target = folder.Path("batch.bat");
    ASSERT_TRUE(WriteWholeFile(platform, target, "un\r\n"));
    ASSERT_TRUE(WriteWholeFile(platform, target, "deux\r\n"));
    EXPECT_EQ(FileContent(target), "deux\r\n");

    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WriteWholeFile(platform, target, "trois\r\n"));
    EXPECT_EQ(FileContent(target), "deux\r\n");
    EXPECT_EQ(FilesUnder(folder.Root()), std::vector<std::wstring>{L"batch.bat"});  // no leftover
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_FALSE(WriteWholeFile(platform, folder.Path("absent\\x.bat"), "x"));
    EXPECT_EQ(GetFileAttributesA(folder.Path("absent").c_str()), INVALID_FILE_ATTRIBUTES);

    // A hidden target stays hidden; a target near the longest path the system takes (a
    // folder of 248 characters, the most it creates) still has room for the temporary file.
    ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(WriteWholeFile(platform, target, "deux\r\n"));
    EXPECT_NE(GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string deep = folder.Path(std::string(247 - folder.Root().size(), 'd'));
    ASSERT_EQ(deep.size(), 248u);
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    EXPECT_TRUE(WriteWholeFile(platform, deep + "\\x.bat", "x"));
    EXPECT_EQ(FileContent(deep + "\\x.bat"), "x");

    std::string start;
    EXPECT_TRUE(platform.ReadFileStart(target, 3, start));
    EXPECT_EQ(start, "deu");
    EXPECT_FALSE(platform.ReadFileStart(folder.Path("absent.lvp"), 10, start));
}

void NoTree(const TempTree&) {}

// A visible dialog owned by that window: the question a dialog asks over itself.
HWND OwnedDialog(HWND owner) {
    for (HWND dialog = nullptr; (dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr));) {
        if (IsWindowVisible(dialog) && GetWindow(dialog, GW_OWNER) == owner) return dialog;
    }
    return nullptr;
}

// The file dialogs for real: the test types the name into the dialog's name box.
class FileDialogTest : public WindowTest {
protected:
    FileDialogTest() : WindowTest(NoTree) { platform.realFileDialogs = true; }

    static std::function<void(HWND)> Choose(const std::string& path) {
        return [path](HWND dialog) {
            // The name box is a combo box (cmb13) in the explorer-style dialog, an edit box
            // (edt1) in the older one.
            if (!SetDlgItemTextA(dialog, 0x47C, path.c_str())) SetDlgItemTextA(dialog, 0x480, path.c_str());
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        };
    }
};

TEST_F(FileDialogTest, ExportGetsItsExtensionAndTheOemBytes) {
    form.TxtCmd[1].SetText("\"D:\\\xC9t\xE9\\\" ");
    {
        DialogAnswerer answer("Enregistrer la commande compl\xE8te (Batch) sous", Choose(tree.Path("export")));
        form.Mnu_S_Batch.Click();
        ASSERT_TRUE(answer.Answered());
    }
    EXPECT_EQ(FileContent(tree.Path("export.bat")), OEMConvert(form.TxtCmd[3].Text(), 0) + "\r\n");
    EXPECT_NE(FileContent(tree.Path("export.bat")).find("\x90t\x82"), std::string::npos);
    EXPECT_EQ(TextOf(window.Handle()), "Lorvane (MS-DOS) - " + tree.Path("export.bat"));

    // The same name again: the dialog asks before replacing; No, then a cancel, keeps it.
    form.TxtCmd[2].SetText("/Q ");
    std::string question;
    {
        const auto choose = Choose(tree.Path("export.bat"));
        DialogAnswerer answer("Enregistrer la commande compl\xE8te (Batch) sous", [&](HWND dialog) {
            choose(dialog);
            HWND box = nullptr;
            for (int i = 0; i < 250 && box == nullptr; ++i) {
                box = OwnedDialog(dialog);
                if (box == nullptr) Sleep(20);  // another thread's window: nothing to wait on
            }
            if (box != nullptr) {
                question = DialogText(box);
                SendMessageA(box, WM_COMMAND, IDNO, 0);
            }
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        form.Mnu_S_Batch.Click();
        ASSERT_TRUE(answer.Answered());
    }
    EXPECT_FALSE(question.empty());  // the system asked before replacing
    EXPECT_EQ(FileContent(tree.Path("export.bat")).find("/Q"), std::string::npos);
}

TEST_F(FileDialogTest, AProfileSavedAndLoadedBack) {
    Click(form.Check1[kSwitchA]);
    platform.messageAnswers = {MsgResult::Yes};
    {
        DialogAnswerer answer("Enregistrer le profil sous", Choose(tree.Path("mon profil")));
        form.Mnu_S_Lvp.Click();
        ASSERT_TRUE(answer.Answered());
    }
    const std::string saved = FileContent(tree.Path("mon profil.lvp"));
    EXPECT_EQ(saved.size(), 100u);
    EXPECT_EQ(saved.substr(0, 5), " 1 \r\n");

    Click(form.Check1[kSwitchA]);
    Click(form.Check1[kSwitchN]);
    {
        DialogAnswerer answer("Ouvril un profil (arguments)", Choose(tree.Path("mon profil.lvp")));
        form.Mnu_L_Lvp.Click();
        ASSERT_TRUE(answer.Answered());
    }
    EXPECT_TRUE(Ticked(form.Check1[kSwitchA]));
    EXPECT_FALSE(Ticked(form.Check1[kSwitchN]));
    EXPECT_EQ(Shown(form.TxtCmd[2]), "/A /S /E /C /H /Y ");
}

}  // namespace
}  // namespace lorvane::win32
