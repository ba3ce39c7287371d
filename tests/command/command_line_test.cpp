#include "command/command_line.h"

#include <gtest/gtest.h>

namespace lorvane {
namespace {

struct LocationRow {
    const char* what;
    LocationChoice choice;
    const char* part;
};

TEST(LocationPart, BuildsEachLevelOfAPick) {
    const LocationRow rows[] = {
        {"current directory ticked, whatever the level", {1, 2, "C:\\a b", "C:\\a b", "x y"}, ". "},
        {"grey tick box is not ticked", {2, 0, "C:\\Docs", "C:\\Docs", ""}, "C:\\. "},
        {"drive level", {0, 0, "C:\\Mes dossiers\\a b", "", ""}, "C:\\. "},
        {"folder level with a blank",
         {0, 1, "C:\\Mes dossiers\\a b", "", ""},
         "\"C:\\Mes dossiers\\a b\\*.*\" "},
        {"file level with a blank",
         {0, 2, "", "C:\\Mes dossiers\\a b", "lettre.txt"},
         "\"C:\\Mes dossiers\\a b\\lettre.txt\" "},
        {"folder at a drive root", {0, 1, "D:\\", "", ""}, "D:\\*.* "},
        {"file at a drive root", {0, 2, "", "D:\\", "a.txt"}, "D:\\a.txt "},
        {"file level, no file", {0, 2, "", "C:\\Temp", ""}, "C:\\Temp\\ "},
        {"file level, no file, blank", {0, 2, "", "C:\\Mes dossiers\\a b", ""},
         "\"C:\\Mes dossiers\\a b\\\" "},
        {"file level, no file, drive root", {0, 2, "", "D:\\", ""}, "D:\\ "},
        {"no level chosen", {0, -1, "C:\\Docs", "C:\\Docs", "a"}, ""},
        {"folder without a blank", {0, 1, "C:\\Docs", "", ""}, "C:\\Docs\\*.* "},
        // A picked name holding a command operator stays one argument, and a % in it is
        // not expanded by the batch file.
        {"ampersand", {0, 1, "C:\\R&D", "", ""}, "\"C:\\R&D\\*.*\" "},
        {"parenthesis in a file name", {0, 2, "", "C:\\Docs", "a(1).txt"}, "\"C:\\Docs\\a(1).txt\" "},
        {"percent in folder and file", {0, 2, "", "C:\\100%", "%PATH%.txt"},
         "C:\\100%%\\%%PATH%%.txt "},
        {"percent and blank", {0, 1, "C:\\a %b%", "", ""}, "\"C:\\a %%b%%\\*.*\" "},
        {"accented folder", {0, 1, "C:\\Été", "", ""}, "C:\\Été\\*.* "},
        // For an XCOPY that would not read \*.* as the folder: a final separator instead.
        {"folder by separator", {0, 1, "C:\\a b", "", "", true}, "\"C:\\a b\\\" "},
        {"folder by separator, drive root", {0, 1, "D:\\", "", "", true}, "D:\\ "},
        {"file level by separator unchanged", {0, 2, "", "D:\\x", "a.txt", true}, "D:\\x\\a.txt "},
    };
    for (const LocationRow& row : rows) EXPECT_EQ(LocationPart(row.choice), row.part) << row.what;
}

std::array<std::string, kSwitchCount> Tokens() {
    std::array<std::string, kSwitchCount> tokens;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        tokens[i] = TokenFromLabel(kSwitchTable[i].description);
    }
    return tokens;
}

TEST(SwitchesPart, ListsTickedSwitchesInTableOrder) {
    struct Row {
        std::vector<int> ticked;
        const char* date;
        const char* part;
    };
    const Row rows[] = {
        {{4, 5, 7, 12, 17}, "", "/S /E /C /H /Y "},
        {{17, 4, 12, 7, 5}, "", "/S /E /C /H /Y "},  // the tick order does not matter
        {{2, 4}, ":31/12/2003", "/D:31/12/2003  /S "},
        {{2}, "", "/D  "},
        {{}, "", ""},
        {{17, 18}, "", "/Y /-Y "},
        {{0, 19}, ":01/01/2000", "/A /N "},  // the date goes with /D only
    };
    const auto tokens = Tokens();
    for (const Row& row : rows) {
        std::array<int, kSwitchCount> ticks{};
        for (int i : row.ticked) ticks[static_cast<std::size_t>(i)] = 1;
        EXPECT_EQ(SwitchesPart(ticks, tokens, row.date), row.part) << row.part;
    }
}

TEST(SwitchesPart, OnlyTheValueOneCounts) {
    std::array<int, kSwitchCount> ticks{};
    ticks[0] = 2;
    ticks[1] = -1;
    ticks[4] = 1;
    EXPECT_EQ(SwitchesPart(ticks, Tokens(), ""), "/S ");
}

TEST(FullCommandLine, JoinsThePartsWithOneBlank) {
    EXPECT_EQ(FullCommandLine(LocationPart({0, 1, "C:\\Docs", "", ""}),
                              LocationPart({0, 0, "D:\\Sauvegarde", "", ""}), "/S /E /C /H /Y "),
              "XCOPY C:\\Docs\\*.*  D:\\.  /S /E /C /H /Y ");
    EXPECT_EQ(FullCommandLine("", "", ""), "XCOPY   ");
}

}  // namespace
}  // namespace lorvane
