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

    // Picked by the name itself, else by an exact short name, else not at all.
    const std::tuple<SystemName, const char*, const char*, const char*> rows[] = {
        // path: none when refused
        {{"\xE9t\xE9", true, ""}, "C:\\", "\xE9t\xE9", "C:\\\xE9t\xE9"},
        {{"?\363d?", false, "_D_~1"}, "C:\\Docs", "_D_~1", "C:\\Docs\\_D_~1"},
        {{"a??mkdir X?rem ?.txt", false, "A__MKD~1.TXT"}, "", "A__MKD~1.TXT", ""},
        {{"?\363d?", false, ""}, "C:\\Docs", "?\363d?", nullptr},
    };
    for (const auto& [name, folder, text, path] : rows) {
        const FolderEntry entry = ListEntry(name, folder, 3);
        EXPECT_EQ(std::tuple(entry.text, entry.path, entry.pickable, entry.depth),
                  std::tuple(text, path != nullptr ? path : "", path != nullptr, 3));
    }

    std::vector<std::string> names = {"\xE9t\xE9", "b", "A", "\xC9t\xE9 2", "C"};
    SortWithoutCase(names);  // é and É fold together, after the plain letters
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "C", "\xE9t\xE9", "\xC9t\xE9 2"}));
}

}  // namespace
}  // namespace lorvane
