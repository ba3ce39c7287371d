#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::MessageRequest;

class RunCommandTest : public testing::FormTest {
protected:
    std::string RunWith(const std::string& folder, bool recording, const std::string& command) {
        platform.programFolder = folder;
        form.mnu_s_activite.SetChecked(recording);
        form.TxtCmd[3].SetText(command);
        form.Command1.Click();
        const auto written = platform.files.find(folder + "\\batch.bat");
        return written != platform.files.end() ? written->second : std::string("(none)");
    }
};

TEST_F(RunCommandTest, BatchFileBytes) {
    const std::tuple<const char*, bool, const char*, const char*> rows[] = {
        // folder, recording, command, bytes
        {"C:\\Lorvane", false, "XCOPY a b", "XCOPY a b\n pause\r\n"},
        {"C:\\Lorvane", true, "XCOPY a b", "XCOPY a b > C:\\Lorvane\\lv.txt\n start C:\\Lorvane\\lv.txt\r\n"},
        {"C:\\Mes outils", true, "XCOPY a b",
         "XCOPY a b > \"C:\\Mes outils\\lv.txt\"\n start \"\" \"C:\\Mes outils\\lv.txt\"\r\n"},
        {"C:\\", true, "XCOPY a b", "XCOPY a b > C:\\\\lv.txt\n start C:\\\\lv.txt\r\n"},
        {"C:\\", false, "", "\n pause\r\n"},
        {"C:\\Équipe", true, "XCOPY é à", "XCOPY \x82 \x85 > C:\\\x90quipe\\lv.txt\n start C:\\\x90quipe\\lv.txt\r\n"},
        // À from the console's page; Ø by the table, whose pair wins over the page's own byte.
        {"C:\\\xC0", true, "XCOPY \xC0\xD8\xE9", "XCOPY \xB7\xED\x82 > C:\\\xB7\\lv.txt\n start C:\\\xB7\\lv.txt\r\n"},
        {"C:\\100%", true, "XCOPY a", "XCOPY a > C:\\100%%\\lv.txt\n start C:\\100%%\\lv.txt\r\n"},
        {"C:\\R&D", true, "XCOPY a", "XCOPY a > \"C:\\R&D\\lv.txt\"\n start \"\" \"C:\\R&D\\lv.txt\"\r\n"},
    };
    platform.consoleBytes = {{'\xC0', '\xB7'}, {'\xD8', '\x9D'}};  // as code page 850
    for (const auto& [folder, recording, command, bytes] : rows) {
        EXPECT_EQ(RunWith(folder, recording, command), bytes) << folder;
        EXPECT_EQ(form.Caption.Caption(), std::string("Lorvane (MS-DOS) - ") + folder + "\\batch.bat");
        EXPECT_EQ(platform.shellOpens.back(), (std::pair<std::string, std::string>{"batch.bat", folder}));
    }
}

TEST_F(RunCommandTest, AsksFirstWithTheBatchTextAndOpensTheLastActivityThroughTheShell) {
    platform.messageAnswers = {MsgResult::No};
    RunWith("C:\\Lorvane", false, "XCOPY a b");
    EXPECT_EQ(platform.messages,
              (std::vector<MessageRequest>{{"Voulez-vous ex\351cuter la commande DOS \nXCOPY a b\n pause",
                                            "\xB0Lorvane\xB0", MsgButtons::YesNo, MsgIcon::None}}));
    EXPECT_EQ(platform.beeps, 1);  // before the question
    EXPECT_EQ(std::tuple(platform.files.size(), platform.shellOpens.size(), form.Caption.Caption()),
              std::tuple(0u, 0u, "Lorvane (MS-DOS)"));

    form.Mnu_O_activite.Click();  // the last activity: opened by the shell, nothing asked
    EXPECT_EQ(platform.shellOpens, (std::vector<std::pair<std::string, std::string>>{{"lv.txt", "C:\\Lorvane"}}));
    EXPECT_EQ(platform.messages.size(), 1u);
}

