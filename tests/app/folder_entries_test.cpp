#include "app/folder_entries.h"
#include "app/folder_reading.h"
#include "app/temp_names.h"
#include "app/name_order.h"
#include "app/start_arguments.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>

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
    EXPECT_EQ(std::tuple(WithoutTrailingSeparators("C:\\a\\/"), WithoutTrailingSeparators("C:\\"),
                         WithoutTrailingSeparators("\\\\srv\\part\\")),
              std::tuple("C:\\a", "C:\\", "\\\\srv\\part\\"));
}

// The system's order stands in the tests as the names folded; equal names keep their order.
class FoldedCollation : public NameCollation {
public:
    void AppendSortKey(std::string_view name, std::string& keys) const override { keys += Folded(name) + '\0'; }
    bool StartsWith(std::string_view name, std::string_view prefix) const override {
        return Folded(name).starts_with(Folded(prefix));
    }
};

// A listing's names keep what the system said of each, and a file picked by its short name
// is found by it.
TEST(NameList, EachNameKeepsItsMarkAndShortNameAndIsFoundByEither) {
    NameList names;
    names.Add("foo.", true);
    names.SetShortName(0, "FOO_~YAG");
    names.Add("foo");
    names.Add("été");
    EXPECT_TRUE(names.LoneSurrogateAt(0));
    EXPECT_FALSE(names.LoneSurrogateAt(1));
    EXPECT_FALSE(names.LoneSurrogateAt(2));
    const FolderEntry entry = names.Entry(0, 3);
    EXPECT_EQ(std::tie(entry.text, entry.shortName, entry.loneSurrogate, entry.depth),
              std::make_tuple("foo.", "FOO_~YAG", true, 3));
    const std::pair<const char*, std::size_t> finds[] = {
        {"foo", 1}, {"FOO_~YAG", 0}, {"foo.", 0}, {"été", 2}, {"fo", 3}, {"", 3}};
    for (const auto& [name, index] : finds) EXPECT_EQ(names.Find(name), index) << name;
}

// The reading: no "." or "..", a first part once there is enough to show, and short names
// for the names the system would read as others, none for two names made alike.
TEST(FolderReading, DotEntriesFirstPartAndShortNames) {
    for (const auto& [name, dot] : {std::pair{u".", true}, {u"..", true}, {u"...", false}, {u".a", false}, {u"", false}})
        EXPECT_EQ(IsDotEntry(std::u16string_view(name)), dot) << std::u16string_view(name).size();
    const std::tuple<std::size_t, std::uint64_t, bool> paces[] = {
        {63, 29, false}, {64, 0, true}, {16, 30, true}, {15, 999, false}, {16, 29, false}};
    for (const auto& [names, ms, due] : paces) EXPECT_EQ(FirstPartDue(names, ms), due) << names << " " << ms;

    NameList folders, files;
    for (const char* name : {"foo.", "foo", "half\xEF\xBF\xBD"}) folders.Add(name, name[0] == 'h');
    files.Add("bar ");
    EXPECT_EQ(std::tuple(HoldsFlawedNames(folders), HoldsFlawedNames(files), HoldsFlawedNames(NameList())),
              std::tuple(true, true, false));
    const std::vector<ShortNameRead> read = {{"foo.", false, "FOO~1"},
                                             {"bar ", false, "BAR~1"},
                                             {"half\xEF\xBF\xBD", true, "HALF~1"},
                                             {"half\xEF\xBF\xBD", true, "HALF~2"}};
    EXPECT_EQ(std::tuple(NeedsShortName("foo.", false), NeedsShortName("foo", false), NeedsShortName("foo", true)),
              std::tuple(true, false, true));
    GiveShortNames({&folders, &files}, read);
    EXPECT_EQ(std::tuple(folders.Entry(0, 0).shortName, folders.Entry(1, 0).shortName,
                         folders.Entry(2, 0).shortName, files.Entry(0, 0).shortName),
              std::tuple("FOO~1", "", "", "BAR~1"));
}

// The profile the program is started with, split from its line as the system splits it.
TEST(StartArguments, TheFirstArgumentAsTheSystemSplitsTheLine) {
    const std::pair<const char*, std::optional<std::string>> lines[] = {
        {"lorvane.exe", std::nullopt},
        {"\"C:\\Mes outils\\lorvane.exe\" \t ", std::nullopt},
        {"\"C:\\Mes outils\\lorvane.exe\" \"D:\\Profils été\\copie.lvp\" autre", "D:\\Profils été\\copie.lvp"},
        {"lorvane.exe\tC:\\a\\b.lvp suite", "C:\\a\\b.lvp"},
        {"\"x\"y", "y"},
        {"x a\\\\\\\"b\\\\\"c d\"", "a\\\"b\\c d"},
        {"x \"a\"\"b\" c", "a\"b c"},
        {"x \"\"", ""},
        {"x a\\\\b\\", "a\\\\b\\"},
    };
    for (const auto& [line, first] : lines) EXPECT_EQ(FirstArgumentOf(line), first) << line;
    // The line alone is read, never what lies beyond its end.
    EXPECT_EQ(FirstArgumentOf(std::string_view("lorvane.exe   x").substr(0, 13)), std::nullopt);
}

