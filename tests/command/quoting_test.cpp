#include "command/quoting.h"

#include <gtest/gtest.h>

namespace lorvane {
namespace {

struct Row {
    const char* input;
    const char* output;
};

TEST(Quote, WrapsTextsWithABlankOrACommandOperator) {
    const Row rows[] = {
        {"", ""},
        {"C:\\Docs\\*.*", "C:\\Docs\\*.*"},
        {"C:\\Mes dossiers\\a b\\*.*", "\"C:\\Mes dossiers\\a b\\*.*\""},
        {"fin ", "\"fin \""},                          // the blank is the last character
        {"\"a b\"", "\"\"a b\"\""},                    // already quoted: quoted again
        {"a\tb", "a\tb"},                              // a tab is no blank
        {"C:\\R&D", "\"C:\\R&D\""},
        {"a|b", "\"a|b\""}, {"a<b", "\"a<b\""}, {"a>b", "\"a>b\""}, {"a^b", "\"a^b\""},
        {"a(b", "\"a(b\""}, {"a)b", "\"a)b\""}, {"a,b", "\"a,b\""}, {"a;b", "\"a;b\""},
        {"a=b", "\"a=b\""},
        {"100%", "100%"},                              // % is doubled, not quoted
        {"C:\\Été", "C:\\Été"},
    };
    for (const Row& row : rows) EXPECT_EQ(Quote(row.input), row.output) << row.input;
}

TEST(DbleSlash, ReducesEachPairOfSeparatorsToItsSecondCharacter) {
    const Row rows[] = {
        {"", ""},
        {"C:\\\\*.* ", "C:\\*.* "},
        {"a\\\\\\b", "a\\\\b"},                 // three become two
        {"a////b", "a//b"},                      // four become two
        {"a/\\b", "a\\b"},
        {"a\\/b", "a/b"},
        {"\\\\serveur\\partage", "\\serveur\\partage"},
        {". ", ". "},
        {"\"D:\\\\a b\\*.*\" ", "\"D:\\a b\\*.*\" "},  // inside quotes too
        {"a\\", "a\\"},
        {"\\", "\\"},
        {"a\\b/c", "a\\b/c"},
    };
    for (const Row& row : rows) EXPECT_EQ(DbleSlash(row.input), row.output) << row.input;
    EXPECT_EQ(DbleSlash(DbleSlash("a\\\\\\b")), "a\\b");
}

TEST(DoublePercents, WritesEachPercentTwice) {
    EXPECT_EQ(DoublePercents("C:\\100%\\%PATH%"), "C:\\100%%\\%%PATH%%");
    EXPECT_EQ(DoublePercents("C:\\sans"), "C:\\sans");
}

}  // namespace
}  // namespace lorvane
