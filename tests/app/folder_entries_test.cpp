#include "app/folder_entries.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lorvane {
namespace {

TEST(FolderEntries, DrivesAncestorsAndOrder) {
    EXPECT_EQ(std::tuple(DriveCaption("C:\\"), DriveCaption("\\\\"), WithSeparator("C:\\"), WithSeparator("C:\\Docs")),
              std::tuple("c:", "\\\\", "C:\\", "C:\\Docs\\"));

    std::vector<std::string> ancestors;
    for (const FolderEntry& e : AncestorEntries("C:\\Docs\\a b"))
        ancestors.push_back(e.text + "|" + e.path + "|" + std::to_string(e.depth));
    EXPECT_EQ(ancestors, (std::vector<std::string>{"C:\\|C:\\|0", "Docs|C:\\Docs|1", "a b|C:\\Docs\\a b|2"}));
    EXPECT_EQ(AncestorEntries("C:\\").size(), 1u);

    // Letters of either case together, accented ones after the plain ones, in every script.
    std::vector<std::string> names = {"été", "b", "Łódź", "A", "Été 2", "C", "łza", "я", "Б", "ё", "ÿ", "Ÿz"};
    SortWithoutCase(names);
    EXPECT_EQ(names,
              (std::vector<std::string>{"A", "b", "C", "été", "Été 2", "łza", "Łódź", "ÿ", "Ÿz", "ё", "Б", "я"}));
}

}  // namespace
}  // namespace lorvane