// The program's own files: a short temporary name beside the target, in base 36 lowest digit
// first, and the program's folder, its separator kept at a drive's root alone.
TEST(TempNames, BesideTheTargetAndTheProgramsFolder) {
    EXPECT_EQ(std::tuple(TempPathBeside("C:\\a\\batch.bat", 0, 1), TempPathBeside("C:\\b.bat", 46656 + 37, 36),
                         TempPathBeside("batch.bat", 35, 35), TempPathBeside("D:/x/y", 1, 2)),
              std::tuple("C:\\a\\~.1", "C:\\~11.01", "~z.z", "D:/x/~1.2"));
    EXPECT_EQ(std::tuple(FolderOfProgram("C:\\Lorvane\\lorvane.exe"), FolderOfProgram("C:\\lorvane.exe"),
                         FolderOfProgram("lorvane.exe"), FolderOfProgram("\\\\srv\\partage\\l.exe")),
              std::tuple("C:\\Lorvane", "C:\\", "", "\\\\srv\\partage"));
}

std::vector<FolderEntry> EntriesOf(const NameList& names) {
    std::vector<FolderEntry> entries;
    for (std::size_t i = 0; i < names.Size(); ++i) entries.push_back(names.Entry(i, 0));
    return entries;
}

// Names are ordered by the collation, equal names in reading order. A huge folder is ordered
// in runs as it is read, merged as they come: cut anywhere, the merged runs give the order of the whole, each name
// with its short name and mark.
TEST(NameOrder, RunsOrderedApartMergeIntoTheOrderOfTheWholeEqualNamesKeepingTheirOrder) {
    const std::string letters[] = {"b", "A", "a", "é", "B", "c", "É"};
    NameList all;
    for (std::size_t i = 0; i < 40; ++i) {
        all.Add(letters[(i * 5 + i / 7) % 7] + std::to_string(i % 2), i % 9 == 4);
        if (i % 6 == 1) all.SetShortName(i, "S~" + std::to_string(i));
    }
    NameList few;
    for (const char* name : {"b", "A", "a", "é", "B"}) few.Add(name);
    std::vector<std::string> fewOrdered;
    for (const FolderEntry& entry : EntriesOf(Ordered(few, FoldedCollation()))) fewOrdered.push_back(entry.text);
    EXPECT_EQ(fewOrdered, (std::vector<std::string>{"A", "a", "b", "B", "é"}));

    const std::vector<FolderEntry> whole = EntriesOf(Ordered(all, FoldedCollation()));
    for (const std::size_t runSize : {1u, 3u, 7u, 40u}) {
        std::vector<NameList> runs;
        for (std::size_t i = 0; i < all.Size(); ++i) {
            if (i % runSize == 0) runs.emplace_back();
            runs.back().AddFrom(all, i);
        }
        runs.emplace_back();  // a run of folders alone holds no files
        RunMerger merger;
        for (const NameList& run : runs) merger.Add({run, OrderedRun(run, FoldedCollation())});
        const std::vector<FolderEntry> merged = EntriesOf(merger.Finish());
        ASSERT_EQ(merged.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i) {
            EXPECT_EQ(std::tie(merged[i].text, merged[i].shortName, merged[i].loneSurrogate),
                      std::tie(whole[i].text, whole[i].shortName, whole[i].loneSurrogate))
                << runSize << " " << i;
        }
    }
}

// A list as it stands: the ancestors of the open folder, then its subfolders. Letters typed
// far apart each go to the next name starting with them; typed in quick succession they
// make one prefix, but for the same letter again, which walks on.
TEST(NameOrder, LettersGoToTheNextNameStartingWithThemAndQuickOnesMakeOnePrefix) {
    const std::vector<std::string> names = {"C:\\", "Docs", "a b", "Été",    "alpha", "Beta", "ébène",
                                            "łza",  "Łódź", "я",   "file10", "file2", "fiche"};
    const auto nameAt = [&](int i) -> const std::string& { return names[static_cast<std::size_t>(i)]; };
    const int count = static_cast<int>(names.size());
    TypeAhead typed;
    std::uint64_t now = 0;
    const std::tuple<int, char32_t, int> apart[] = {
        {2, U'a', 4},   // the next one after the highlighted entry
        {4, U'A', 2},   // either case; round to the top after the last
        {-1, U'a', 2},  // nothing highlighted: from the top
        {0, U'c', 0},   // the only one: stays there
        {1, U'b', 5},   {3, U'É', 6},   {6, U'é', 3},  {7, U'Ł', 8},
        {8, U'ł', 7},   {0, U'Я', 9},   {1, U'z', -1},  // no name starts with it
        {1, U'\b', -1}, {1, U'\r', -1},                 // Backspace and Enter are no names' start
        {15, U'd', 1},                                  // a highlight past the end, as while a listing is replaced
    };
    for (const auto& [current, character, expected] : apart) {
        now += 1000;
        EXPECT_EQ(typed.Typed(character, now, 500, count, current, nameAt, FoldedCollation()), expected)
            << current << " " << static_cast<int>(character);
    }
    const std::tuple<std::uint64_t, int, char32_t, int> quick[] = {
        {5000, 0, U'f', 10},   {5100, 10, U'i', 10}, {5200, 10, U'c', 12},  // "fic", from the highlighted one on
        {6000, 12, U'f', 10},  {6100, 10, U'f', 11}, {6200, 11, U'f', 12},  // "fff" walks through the f's
        {6300, 12, U'\b', -1}, {6400, 12, U'f', 10},                        // Backspace starts again
        {6450, 10, U'x', -1},  {6500, 10, U'É', 3},  // "fx" names nothing; "xÉ" neither: "É" alone walks on
        {0, 0, U'a', -1},                            // an empty list
    };
    for (const auto& [at, current, character, expected] : quick) {
        EXPECT_EQ(typed.Typed(character, at, 500, at == 0 ? 0 : count, current, nameAt, FoldedCollation()), expected)
            << at;
    }
}

}  // namespace
}  // namespace lorvane
