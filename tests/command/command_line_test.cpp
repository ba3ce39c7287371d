#include "command/command_line.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/quoting.h"

namespace lorvane {
namespace {

using Row = std::pair<const char*, const char*>;  // input, output

TEST(LocationPart, BuildsEachLevelOfAPick) {
    const std::tuple<const char*, LocationChoice, const char*> rows[] = {
        {"grey tick box is not ticked", {2, 0, "C:\\Docs", "C:\\Docs", ""}, "C:\\. "},
        {"folder at a drive root", {0, 1, "D:\\", "", ""}, "D:\\*.* "},
        {"file at a drive root", {0, 2, "", "D:\\", "a.txt"}, "D:\\a.txt "},
        {"file level, no file, blank", {0, 2, "", "C:\\Mes dossiers\\a b", ""}, "\"C:\\Mes dossiers\\a b\\\" "},
        {"file level, no file, drive root", {0, 2, "", "D:\\", ""}, "D:\\ "},
        {"no level chosen", {0, -1, "C:\\Docs", "C:\\Docs", "a"}, ""},
        // A picked name holding a command operator stays one argument, and a % in it is
        // not expanded by the batch file.
        {"ampersand", {0, 1, "C:\\R&D", "", ""}, "\"C:\\R&D\\*.*\" "},
        {"parenthesis in a file name", {0, 2, "", "C:\\Docs", "a(1).txt"}, "\"C:\\Docs\\a(1).txt\" "},
        {"percent in folder and file", {0, 2, "", "C:\\100%", "%PATH%.txt"}, "C:\\100%\\%PATH%.txt "},
        {"percent and blank", {0, 1, "C:\\a %b%", "", ""}, "\"C:\\a %b%\\*.*\" "},
        // For an XCOPY that would not read \*.* as the folder: a final separator instead.
        {"folder by separator, drive root", {0, 1, "D:\\", "", "", true}, "D:\\ "},
        {"file level by separator unchanged", {0, 2, "", "D:\\x", "a.txt", true}, "D:\\x\\a.txt "},
        // A network share keeps the two separators that open it; its root is the share.
        {"share, drive level", {0, 0, "\\\\nas\\sauvegardes\\2024", "", ""}, "\\\\nas\\sauvegardes\\. "},
        {"share with a blank, file", {0, 2, "", "\\\\nas\\mes photos", "a.jpg"}, "\"\\\\nas\\mes photos\\a.jpg\" "},
        {"share, folder by separator", {0, 1, "\\\\nas\\s\\", "", "", true}, "\\\\nas\\s\\ "},
    };
    for (const auto& [what, choice, part] : rows) EXPECT_EQ(LocationPart(choice), part) << what;
}

TEST(SwitchesPart, ListsTheSwitchesOfValueOneInTableOrder) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        // a value per box ('-': -1), date, part
        {"00101000000000000000", ":31/12/2003", "/D:31/12/2003  /S "},
        {"00100000000000000000", "", "/D  "},
        {"00000000000000000000", "", ""},
        {"00000000000000000110", "", "/Y /-Y "},
        {"10000000000000000001", ":01/01/2000", "/A /N "},  // the date goes with /D only
        {"2-001000000000000000", "", "/S "},
    };
    std::array<std::string, kSwitchCount> tokens;
    for (std::size_t i = 0; i < tokens.size(); ++i) tokens[i] = TokenFromLabel(kSwitchTable[i].description);
    for (const auto& [values, date, part] : rows) {
        std::array<int, kSwitchCount> ticks{};
        for (std::size_t i = 0; i < ticks.size(); ++i) ticks[i] = values[i] == '-' ? -1 : values[i] - '0';
        EXPECT_EQ(SwitchesPart(ticks, tokens, date), part) << values;
    }
}

TEST(Quote, WrapsTextsWithABlankOrACommandOperator) {
    const Row rows[] = {
        {"", ""},
        {"fin ", "\"fin \""},        // the blank is the last character
        {"\"a b\"", "\"\"a b\"\""},  // already quoted: quoted again
        {"a\tb", "a\tb"},            // a tab is no blank
    };
    for (const auto& [input, output] : rows) EXPECT_EQ(Quote(input), output) << input;
    for (const char op : std::string_view("&|<>^(),;=")) {
        const std::string text = std::string("a") + op + "b";
        EXPECT_EQ(Quote(text), '"' + text + '"');
    }
}

TEST(DbleSlash, ReducesEachPairOfSeparatorsToItsSecondCharacter) {
    const Row rows[] = {
        {"", ""},
        {"a\\\\\\b", "a\\\\b"},  // three become two
        {"a////b", "a//b"},      // four become two
        {"a/\\b", "a\\b"},
        {"a\\/b", "a/b"},
        {"\\\\serveur\\partage", "\\serveur\\partage"},
        {"\"D:\\\\a b\\*.*\" ", "\"D:\\a b\\*.*\" "},  // inside quotes too
        {"a\\", "a\\"},
    };
    for (const auto& [input, output] : rows) EXPECT_EQ(DbleSlash(input), output) << input;
}

}  // namespace
}  // namespace lorvane
