#include "app/drive_entries.h"

#include <gtest/gtest.h>

namespace lorvane {
namespace {

struct DrivesCase {
    std::vector<std::string> system;
    std::string selected;
    std::vector<std::string> offered;
};

TEST(DriveEntries, TheSystemsDrivesAndTheSelectedOne) {
    const DrivesCase cases[] = {
        {{"C:\\", "D:\\", "Z:\\"}, "C:", {"C:", "D:", "Z:"}},
        // A drive that came is offered in its place; one that went is no longer.
        {{"C:\\", "Z:\\", "Q:\\"}, "Z:", {"C:", "Q:", "Z:"}},
        {{"C:\\"}, "C:", {"C:"}},
        // The selected drive gone: still offered while the folder lists show it.
        {{"C:\\", "Z:\\"}, "Q:", {"C:", "Q:", "Z:"}},
        // Names as they may come: bare, lower case, twice; and nothing that is not a drive.
        {{"d:", "D:\\", "c:/", "z:", "A:", "\\\\", "", "CD:\\", "1:\\", "E:x", "F:\\x"}, "", {"A:", "C:", "D:", "Z:"}},
        {{}, "c:", {"C:"}},
        {{}, "\\\\srv\\partage", {}},
    };
    for (const DrivesCase& c : cases) EXPECT_EQ(DrivesToOffer(c.system, c.selected), c.offered) << c.selected;
}

}  // namespace
}  // namespace lorvane
