#include <functional>

#include "about/about_texts.h"
#include "batch/batch_texts.h"
#include "batch/console_text.h"
#include "profile/activity_texts.h"
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
    static MessageRequest Refusal(const std::string& text, const char* title) {
        return {text, title, MsgButtons::Ok, MsgIcon::Error};
    }
};

TEST_F(RunCommandTest, BatchFileBytes) {
    const std::tuple<const char*, bool, const char*, const char*> rows[] = {
        // folder, recording, command, bytes
        {"C:\\", true, "XCOPY a b", "XCOPY a b > C:\\\\lv.txt\n start C:\\\\lv.txt\r\n"},
        {"C:\\", false, "", "\n pause\r\n"},
        {"C:\\Équipe", true, "XCOPY é à", "XCOPY \x82 \x85 > C:\\\x90quipe\\lv.txt\n start C:\\\x90quipe\\lv.txt\r\n"},
        {"C:\\100%", true, "XCOPY a", "XCOPY a > C:\\100%%\\lv.txt\n start C:\\100%%\\lv.txt\r\n"},
        {"C:\\R&D", true, "XCOPY a", "XCOPY a > \"C:\\R&D\\lv.txt\"\n start \"\" \"C:\\R&D\\lv.txt\"\r\n"},
    };
    for (const auto& [folder, recording, command, bytes] : rows) {
        EXPECT_EQ(RunWith(folder, recording, command), bytes) << folder;
        EXPECT_EQ(form.Caption.Caption(), texts::SavedCaption(std::string(folder) + "\\batch.bat"));
        EXPECT_EQ(platform.shellOpens.back(), (std::pair<std::string, std::string>{"batch.bat", folder}));
    }
}

// Each character as the console's page reads it: the table's pairs where the page is 437, the
// page's own bytes elsewhere, a short name for a name the page lacks a character of, or nothing.
TEST_F(RunCommandTest, EachCodePageWritesItsOwnBytesOrAShortNameOrNothing) {
    platform.shortNames = {{"C:\\Docs\\Łódź", "ODZ~1"},
                           {"Do\\Łódź", "ODZ~2"},
                           {"D\\Łódź", "ODZ~3"},
                           {"C:\\Docs\\Łódź\\żółw 100%.txt", "___W~1.TXT"}};
    const std::tuple<unsigned, std::map<char32_t, std::string>, const char*, const char*, const char*> rows[] = {
        // page, its bytes beyond ASCII, command, first line written (none: refused), refused character
        {437, {{U'é', "\x41"}}, "XCOPY é Ç", "XCOPY \x82 \x80", nullptr},  // the table made for 437
        {437, {}, "XCOPY éØ", nullptr, "Ø"},  // é has its pair; 437 only has the look-alike φ of Ø
        {850, {{U'é', "\x82"}, {U'Ø', "\x9D"}, {U'¢', "\xBD"}}, "XCOPY é Ø ¢", "XCOPY \x82 \x9D \xBD", nullptr},
        {852,
         {{U'Ł', "\x9D"}, {U'ó', "\xA2"}, {U'ź', "\xAB"}},
         "XCOPY C:\\Docs\\Łódź\\*.*",
         "XCOPY C:\\Docs\\\x9D\xA2\x64\xAB\\*.*",
         nullptr},
        {932, {{U'ｱ', "\xB1"}, {U'日', "\x93\xFA"}}, "XCOPY ｱ日", "XCOPY \xB1\x93\xFA", nullptr},
        {437, {}, "XCOPY \"C:\\Docs\\Łódź\\*.*\" D:\\", "XCOPY \"C:\\Docs\\ODZ~1\\*.*\" D:\\", nullptr},
        {437, {}, "XCOPY \"C:\\Docs\\Łódź\\żółw 100%.txt\"", "XCOPY \"C:\\Docs\\ODZ~1\\___W~1.TXT\"", nullptr},
        {437, {}, "XCOPY Do\\Łódź", nullptr, "Ł"},  // relative: the batch runs elsewhere, never looked up
        {437, {}, "XCOPY D\\Łódź", nullptr, "Ł"},
        {437, {}, "C:\\Docs\\Łódź", "C:\\Docs\\ODZ~1", nullptr},  // a path from the line's first character
        {437, {}, "XCOPY C:\\Docs\\Łódź2", nullptr, "Ł"},         // no short name
        {437, {}, "XCOPY C:\\Docs\\lódz＂.txt", nullptr, "ó"},    // never the look-alike "
        {1252, {}, "XCOPY 𝄞", nullptr, "𝄞"},
        {1252, {}, "XCOPY a\u202Eb", nullptr, "U+202E"},  // named, not turning the message around
    };
    for (const auto& [page, bytes, command, written, refused] : rows) {
        SCOPED_TRACE(command);
        platform.consoleCodePage = page;
        platform.consoleBytes = bytes;
        platform.files.clear();
        Forget();
        const std::string file = RunWith("C:\\Lorvane", false, command);
        EXPECT_EQ(file, written != nullptr ? std::string(written) + "\n pause\r\n" : "(none)");
        if (refused == nullptr) continue;
        EXPECT_EQ(platform.messages, std::vector{Refusal(texts::UnwritableCharacter(refused, page, texts::kNothingRun),
                                                         texts::kUnwritableTitle)});
    }
    // The question shows what runs: the short names.
    platform.consoleCodePage = 437;
    Forget();
    RunWith("C:\\Lorvane", false, "XCOPY \"C:\\Docs\\Łódź\\*.*\"");
    EXPECT_EQ(platform.messages[0].text, std::string(texts::kRunQuestion) + "\nXCOPY \"C:\\Docs\\ODZ~1\\*.*\"\n pause");
}

