#include "app/controls.h"
#include "support/fake_disk.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace lorvane {
namespace {

std::function<void()> Noted(std::vector<std::string>& log, const std::string& name, std::function<void()> body) {
    return [&log, name, body] {
        log.push_back(name + " in");
        body();
        log.push_back(name + " out");
    };
}

TEST(CheckBox, NestedChainsFinishInsideTheOuterSetter) {
    // a's handler ticks b, b's handler ticks c; c's handler clears a again, which runs
    // a's handler nested a second time. Every handler sees the state its own setter left.
    CheckBox a, b, c;
    std::vector<std::string> log;
    a.Click = [&] {
        log.push_back("a" + std::to_string(a.Value()) + " in");
        if (a.Value() == 1) b.SetValue(1);
        log.push_back("a" + std::to_string(a.Value()) + " out");
    };
    b.Click = Noted(log, "b", [&] { c.SetValue(1); });
    c.Click = Noted(log, "c", [&] { a.SetValue(0); });
    a.SetValue(1);
    log.push_back("returned");
    EXPECT_EQ(log, (std::vector<std::string>{"a1 in", "b in", "c in", "a0 in", "a0 out", "c out", "b out", "a0 out",
                                             "returned"}));
    EXPECT_EQ(a.Value(), 0);
}

// Each handler sees its group already switched: the selected index, then the button.
TEST(OptionGroup, SelectingOneClearsItsGroupOnlyAndRaisesOnce) {
    OptionGroup left, right;
    std::vector<std::string> clicks;
    for (int i = 0; i < 3; ++i) {
        left[i].Click = [&, i] { clicks.push_back("L" + std::to_string(left.Selected()) + std::to_string(i)); };
        right[i].Click = [&, i] { clicks.push_back("R" + std::to_string(right.Selected()) + std::to_string(i)); };
    }
    left[0].SetValue(true);
    right[2].SetValue(true);
    left[1].SetValue(true);
    left[1].SetValue(true);   // already selected: nothing
    left[1].SetValue(false);  // deselecting raises nothing
    left[2].SetValue(true);
    EXPECT_EQ(clicks, (std::vector<std::string>{"L00", "R22", "L11", "L22"}));
    EXPECT_EQ(std::tuple(left.Selected(), left[0].Value(), left[1].Value(), right.Selected()),
              std::tuple(2, false, false, 2));
}

TEST(TextBox, SelectionPropertiesFollowTheEditBoxRules) {
    // Text, its limit (0: none), selection, replacement; the text selected before it, the text and the caret after it.
    const std::tuple<const char*, int, int, int, const char*, const char*, const char*, int> rows[] = {
        {"XCOPY a b", 0, 6, 1, "zz", "a", "XCOPY zz b", 8},
        {"abc", 0, 1, 0, "X", "", "aXbc", 2},      // insert at the caret
        {"abc", 0, 0, 65535, "", "abc", "", 0},    // length clamped to the text
        {"abc", 0, 10, 2, "d", "", "abcd", 4},     // start clamped to the end
        {"abc", 0, 0, 3, "abc", "abc", "abc", 3},  // same text: no change event
        // Positions count UTF-16 units, as the edit boxes do: one for é, two for 𝄞.
        {"é𝄞ł", 0, 1, 3, "ż", "𝄞ł", "éż", 2},
        {"𝄞a", 0, 1, 1, "", "", "𝄞a", 0},  // inside a pair: from the pair's start
        {"Łódź", 0, 0, 65535, "łódź", "Łódź", "łódź", 4},
        // A paste is cut where the box is full, never inside a character; the smallest limit holds one unit.
        {"abc", 5, 1, 1, "XY𝄞Z", "b", "aXYc", 3},
        {"aXYc", 5, 3, 0, "0123456789", "", "aXY0c", 4},
        {"", 1, 0, 0, "zz", "", "z", 1},
    };
    for (const auto& [text, limit, start, length, replacement, selected, after, caretAfter] : rows) {
        TextBox box;
        box.SetMaxLength(limit);
        box.SetText(text);
        box.SetSelStart(start);
        box.SetSelLength(length);
        EXPECT_EQ(box.SelText(), selected) << text;
        int changes = 0;
        box.Change = [&] { ++changes; };
        box.SetSelText(replacement);
        EXPECT_EQ(std::tuple(box.Text(), box.SelStart(), box.SelLength()), std::tuple(after, caretAfter, 0)) << text;
        EXPECT_EQ(changes, std::string(text) == after ? 0 : 1) << text;
    }
    TextBox box;
    box.ApplyEdit("typed", 0, 9);  // what the user left in the box, its selection kept within it
    EXPECT_EQ(std::tuple(box.SelStart(), box.SelLength()), std::tuple(0, 5));
    box.ApplyEdit("typed", 2, 0);
    EXPECT_EQ(std::tuple(box.SelStart(), box.SelLength()), std::tuple(2, 0));
    box.SetText("new");  // the caret goes to the start, as the edit box puts it
    EXPECT_EQ(std::tuple(box.SelStart(), box.SelLength()), std::tuple(0, 0));
}

TEST(Lists, TextPathAndDriveChangesRaiseTheirEventOnlyForANewValue) {
    TextBox box;
    DriveList drive;
    DirList dir;
    FileList file;
    testing::FakeFiles disk;
    testing::FakeFolders folders(disk, "C:\\");
    int textChanges = 0, driveChanges = 0, dirChanges = 0;
    box.Change = [&] { ++textChanges; };
    drive.Change = [&] { ++driveChanges; };
    dir.Change = [&] { ++dirChanges; };
    for (const char* text : {"abc", "abc", ""}) box.SetText(text);
    drive.SetDrive("c:");
    drive.SetDrive("c:");
    dir.SetPath(folders, "C:\\A");
    dir.SetPath(folders, "C:\\A");
    EXPECT_EQ(std::tuple(textChanges, driveChanges, dirChanges), std::tuple(2, 1, 1));

    file.SetPath(folders, "C:\\A");
    file.SetFileName("x.txt");
    file.SetPath(folders, "C:\\A");
    EXPECT_EQ(file.FileName(), "x.txt");
    file.SetPath(folders, "C:\\B");  // another folder: no file selected there yet
    EXPECT_EQ(file.FileName(), "");
    // A path written otherwise for the folder shown is no move, and no failure either.
    folders.driveFolders = {{"D:", "C:\\A"}, {"E:", "C:\\B"}};
    EXPECT_TRUE(dir.SetPath(folders, "D:"));
    EXPECT_TRUE(file.SetPath(folders, "E:"));
    EXPECT_EQ(std::tuple(dirChanges, file.Path()), std::tuple(1, "C:\\B"));
    // Each list announces a folder it may move to, and nothing when it stays.
    EXPECT_EQ(folders.announced, (std::vector<std::string>{"C:\\A", "C:\\A", "C:\\B", "D:", "E:"}));
}

}  // namespace
}  // namespace lorvane
