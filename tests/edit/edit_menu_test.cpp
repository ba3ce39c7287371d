#include "support/form_fixture.h"

namespace lorvane {
namespace {

class EditMenuTest : public testing::FormTest {
protected:
    TextBox& Active(int index, int start, int length) {
        TextBox& box = form.TxtCmd[static_cast<std::size_t>(index)];
        form.ActiveControl = &box;
        box.SetSelStart(start);
        box.SetSelLength(length);
        return box;
    }
};

TEST_F(EditMenuTest, CopyCutAndPasteInTheActiveBox) {
    platform.clipboard = "ancien";
    Active(3, 2, 0);
    form.MnuCopier_Click();  // an empty selection empties the clipboard
    EXPECT_EQ(platform.clipboard, "");

    form.MnuSelect_Click();  // then the whole full line
    form.MnuCopier_Click();
    EXPECT_EQ(platform.clipboard, "XCOPY C:\\.  C:\\.  /S /E /C /H /Y ");

    TextBox& destination = Active(1, 0, 65535);
    form.MnuCouper_Click();
    EXPECT_EQ(std::tuple(platform.clipboard, destination.Text(), FullLine()),
              std::tuple("C:\\. ", "", "XCOPY C:\\.   /S /E /C /H /Y "));  // the source part, two blanks

    Active(2, 0, 0);
    form.MnuColler_Click();  // pasting into the switches recomposes the full line
    EXPECT_EQ(Switches(), "C:\\. /S /E /C /H /Y ");
    EXPECT_EQ(FullLine(), "XCOPY C:\\.   C:\\. /S /E /C /H /Y ");

    platform.clipboard = "";  // no text on the clipboard: the selection goes
    TextBox& source = Active(0, 0, 2);
    form.MnuColler_Click();
    EXPECT_EQ(source.Text(), "\\. ");
}

TEST_F(EditMenuTest, WithoutATextBoxOnlyTheClipboardIsClearedAndARefusedCutKeepsTheText) {
    platform.clipboard = "ancien";
    form.ActiveControl = &form.Check1[kSwitchA];
    const std::string line = FullLine();
    form.MnuSelect_Click();
    form.MnuColler_Click();
    form.MnuCouper_Click();
    EXPECT_EQ(std::tuple(platform.clipboard, FullLine()), std::tuple("", line));
    form.ActiveControl = nullptr;
    form.MnuCopier_Click();
    EXPECT_EQ(FullLine(), line);

    platform.clipboardFails = true;
    TextBox& box = Active(2, 0, 3);
    form.MnuCouper_Click();
    EXPECT_EQ(box.Text(), "/S /E /C /H /Y ");
}

TEST_F(EditMenuTest, MouseUpEnablesCutAndCopyByTheActiveSelection) {
    TextBox& box = Active(3, 0, 5);
    form.TxtCmd_MouseUp(3);
    EXPECT_TRUE(form.MnuCouper.Enabled() && form.MnuCopier.Enabled());
    box.SetSelStart(2);
    form.TxtCmd_MouseUp(3);
    EXPECT_EQ(std::tuple(form.MnuCouper.Enabled(), form.MnuCopier.Enabled(), form.MnuColler.Enabled()),
              std::tuple(false, false, true));

    box.SetSelLength(3);
    form.ActiveControl = &form.Check1[kSwitchA];  // no selection there: an empty one
    form.TxtCmd_MouseUp(0);
    EXPECT_FALSE(form.MnuCopier.Enabled());
}

}  // namespace
}  // namespace lorvane