// A copy that would destroy what was not asked to change is refused before anything is asked or
// written; what runs is what the question shows, percent signs and exclamation marks included.
TEST_F(RunCommandTest, CopiesThatWouldDestroyAreRefusedAndWhatRunsIsWhatWasShown) {
    platform.files = {{"C:\\d\\cible.txt", "x"}, {"C:\\s\\a.txt", "y"}};
    const std::string deep = "C:\\" + std::string(250, 'l'), longFile = deep + "\\f.txt";
    const std::string longFolder = "C:\\" + std::string(254, 'm');  // XCOPY adds "\\*" to a folder
    platform.shortNames = {{deep, "LLLLLL~1"}};
    std::string atTheLimit = "XCOPY C:\\nid\\*.* C:\\nid\\dedans\\ /S";  // as long as a line may be: still checked
    while (atTheLimit.size() + 3 <= kLongestConsoleLine) atTheLimit += " /Y";
    atTheLimit.resize(kLongestConsoleLine, ' ');
    const std::tuple<std::string, std::string, std::string> rows[] = {
        // command, first line written (empty: refused), refusal
        {"XCOPY C:\\s\\*.*  C:\\d\\cible.txt  /Y ", "", texts::SeveralFilesOntoOneFile("C:\\d\\cible.txt")},
        {"XCOPY C:\\s C:\\d\\cible.txt", "", texts::SeveralFilesOntoOneFile("C:\\d\\cible.txt")},
        {"XCOPY C:\\s\\a.txt C:\\d\\cible.txt /S", "", texts::SeveralFilesOntoOneFile("C:\\d\\cible.txt")},
        {"XCOPY C:\\s\\a.txt C:\\d\\cible.txt", "XCOPY C:\\s\\a.txt C:\\d\\cible.txt", ""},
        {"XCOPY C:\\nid\\*.*  C:\\nid\\dedans\\  /S /E ", "",
         texts::DestinationInsideSource("C:\\nid", "C:\\nid\\dedans\\")},
        {"XCOPY Z:\\.  Z:\\.  /S /E /C /H /Y ", "", texts::DestinationInsideSource("Z:\\", "Z:\\")},
        {"XCOPY . sous\\ /s/e", "", texts::DestinationInsideSource("C:\\Lorvane\\", "C:\\Lorvane\\sous\\")},
        {"XCOPY \"C:\\nid\\..\\nid\\*.*\" C:\\NID\\x /E", "", texts::DestinationInsideSource("C:\\nid", "C:\\NID\\x")},
        {"XCOPY C:\\nid\\*.* C:\\nid\\dedans\\", "XCOPY C:\\nid\\*.* C:\\nid\\dedans\\", ""},
        {atTheLimit, "", texts::DestinationInsideSource("C:\\nid", "C:\\nid\\dedans\\")},
        {"XCOPY C:\\nid\\*.* \\nid\\x /S", "", texts::DestinationInsideSource("C:\\nid", "C:\\nid\\x")},
        {"XCOPY C:\\nid\\*.* C:\\nidifuge\\ /S", "XCOPY C:\\nid\\*.* C:\\nidifuge\\ /S", ""},
        {"XCOPY \"" + longFile + "\" D:\\ /Y", "XCOPY C:\\LLLLLL~1\\f.txt D:\\ /Y", ""},
        {"XCOPY " + longFolder + " D:\\", "XCOPY " + longFolder + " D:\\", ""},
        {"XCOPY " + longFolder + "n D:\\", "", texts::PathTooLong(longFolder + "n", 258, 257)},
        {"XCOPY D:\\ " + longFolder + "nop", "", texts::PathTooLong(longFolder + "nop", 260, 257)},  // no short name
        {"XCOPY C:\\100%fait%.txt D:\\50%solde%\\", "XCOPY C:\\100%%fait%%.txt D:\\50%%solde%%\\", ""},
        {"XCOPY C:\\Photos!2023!x\\*.* D:\\", "@setlocal DisableDelayedExpansion\nXCOPY C:\\Photos!2023!x\\*.* D:\\",
         ""},
    };
    for (const auto& [command, written, refusal] : rows) {
        SCOPED_TRACE(command);
        Forget();
        platform.files.erase("C:\\Lorvane\\batch.bat");
        EXPECT_EQ(RunWith("C:\\Lorvane", false, command), written.empty() ? "(none)" : written + "\n pause\r\n");
        ASSERT_EQ(platform.messages.size(), 1u);
        if (!refusal.empty()) {
            EXPECT_EQ(platform.messages[0], Refusal(refusal, texts::kCopyRefusedTitle));
        }
    }
    // The question shows the line as it runs: each % as it is typed, the short names.
    RunWith("C:\\Lorvane", false, "XCOPY C:\\100%fait%.txt \"" + longFile + "\"");
    EXPECT_EQ(platform.messages.back().text,
              std::string(texts::kRunQuestion) + "\nXCOPY C:\\100%fait%.txt C:\\LLLLLL~1\\f.txt\n pause");
}

