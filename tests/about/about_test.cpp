#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "support/form_fixture.h"

namespace lorvane {
namespace {

class EditMenuTest : public testing::FormTest {
protected:
    TextBox& Active(int index, int start, int length) {
        TextBox& box = form.TxtCmd[static_cast<std::size_t>(index)];
        form.ActiveControl = &box;
        box.SetSelStart(start);
        box.SetSelLength(length);
        return box;
    }
};

TEST_F(EditMenuTest, CopyCutAndPasteInTheActiveBox) {
    platform.clipboard = "ancien";
    Active(3, 2, 0);
    form.MnuCopier_Click();  // an empty selection empties the clipboard
    EXPECT_EQ(platform.clipboard, "");

    form.MnuSelect_Click();  // then the whole full line
    form.MnuCopier_Click();
    EXPECT_EQ(platform.clipboard, "XCOPY C:\\.  C:\\.  /S /E /C /H /Y ");

    TextBox& destination = Active(1, 0, 65535);
    form.MnuCouper_Click();
    EXPECT_EQ(platform.clipboard, "C:\\. ");
    EXPECT_EQ(destination.Text(), "");
    EXPECT_EQ(FullLine(), "XCOPY C:\\.   /S /E /C /H /Y ");  // the source part, two blanks

    Active(2, 0, 0);
    form.MnuColler_Click();  // pasting into the switches recomposes the full line
    EXPECT_EQ(Switches(), "C:\\. /S /E /C /H /Y ");
    EXPECT_EQ(FullLine(), "XCOPY C:\\.   C:\\. /S /E /C /H /Y ");

    platform.clipboard = "";  // no text on the clipboard: the selection goes
    TextBox& source = Active(0, 0, 2);
    form.MnuColler_Click();
    EXPECT_EQ(source.Text(), "\\. ");
}

TEST_F(EditMenuTest, WithoutATextBoxOnlyTheClipboardIsCleared) {
    platform.clipboard = "ancien";
    form.ActiveControl = &form.Check1[kSwitchA];
    const std::string line = FullLine();
    form.MnuSelect_Click();
    form.MnuColler_Click();
    form.MnuCouper_Click();
    EXPECT_EQ(platform.clipboard, "");
    EXPECT_EQ(FullLine(), line);
    form.ActiveControl = nullptr;
    form.MnuCopier_Click();
    EXPECT_EQ(FullLine(), line);
}

TEST_F(EditMenuTest, ACutTheClipboardRefusedKeepsTheText) {
    platform.clipboardFails = true;
    TextBox& box = Active(2, 0, 3);
    form.MnuCouper_Click();
    EXPECT_EQ(box.Text(), "/S /E /C /H /Y ");
}

class AboutTest : public testing::FormTest {
protected:
    void Registry(const char* key, const char* name, unsigned long type, std::string bytes) {
        platform.registry[std::string(key) + "|" + name] = {type, std::move(bytes)};
    }
    static constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
};

TEST_F(AboutTest, OneWindowAtMostWithItsTexts) {
    int opened = 0, raised = 0;
    form.AboutOpened = [&](FrmAbout& about) {
        ++opened;
        about.BringToFront = [&] { ++raised; };
    };
    form.MnuApropos.Click();
    form.MnuApropos.Click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(raised, 1);
    ASSERT_TRUE(form.About);
    EXPECT_EQ(form.About->Caption.Caption(), "\xC0 propos de Lorvane");
    EXPECT_EQ(form.About->lblVersion.Caption(), "Version 1.1.2");
    EXPECT_EQ(form.About->lblTitle.Caption(), "Lorvane");
    EXPECT_EQ(form.About->lblDescription.Caption(),
              "Interface graphique sous Windows 98, 2000, XP entre la commande MS-DOS Xcopy et l'utilisateur");
    EXPECT_EQ(form.About->cmdSysInfo.Caption(), "&Infos syst\xE8me...");

    form.About->urlhttp_Click();
    EXPECT_EQ(platform.shellOpens.back().first,
              "https://learn.microsoft.com/fr-fr/windows-server/administration/windows-commands/xcopy");
    form.AboutClosed();
    form.MnuApropos.Click();  // loaded afresh
    EXPECT_EQ(opened, 2);
}

TEST_F(AboutTest, SystemInformationToolFromTheRegistry) {
    const struct {
        const char* what;
        std::vector<std::tuple<const char*, const char*, unsigned long, std::string>> values;
        std::set<std::string> files;
        const char* started;  // "" when the message is shown instead
    } rows[] = {
        {"nothing in the registry", {}, {}, ""},
        {"the tool's path", {{kPathKey, "PATH", 1, std::string("C:\\Outils\\msinfo32.exe\0", 23)}}, {},
         "C:\\Outils\\msinfo32.exe"},
        {"a path that cannot be started", {{kPathKey, "PATH", 1, "C:\\absent.exe"}}, {}, ""},
        {"the folder, with the tool", {{kFolderKey, "MSINFO", 1, "C:\\Outils"}}, {"C:\\Outils\\MSINFO32.EXE"},
         "C:\\Outils\\MSINFO32.EXE"},
        {"the folder, without the tool", {{kFolderKey, "MSINFO", 1, "C:\\Vide"}}, {}, ""},
        {"a path of another type", {{kPathKey, "PATH", 3, "C:\\x.exe"}}, {}, ""},
    };
    for (const auto& row : rows) {
        platform.registry.clear();
        platform.messages.clear();
        platform.startedPrograms.clear();
        platform.files.clear();
        for (const auto& [key, name, type, bytes] : row.values) Registry(key, name, type, bytes);
        for (const std::string& file : row.files) platform.files[file] = "";
        platform.startablePrograms = {"C:\\Outils\\msinfo32.exe", "C:\\Outils\\MSINFO32.EXE", "C:\\Vide\\MSINFO32.EXE"};
        FrmAbout about(platform);
        about.cmdSysInfo.Click();
        if (*row.started != 0) {
            EXPECT_EQ(platform.startedPrograms, std::vector<std::string>{row.started}) << row.what;
            EXPECT_TRUE(platform.messages.empty()) << row.what;
        } else {
            EXPECT_TRUE(platform.startedPrograms.empty()) << row.what;
            ASSERT_EQ(platform.messages.size(), 1u) << row.what;
            EXPECT_EQ(platform.messages[0].text, "Les informations syst\xE8me ne sont pas disponibles actuellement");
            EXPECT_EQ(platform.messages[0].title, "");  // the application's own title
            EXPECT_EQ(platform.messages[0].icon, MsgIcon::None);
        }
    }
}

TEST_F(AboutTest, RegistryValuesAsText) {
    FrmAbout about(platform);
    Registry("K", "sans zéro", 1, "C:\\abc");
    Registry("K", "avec zéro", 1, std::string("C:\\abc\0", 7));
    Registry("K", "mot", 4, std::string("\x10\x27\0\0", 4));
    Registry("K", "binaire", 3, "xyz");
    std::string value = "avant";
    EXPECT_TRUE(about.GetKeyValue(kHkeyLocalMachine, "K", "sans zéro", value));
    EXPECT_EQ(value, "C:\\abc");
    EXPECT_TRUE(about.GetKeyValue(kHkeyLocalMachine, "K", "avec zéro", value));
    EXPECT_EQ(value, "C:\\abc");
    EXPECT_TRUE(about.GetKeyValue(kHkeyLocalMachine, "K", "mot", value));
    EXPECT_EQ(value, "10000");
    value = "avant";
    EXPECT_TRUE(about.GetKeyValue(kHkeyLocalMachine, "K", "binaire", value));
    EXPECT_EQ(value, "avant");
    EXPECT_FALSE(about.GetKeyValue(kHkeyLocalMachine, "K", "absent", value));
    EXPECT_EQ(value, "");
}

class ShutdownTest : public testing::FormTest {};

TEST_F(ShutdownTest, QuittingRemovesCmdBatOnlyAndEndsTheProgram) {
    platform.files = {{"C:\\Lorvane\\Cmd.bat", "x"}, {"C:\\Lorvane\\batch.bat", "y"}, {"C:\\Lorvane\\lv.txt", "z"}};
    form.MnuQuitter.Click();
    EXPECT_EQ(platform.files.count("C:\\Lorvane\\Cmd.bat"), 0u);
    EXPECT_EQ(platform.files.size(), 2u);
    EXPECT_EQ(platform.endProgramCalls, 1);
    int cancel = 0;
    form.Form_Unload(cancel);  // no file there: nothing said, nothing cancelled
    EXPECT_EQ(cancel, 0);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace lorvane
