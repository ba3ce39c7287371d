#include "app/folder_entries.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lorvane {
namespace {

std::vector<std::string> Ancestors(const std::string& folder) {
    std::vector<std::string> entries;
    for (const FolderEntry& e : AncestorEntries(folder))
        entries.push_back(e.text + "|" + e.path + "|" + std::to_string(e.depth));
    return entries;
}

TEST(FolderEntries, DrivesAncestorsAndOrder) {
    EXPECT_EQ(std::tuple(DriveCaption("A:\\"), DriveCaption("Z:"), DriveCaption("\\\\"), WithSeparator("C:\\"),
                         WithSeparator("C:\\Docs")),
              std::tuple("a:", "z:", "\\\\", "C:\\", "C:\\Docs\\"));

    EXPECT_EQ(Ancestors("C:\\Docs\\a b"),
              (std::vector<std::string>{"C:\\|C:\\|0", "Docs|C:\\Docs|1", "a b|C:\\Docs\\a b|2"}));
    EXPECT_EQ(
        std::tuple(AncestorEntries("C:\\").size(), AncestorEntries("C:abc").size(), AncestorEntries("C:abc")[0].depth),
        std::tuple(1u, 1u, 0));
    // A share's root is one line, as a drive's is.
    EXPECT_EQ(Ancestors("\\\\nas\\partage\\a"),
              (std::vector<std::string>{"\\\\nas\\partage\\|\\\\nas\\partage\\|0", "a|\\\\nas\\partage\\a|1"}));
    EXPECT_EQ(std::tuple(RootOf("D:\\x\\y"), RootOf("\\\\nas\\partage"), RootOf("//nas/p/q")),
              std::tuple("D:\\", "\\\\nas\\partage\\", "//nas/p/"));

    // Letters of either case together, accented ones after the plain ones, in every script.
    std::vector<std::string> names = {"été", "b", "Łódź", "A", "Été 2", "C", "łza", "я", "Б", "ё", "ÿ", "Ÿz"};
    SortWithoutCase(names);
    EXPECT_EQ(names,
              (std::vector<std::string>{"A", "b", "C", "été", "Été 2", "łza", "Łódź", "ÿ", "Ÿz", "ё", "Б", "я"}));
}

TEST(FolderEntries, ParentFolder) {
    const std::pair<const char*, const char*> rows[] = {
        {"C:\\a\\b", "C:\\a"},
        {"C:\\a", "C:\\"},
        {"C:\\", "C:\\"},
        {"D:\\\\", "D:\\\\"},  // a root stays as it is written
        {"C:\\a\\b\\", "C:\\a"},
        {"Z:\\Été\\łódź", "Z:\\Été"},
        {"\\\\srv\\part\\a", "\\\\srv\\part\\"},
        {"\\\\srv\\part\\", "\\\\srv\\part\\"},
    };
    for (const auto& [folder, parent] : rows) EXPECT_EQ(ParentFolder(folder), parent) << folder;
}

// A list as it stands: the ancestors of the open folder, then its subfolders.
TEST(FolderEntries, ACharacterGoesToTheNextNameStartingWithIt) {
    const std::vector<std::string> names = {"C:\\", "Docs", "a b", "Été", "alpha", "Beta", "ébène", "łza", "Łódź", "я"};
    auto jump = [&](int current, char32_t typed) {
        return EntryStartingWith(static_cast<int>(names.size()), current, typed,
                                 [&](int i) -> const std::string& { return names[static_cast<std::size_t>(i)]; });
    };
    const std::tuple<int, char32_t, int> rows[] = {
        {2, U'a', 4},   // the next one after the highlighted entry
        {4, U'A', 2},   // either case; round to the top after the last
        {-1, U'a', 2},  // nothing highlighted: from the top
        {0, U'c', 0},   // the only one: stays there
        {1, U'b', 5},   {3, U'É', 6},   {6, U'é', 3},  {7, U'Ł', 8},
        {8, U'ł', 7},   {0, U'Я', 9},   {1, U'z', -1},  // no name starts with it
        {1, U'\b', -1}, {1, U'\r', -1},                 // Backspace and Enter are no names' start
        {12, U'd', 1},                                  // a highlight past the end, as while a listing is replaced
    };
    for (const auto& [current, typed, expected] : rows)
        EXPECT_EQ(jump(current, typed), expected) << current << " " << static_cast<int>(typed);
    EXPECT_EQ(EntryStartingWith(0, -1, U'a', [](int) { return std::string(); }), -1);
}

}  // namespace
}  // namespace lorvane