// A line break or a tab pasted with the text would end the command or run what follows it;
// a line longer than the console reads would be cut. Neither is asked nor written.
TEST_F(RunCommandTest, ControlCharactersAndOverlongLinesAreRefusedBeforeAnything) {
    std::string longest = "XCOPY ";
    while (longest.size() + 3 < kLongestConsoleLine) longest += "/Y ";
    longest.resize(kLongestConsoleLine, 'a');
    using texts::ControlCharacterRefused;
    const std::tuple<std::string, std::function<std::string(const char*)>> rows[] = {
        {"XCOPY C:\\s\\*.*\r\nmkdir C:\\PWNED\r\n",
         [](const char* nothing) { return ControlCharacterRefused(texts::kCarriageReturn, false, nothing); }},
        {"XCOPY a\nb", [](const char* nothing) { return ControlCharacterRefused(texts::kLineBreak, false, nothing); }},
        {"XCOPY a\tb", [](const char* nothing) { return ControlCharacterRefused(texts::kTab, true, nothing); }},
        {"\tXCOPY a b", [](const char* nothing) { return ControlCharacterRefused(texts::kTab, true, nothing); }},
        {"XCOPY a\x1B",
         [](const char* nothing) {
             return ControlCharacterRefused(texts::OtherControlCharacter("U+001B"), false, nothing);
         }},
        {"XCOPY a\u0085",
         [](const char* nothing) {
             return ControlCharacterRefused(texts::OtherControlCharacter("U+0085"), false, nothing);
         }},
        {longest + "é",
         [](const char* nothing) { return texts::LineTooLong(kLongestConsoleLine + 1, kLongestConsoleLine, nothing); }},
        {"XCOPY " + std::string(8200, 'a'),  // the line's length is said, before the path's
         [](const char* nothing) { return texts::LineTooLong(8206, kLongestConsoleLine, nothing); }},
    };
    for (const auto& [command, refusalOf] : rows) {
        for (const bool running : {true, false}) {
            const auto handler = running ? &FrmXcopy::MnuExecuter_Click : &FrmXcopy::Mnu_S_Batch_Click;
            const std::string refusal = refusalOf(running ? texts::kNothingRun : texts::kNothingSaved);
            Forget();
            platform.files.clear();
            platform.fileDialogAnswers = {"D:\\export.bat"};
            form.TxtCmd[3].SetText(command);
            (form.*handler)();
            EXPECT_EQ(platform.messages, std::vector{Refusal(refusal, texts::kCommandRefusedTitle)});
            EXPECT_EQ(std::tuple(platform.files.size(), platform.fileDialogs.size(), platform.beeps),
                      std::tuple(0u, 0u, 0));
        }
    }
    EXPECT_EQ(RunWith("C:\\Lorvane", false, longest), longest + "\n pause\r\n");  // the longest line that is read
}

