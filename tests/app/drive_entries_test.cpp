#include "app/drive_entries.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lorvane {
namespace {

TEST(DriveEntries, TheSystemsDrivesAndTheSelectedOne) {
    const std::tuple<std::vector<std::string>, std::string, std::vector<std::string>> cases[] = {
        {{"C:\\", "D:\\", "Z:\\"}, "C:", {"C:", "D:", "Z:"}},
        // A drive that came is offered in its place; one that went is no longer.
        {{"C:\\", "Z:\\", "Q:\\"}, "Z:", {"C:", "Q:", "Z:"}},
        // The selected drive gone: still offered while the folder lists show it.
        {{"C:\\", "Z:\\"}, "Q:", {"C:", "Q:", "Z:"}},
        // Names as they may come: bare, lower case, twice; and nothing that is not a drive.
        {{"d:", "D:\\", "c:/", "z:", "a:", "\\\\", "", "CD:\\", "1:\\", "E:x", "F:\\x"}, "", {"A:", "C:", "D:", "Z:"}},
        {std::vector<std::string>(), "c:", {"C:"}},
        {{"A:\\"}, "", {"A:"}},
        {std::vector<std::string>(), "\\\\srv\\partage", {}},
    };
    for (const auto& [system, selected, offered] : cases)
        EXPECT_EQ(DrivesToOffer(system, selected), offered) << selected;
}

}  // namespace
}  // namespace lorvane