// Where XCOPY would ask "file or folder?" of the destination, a recorded run would repeat
// the question without end into the activity file: such a run is refused.
TEST_F(RunCommandTest, ARecordedRunIsRefusedWhereXcopyWouldAskAboutTheDestination) {
    platform.unreadableFolders = {"C:\\neuf", "C:\\Lorvane\\rel", "D:\\dst\\*.*", "C:\\a%b"};
    platform.files["C:\\fichier.txt"] = "x";
    const std::tuple<bool, bool, const char*, bool> rows[] = {
        // Windows' XCOPY, recording, command, refused
        {false, true, "XCOPY C:\\src\\*.*  C:\\neuf  /S ", true},
        {false, true, "XCOPY /S \"C:\\a b\\*.*\" rel", true},  // relative to the program's folder
        {false, true, "XCOPY x \"C:\\a%%b\" /Y", true},
        {false, true, "XCOPY C:\\src\\*.*  C:\\neuf\\  /S ", false},  // a folder, by its separator
        {false, true, "XCOPY C:\\src\\*.*  C:\\existe  /S ", false},  // names a folder
        {false, true, "XCOPY C:\\a.txt  C:\\fichier.txt", false},     // names a file
        {false, true, "XCOPY C:\\src\\*.*  /S ", false},              // no destination
        {false, false, "XCOPY C:\\src\\*.*  C:\\neuf  /S ", false},   // not recorded: XCOPY may ask
        {true, true, "XCOPY C:\\src\\*.*  D:\\dst\\*.*  /S ", false},
        {false, true, "XCOPY C:\\src\\*.*  D:\\dst\\*.*  /S ", true},
    };
    for (const auto& [windowsXcopy, recording, command, refused] : rows) {
        platform.wildcardDestinationIsFolder = windowsXcopy;
        Forget();
        platform.files.erase("C:\\Lorvane\\batch.bat");
        RunWith("C:\\Lorvane", recording, command);
        EXPECT_EQ(platform.files.count("C:\\Lorvane\\batch.bat"), refused ? 0u : 1u) << command;
        ASSERT_EQ(platform.messages.size(), 1u) << command;
        EXPECT_EQ(platform.messages[0].title, refused ? "Lorvane : destination \xE0 pr\351ciser" : "\xB0Lorvane\xB0")
            << command;
    }
    EXPECT_EQ(platform.messages[0].text,
              "La commande n'est pas ex\351cut\351e : XCOPY demanderait si la destination \xAB D:\\dst\\*.* \xBB "
              "est un fichier ou un dossier, et avec l'enregistrement de l'activit\xE9, sa question se "
              "r\xE9p\xE9terait sans fin dans lv.txt.\nTerminez la destination par \xAB \\ \xBB pour d\xE9signer un "
              "dossier (il est cr\xE9\xE9 s'il n'existe pas), ou nommez un fichier ou un dossier qui existe.");
}

TEST_F(RunCommandTest, SauvegardeWritesTheTextThenCRLFOrNothingWithACharacterTheConsoleLacks) {
    const std::string path = "C:\\Lorvane\\x.bat";
    EXPECT_TRUE(form.Sauvegarde("C:\\\\double\\\\x.bat", ""));
    EXPECT_EQ(platform.files["C:\\\\double\\\\x.bat"], "\r\n");
    EXPECT_EQ(form.Caption.Caption(), "Lorvane (MS-DOS) - C:\\\\double\\\\x.bat");  // as passed
    const auto before = platform.files;
    EXPECT_FALSE(form.Sauvegarde(path, "XCOPY \xE9\xC0\xD1"));  // é has its pair; À comes first
    EXPECT_EQ(platform.messages,
              (std::vector<MessageRequest>{
                  {"Le caract\xE8re \xAB \xC0 \xBB ne peut pas \xEAtre \351crit dans un fichier de commandes : la "
                   "console (page de codes 437) ne le conna\xEEt pas.\nRien n'a \xE9t\xE9 enregistr\xE9.",
                   "Lorvane : caract\xE8re impossible \xE0 \351crire", MsgButtons::Ok, MsgIcon::Error}}));
    EXPECT_EQ(platform.beeps, 0);  // the error box sounds the alert
    EXPECT_EQ(form.Caption.Caption(), "Lorvane (MS-DOS) - ERREUR - NON SAUVEGARD\xC9");
    EXPECT_EQ(platform.files, before);
}