TEST_F(RunCommandTest, AsksFirstWithTheBatchTextAndSaysEveryFileTheShellCannotOpen) {
    platform.messageAnswers = {MsgResult::No};
    RunWith("C:\\Lorvane", false, "XCOPY a b");
    EXPECT_EQ(platform.messages,
              (std::vector<MessageRequest>{{std::string(texts::kRunQuestion) + "\nXCOPY a b\n pause",
                                            texts::kQuestionTitle, MsgButtons::YesNo, MsgIcon::None}}));
    EXPECT_EQ(std::tuple(platform.beeps, platform.files.size(), platform.shellOpens.size(), form.Caption.Caption()),
              std::tuple(1, 0u, 0u, texts::kCaption));

    // The last activity: none yet; one the shell has no program for; one opened, nothing said.
    form.Mnu_O_activite_Click();
    platform.files["C:\\Lorvane\\lv.txt"] = "No\x89l";  // as the console wrote it, in its page
    platform.consoleBytes = {{U'ë', "\x89"}};
    platform.shellCannotOpen = {"lv-utf8.txt", "batch.bat", "lorvane.html"};
    form.Mnu_O_activite_Click();
    form.MnuAide_Click();
    RunWith("C:\\Lorvane", false, "XCOPY a b");  // written, not started
    platform.shellCannotOpen.clear();
    form.Mnu_O_activite_Click();
    platform.failAt = testing::FileStep::Move;  // a console paused on the last batch file holds it
    RunWith("C:\\Lorvane", false, "XCOPY a c");
    EXPECT_EQ(std::tuple(platform.shellOpens.size(), platform.shellOpens[0].first,
                         platform.files["C:\\Lorvane\\lv-utf8.txt"]),
              std::tuple(4u, "lv-utf8.txt", "\xEF\xBB\xBFNoël"));
    const MessageRequest said[] = {
        {texts::NoActivityYet("C:\\Lorvane\\lv.txt"), texts::kActivityTitle, MsgButtons::Ok, MsgIcon::Information},
        Refusal(texts::ActivityNotOpened("C:\\Lorvane\\lv-utf8.txt"), texts::kShellOpenFailedTitle),
        Refusal(texts::HelpNotOpened("C:\\Lorvane\\lorvane.html"), texts::kShellOpenFailedTitle),
        Refusal(texts::BatchNotOpened("C:\\Lorvane\\batch.bat"), texts::kShellOpenFailedTitle),
        Refusal(texts::BatchNotWritten("C:\\Lorvane\\batch.bat"), texts::kProgramFolderTitle),
    };
    std::vector<MessageRequest> told;  // apart from the three run questions
    std::copy_if(platform.messages.begin(), platform.messages.end(), std::back_inserter(told),
                 [](const MessageRequest& message) { return message.title != texts::kQuestionTitle; });
    EXPECT_EQ(told, std::vector(std::begin(said), std::end(said)));
}

// Where XCOPY would ask "file or folder?" of the destination, a recorded run would repeat
// the question without end into the activity file: such a run is refused.
TEST_F(RunCommandTest, ARecordedRunIsRefusedWhereXcopyWouldAskAboutTheDestination) {
    platform.unreadableFolders = {"C:\\neuf", "C:\\Lorvane\\rel", "D:\\dst\\*.*", "C:\\a%b"};
    platform.files["C:\\fichier.txt"] = platform.files["C:\\a.txt"] = "x";
    const std::tuple<bool, bool, const char*, bool> rows[] = {
        // Windows' XCOPY, recording, command, refused
        {false, true, "XCOPY C:\\src\\*.*  C:\\neuf  /S ", true},
        {false, true, "XCOPY /S \"C:\\a b\\*.*\" rel", true},  // relative to the program's folder
        {false, true, "XCOPY x \"C:\\a%b\" /Y", true},
        {false, true, "XCOPY C:\\src\\*.*  C:\\neuf\\  /S ", false},  // a folder, by its separator
        {false, true, "XCOPY C:\\src\\*.*  C:\\existe  /S ", false},  // names a folder
        {false, true, " XCOPY C:\\neuf  C:\\existe", false},          // after a blank
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
        EXPECT_EQ(platform.messages[0].title, refused ? texts::kDestinationTitle : texts::kQuestionTitle) << command;
    }
    EXPECT_EQ(platform.messages[0].text, texts::DestinationRefused("D:\\dst\\*.*"));
}

