// The help page and the README say what the tables hold: a switch added to the table fails
// here until the help describes it, a control added until the README counts it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/frm_xcopy.h"
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

}  // namespace
}  // namespace lorvane