TEST_F(RunCommandTest, AProgramFolderWithoutAnExactNameRunsAndExportsNothing) {
    platform.programFolder = "";
    platform.files["\\Cmd.bat"] = "x";  // what a path built on no folder would name
    platform.fileDialogAnswers = {"D:\\export.bat"};
    form.TxtCmd[3].SetText("XCOPY a");
    form.MnuExecuter.Click();
    form.Mnu_S_Batch.Click();
    int cancel = 0;
    form.Form_Unload(cancel);
    const MessageRequest refusal = {
        "Le dossier de Lorvane a un nom que les commandes MS-DOS ne peuvent pas \351crire, et ce volume ne lui "
        "donne pas de nom court.\nPlacez Lorvane dans un autre dossier pour ex\351cuter ou enregistrer la commande.",
        "Lorvane : dossier du programme", MsgButtons::Ok, MsgIcon::Error};
    EXPECT_EQ(platform.messages, std::vector(2, refusal));
    EXPECT_EQ(platform.files.size(), 1u);
    EXPECT_TRUE(platform.fileDialogs.empty() && platform.shellOpens.empty());
}

TEST_F(RunCommandTest, SavesTheFullLineAloneThroughTheDialog) {
    form.mnu_s_activite.SetChecked(true);
    form.TxtCmd[3].SetText("XCOPY été");
    platform.fileDialogAnswers = {"D:\\export.bat"};
    form.Mnu_S_Batch.Click();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(Described(platform.fileDialogs[0]),
              "save|bat|Fichiers BATCH (DOS)|*.bat|C:\\Lorvane|Enregistrer la commande compl\xE8te (Batch) sous");
    EXPECT_EQ(platform.files["D:\\export.bat"], "XCOPY \x82t\x82\r\n");
    EXPECT_EQ(form.Caption.Caption(), "Lorvane (MS-DOS) - D:\\export.bat");

    // The name stays for the next use; a cancel writes nothing and lets the name go.
    form.TxtCmd[3].SetText("XCOPY autre");
    form.Mnu_S_Batch.Click();
    form.Mnu_S_Batch.Click();
    EXPECT_EQ(platform.fileDialogs[1].fileName, "D:\\export.bat");
    EXPECT_EQ(platform.fileDialogs[2].fileName, "");
    EXPECT_EQ(platform.files["D:\\export.bat"], "XCOPY \x82t\x82\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RunCommandTest, ANameTheProgramDeletesAtExitIsKeptOnlyOnYes) {
    platform.programFolder = "C:\\";
    form.TxtCmd[3].SetText("XCOPY a");
    platform.fileDialogAnswers = {"c:\\CMD.BAT", "C:\\garde.bat", "C:\\Cmd.bat"};
    platform.messageAnswers = {MsgResult::No, MsgResult::Yes};
    form.Mnu_S_Batch.Click();  // No: the dialog again, another name
    EXPECT_EQ(platform.fileDialogs.size(), 2u);
    EXPECT_EQ(platform.files.count("c:\\CMD.BAT"), 0u);
    EXPECT_EQ(platform.files["C:\\garde.bat"], "XCOPY a\r\n");
    form.Mnu_S_Batch.Click();  // Yes: kept under that name, knowing it goes at exit
    EXPECT_EQ(platform.files["C:\\Cmd.bat"], "XCOPY a\r\n");
    const MessageRequest question = {
        "Un fichier \xAB Cmd.bat \xBB plac\xE9 dans le dossier de Lorvane est effac\xE9 \xE0 la fermeture du "
        "programme.\nL'enregistrer quand m\xEAme sous ce nom ?\n(Non : choisir un autre nom)",
        "Lorvane : enregistrement de la commande", MsgButtons::YesNo, MsgIcon::Question};
    EXPECT_EQ(platform.messages, std::vector(2, question));
}

}  // namespace
}  // namespace lorvane