TEST_F(RunCommandTest, AProgramFolderTheSystemCannotTellRunsAndExportsNothing) {
    platform.programFolder = "";
    platform.files["\\Cmd.bat"] = "x";  // what a path built on no folder would name
    platform.fileDialogAnswers = {"D:\\export.bat"};
    form.TxtCmd[3].SetText("XCOPY a");
    form.MnuExecuter_Click();
    form.Mnu_S_Batch_Click();
    int cancel = 0;
    form.Form_Unload(cancel);
    EXPECT_EQ(platform.messages, std::vector(2, Refusal(texts::kProgramFolderUnknown, texts::kProgramFolderTitle)));
    EXPECT_EQ(platform.files.size(), 1u);
    EXPECT_TRUE(platform.fileDialogs.empty() && platform.shellOpens.empty());

    // On a network share the command interpreter would start in Windows' folder: no run there.
    Forget();
    EXPECT_EQ(RunWith("\\\\serveur\\outils", false, "XCOPY . D:\\"), "(none)");
    EXPECT_EQ(platform.messages,
              std::vector{Refusal(texts::ProgramFolderOnNetwork("\\\\serveur\\outils"), texts::kProgramFolderTitle)});
    EXPECT_TRUE(platform.shellOpens.empty());

    // A folder the user may not write in (Program Files): the caption, the beep, and why.
    Forget();
    platform.failAt = testing::FileStep::Create;
    platform.readOnlyFolders = {"C:\\Program Files\\Lorvane"};
    EXPECT_EQ(RunWith("C:\\Program Files\\Lorvane", false, "XCOPY a b"), "(none)");
    ASSERT_EQ(platform.messages.size(), 2u);  // the question, then why
    EXPECT_EQ(platform.messages[1].text, texts::ProgramFolderReadOnly("C:\\Program Files\\Lorvane"));
}

TEST_F(RunCommandTest, SavesTheFullLineAloneThroughTheDialog) {
    form.mnu_s_activite.SetChecked(true);
    form.TxtCmd[3].SetText("XCOPY été");
    platform.fileDialogAnswers = {"D:\\export.bat"};
    form.Mnu_S_Batch_Click();
    ASSERT_EQ(platform.fileDialogs.size(), 1u);
    EXPECT_EQ(Described(platform.fileDialogs[0]),
              std::string("save|bat|") + texts::kBatchFilter + "|C:\\Lorvane|" + texts::kBatchDialogTitle);
    EXPECT_EQ(platform.files["D:\\export.bat"], "XCOPY \x82t\x82\r\n");
    EXPECT_EQ(form.Caption.Caption(), texts::SavedCaption("D:\\export.bat"));

    // The name stays for the next use; a cancel writes nothing and lets the name go.
    form.TxtCmd[3].SetText("XCOPY autre");
    form.Mnu_S_Batch_Click();
    form.Mnu_S_Batch_Click();
    EXPECT_EQ(std::tuple(platform.fileDialogs[1].fileName, platform.fileDialogs[2].fileName),
              std::tuple("D:\\export.bat", ""));
    EXPECT_EQ(platform.files["D:\\export.bat"], "XCOPY \x82t\x82\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RunCommandTest, ANameTheProgramDeletesAtExitIsKeptOnlyOnYes) {
    platform.programFolder = "C:\\";
    form.TxtCmd[3].SetText("XCOPY a");
    platform.fileDialogAnswers = {"c:\\CMD.BAT", "C:\\garde.bat", "C:\\Cmd.bat"};
    platform.messageAnswers = {MsgResult::No, MsgResult::Yes};
    form.Mnu_S_Batch_Click();  // No: the dialog again, another name
    EXPECT_EQ(
        std::tuple(platform.fileDialogs.size(), platform.files.count("c:\\CMD.BAT"), platform.files["C:\\garde.bat"]),
        std::tuple(2u, 0u, "XCOPY a\r\n"));
    form.Mnu_S_Batch_Click();  // Yes: kept under that name, knowing it goes at exit
    EXPECT_EQ(platform.files["C:\\Cmd.bat"], "XCOPY a\r\n");
    const MessageRequest question = {texts::kExportDeletedAtExit, texts::kExportTitle, MsgButtons::YesNo,
                                     MsgIcon::Question};
    EXPECT_EQ(platform.messages, std::vector(2, question));
}

}  // namespace
}  // namespace lorvane
