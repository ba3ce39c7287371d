#include "about/about_layout.h"
#include "about/about_texts.h"
#include "about/frm_about.h"
#include "support/form_fixture.h"

namespace lorvane {
namespace {

using testing::MessageRequest;

using AboutTest = testing::FormTest;

TEST_F(AboutTest, OneWindowAtMostWithItsTexts) {
    int opened = 0, raised = 0;
    form.AboutOpened = [&](FrmAbout& about) {
        ++opened;
        about.BringToFront = [&] { ++raised; };
    };
    form.MnuApropos_Click();
    form.MnuApropos_Click();
    EXPECT_EQ(std::tuple(opened, raised), std::tuple(1, 1));
    ASSERT_TRUE(form.About);
    const FrmAbout& about = *form.About;
    EXPECT_EQ(std::tuple(about.Caption.Caption(), about.lblVersion.Caption(), about.lblTitle.Caption(),
                         about.cmdSysInfo.Caption(), about.lblDescription.Caption()),
              std::tuple(std::string(texts::kAboutCaptionPrefix) + texts::kApplicationTitle,
                         std::string(texts::kVersionPrefix) + "1.1.2", texts::kApplicationTitle, texts::kSysInfo,
                         texts::kDescription));

    form.About->urlhttp_Click();
    EXPECT_EQ(platform.shellOpens.back().first, texts::kMakerAddress);
    form.AboutClosed();
    form.MnuApropos_Click();  // loaded afresh
    EXPECT_EQ(opened, 2);
}

// Dark blue titles, the address as a link, the warning in red; OK answers Enter and Esc by the
// system's own number; every control within the window, none over another.
TEST_F(AboutTest, LooksAndPlaces) {
    FrmAbout about(platform, platform, platform, platform);
    const std::vector<LayoutEntry> layout = AboutWindowLayout(about);
    std::vector<std::tuple<Color, bool, bool, int, bool>> looks;
    std::vector<Twips> places;
    for (const LayoutEntry& e : layout) {
        looks.emplace_back(e.foreColor, e.font.bold, e.font.underline, e.tabStop ? e.id : 0, e.groupStart);
        for (const Twips& other : places)
            EXPECT_TRUE(e.place.left + e.place.width <= other.left || other.left + other.width <= e.place.left ||
                        e.place.top + e.place.height <= other.top || other.top + other.height <= e.place.top)
                << e.id;
        EXPECT_TRUE(e.place.left + e.place.width <= kAboutClientArea.width &&
                    e.place.top + e.place.height <= kAboutClientArea.height)
            << e.id;
        places.push_back(e.place);
    }
    const Color blue = Rgb(0, 0, 192), kept = kSystemColor | 8u;
    EXPECT_EQ(looks, (decltype(looks){{blue, true, false, 0, false},
                                      {blue, true, false, 0, false},
                                      {blue, true, false, 0, false},
                                      {kSystemColor | 13u, false, true, 0, false},
                                      {Rgb(255, 0, 0), true, false, 0, false},
                                      {kept, false, false, 1, true},
                                      {kept, false, false, layout.back().id, false}}));
    EXPECT_EQ(std::tuple(layout[5].control, layout[5].kind, layout[3].kind),
              std::tuple(&about.cmdOK, ControlKind::DefaultButton, ControlKind::Link));
}

TEST_F(AboutTest, SystemInformationToolFromTheRegistry) {
    const char* const kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    const char* const kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    // The key (none: no value), the tool's file if any, the program started (none: the message, titled as the program).
    const std::tuple<const char*, const char*, unsigned long, std::string, const char*, const char*> rows[] = {
        {"nothing in the registry", nullptr, 0, "", "", ""},
        {"the tool's path", kPathKey, 1, std::string("C:\\Outils\\msinfo32.exe\0", 23), "", "C:\\Outils\\msinfo32.exe"},
        {"a path that cannot be started", kPathKey, 1, "C:\\absent.exe", "", ""},
        {"the folder, with the tool", kFolderKey, 1, "C:\\Outils", "C:\\Outils\\MSINFO32.EXE",
         "C:\\Outils\\MSINFO32.EXE"},
        {"the folder, without the tool", kFolderKey, 1, "C:\\Vide", "", ""},
        {"a path of another type", kPathKey, 3, "C:\\x.exe", "", ""},
    };
    const MessageRequest unavailable = {texts::kSysInfoUnavailable, "", MsgButtons::Ok, MsgIcon::None};
    for (const auto& [what, key, type, bytes, file, started] : rows) {
        testing::FakePlatform fake;
        fake.startablePrograms = {"C:\\Outils\\msinfo32.exe", "C:\\Outils\\MSINFO32.EXE", "C:\\Vide\\MSINFO32.EXE"};
        if (key != nullptr) fake.registry[key + std::string(key == kPathKey ? "|PATH" : "|MSINFO")] = {type, bytes};
        if (*file != 0) fake.files[file] = "";
        FrmAbout about(fake, fake, fake, fake);
        about.cmdSysInfo.Click();
        const bool isStarted = *started != 0;
        EXPECT_EQ(fake.startedPrograms, std::vector<std::string>(isStarted, started)) << what;
        EXPECT_EQ(fake.messages, isStarted ? std::vector<MessageRequest>{} : std::vector{unavailable}) << what;
    }
}

TEST_F(AboutTest, RegistryValuesAsText) {
    // The value's name, type (0: no such value) and bytes; whether it is read, and the text then.
    const std::tuple<const char*, unsigned long, std::string, bool, const char*> rows[] = {
        {"mot", 4, std::string("\x10\x27\0\0", 4), true, "10000"},
        {"binaire", 3, "xyz", true, "avant"},  // left as it was
        {"absent", 0, "", false, ""},
    };
    FrmAbout about(platform, platform, platform, platform);
    for (const auto& [name, type, bytes, read, text] : rows) {
        if (type != 0) platform.registry[std::string("K|") + name] = {type, bytes};
        std::string value = "avant";
        EXPECT_EQ(about.GetKeyValue(kHkeyLocalMachine, "K", name, value), read) << name;
        EXPECT_EQ(value, text) << name;
    }
}

// The program removes "Cmd.bat" only where it wrote it itself and the file still holds what it
// wrote: a file of the user's own, or one changed since, stays.
TEST_F(AboutTest, QuittingRemovesOnlyTheProgramsOwnCmdBatAndEndsTheProgram) {
    // The user's own, even holding what the program would write; an export under another name.
    platform.files = {{"C:\\Lorvane\\Cmd.bat", "XCOPY a\r\n"}, {"C:\\Lorvane\\lv.txt", "z"}};
    form.TxtCmd[3].SetText("XCOPY a");
    platform.fileDialogAnswers = {"C:\\Lorvane\\batch.bat", "C:\\Lorvane\\Cmd.bat"};
    form.Mnu_S_Batch_Click();
    form.MnuQuitter_Click();
    EXPECT_EQ(std::tuple(platform.files.size(), platform.endProgramCalls), std::tuple(3u, 1));
    form.Mnu_S_Batch_Click();  // written by the program, after its question
    platform.files["C:\\Lorvane\\Cmd.bat"] += "rem changed\r\n";
    form.MnuQuitter_Click();
    EXPECT_EQ(platform.files.count("C:\\Lorvane\\Cmd.bat"), 1u);
    platform.files["C:\\Lorvane\\Cmd.bat"] = "XCOPY a\r\n";
    form.MnuQuitter_Click();
    EXPECT_EQ(std::tuple(platform.files.count("C:\\Lorvane\\Cmd.bat"), platform.files.size(), platform.endProgramCalls),
              std::tuple(0u, 2u, 3));
    platform.messages.clear();
    int cancel = 0;
    form.Form_Unload(cancel);  // no file there: nothing said, nothing cancelled
    EXPECT_EQ(std::tuple(cancel, platform.messages.size()), std::tuple(0, 0u));
}

}  // namespace
}  // namespace lorvane
