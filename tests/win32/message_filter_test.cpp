// Run as administrator, the window still hears the shell's drops.
#include "window_fixture.h"

#include "win32/message_filter.h"

namespace lorvane::win32::testing {
namespace {

using MessageFilterTest = WindowTest;

TEST_F(MessageFilterTest, TheDropMessagesAreLetThroughToTheWindow) { EXPECT_TRUE(AllowShellDrops(window.Handle())); }

}  // namespace
}  // namespace lorvane::win32::testing
