// The help page and the README say what the tables hold: a switch added to the table fails
// here until the help describes it, a control added until the README counts it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/frm_xcopy.h"
#include "app/menu_table.h"
#include "app/window_layout.h"
#include "support/fake_platform.h"

namespace lorvane {
namespace {

std::string SourceFile(const std::string& relative) {
    std::ifstream in(std::string(LORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Unescaped(std::string text) {
    for (const auto& [escaped, plain] : {std::pair{"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}}) {
        for (std::size_t at = text.find(escaped); at != std::string::npos; at = text.find(escaped, at))
            text.replace(at, std::string_view(escaped).size(), plain);
    }
    return text;
}

TEST(Docs, TheHelpDescribesEachSwitchAndTheCountsAreTheTables) {
    const std::string help = SourceFile("docs/lorvane.html"), readme = SourceFile("README.md");
    const std::string label = "<code class=\"lib\">";
    std::vector<std::string> described, labels;
    for (std::size_t at = help.find(label); at != std::string::npos; at = help.find(label, at)) {
        at += label.size();
        described.push_back(Unescaped(help.substr(at, help.find("</code>", at) - at)));
    }
    for (const SwitchRow& row : kSwitchTable) labels.emplace_back(row.description);
    EXPECT_EQ(described, labels) << "the help's switch table, row by row";
    // The count in words: the help's "vingt commutateurs", the README's "twenty switches", the
    // profile's "vingtième valeur".
    EXPECT_EQ(kSwitchCount, 20) << "say the new count in the help, the README and the profile's texts";
    EXPECT_NE(help.find("Les vingt commutateurs"), std::string::npos);
    EXPECT_NE(readme.find("twenty switches"), std::string::npos);
    testing::FakePlatform platform;
    FrmXcopy form(platform);
    const std::string controls = std::to_string(MainWindowLayout(form).size()) + " child controls";
    EXPECT_NE(readme.find(controls), std::string::npos) << controls;
}

// The help's menu table lists every command of the menu, in its order, with its shortcut.
TEST(Docs, TheHelpListsEachMenuCommandWithItsShortcut) {
    std::string help = SourceFile("docs/lorvane.html");
    for (std::size_t at = help.find("</td>"); at != std::string::npos; at = help.find("</td>", at + 5)) {
        const std::size_t next = help.find_first_not_of(" \n", at + 5);
        if (help.compare(next, 3, "<td") == 0) help.erase(at + 5, next - at - 5);
    }
    const auto plain = [](std::string caption) {
        std::erase(caption, '&');
        return caption;
    };
    std::string parent;
    std::size_t from = help.find("id=\"menus\"");
    for (const MenuRow& row : kMainMenu) {
        if (row.command == 0) {
            if (row.level == 1) parent = plain(row.caption) + " &gt; ";
            continue;
        }
        const std::string shortcut = row.shortcut.f1 ? "<kbd>F1</kbd>"
                                     : row.shortcut.ctrlKey != 0
                                         ? std::string("<kbd>Ctrl</kbd>+<kbd>") + row.shortcut.ctrlKey + "</kbd>"
                                         : "";
        const std::string cells = "<td>" + (row.level == 2 ? parent : "") + plain(row.caption) + "</td><td>" + shortcut;
        from = help.find(cells, from);
        ASSERT_NE(from, std::string::npos) << cells;
    }
}

}  // namespace
}  // namespace lorvane
