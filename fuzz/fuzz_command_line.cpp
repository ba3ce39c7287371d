// The command line builder: its helpers and parts checked by what they must keep, then the
// main window over the fake platform driven by user actions, its boxes checked after each one.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/frm_xcopy.h"
#include "app/quoting.h"
#include "app/text_utils.h"
#include "command/command_line.h"
#include "fuzz_support.h"
#include "support/fake_platform.h"

namespace {

using namespace lorvane;

// Outside quotes, the command interpreter ends an argument at any of these.
constexpr std::string_view kSplitters = " &|<>^(),;=";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Each run of separators as one mark: all that merging separators may not change.
std::string Shape(std::string_view text) {
    std::string shape;
    for (char c : text) {
        if (!IsSeparator(c) || shape.empty() || shape.back() != '/') shape += IsSeparator(c) ? '/' : c;
    }
    return shape;
}

bool HasRun(std::string_view text, std::size_t n) {
    return std::search_n(text.begin(), text.end(), n, 0, [](char c, int) { return IsSeparator(c); }) != text.end();
}

std::size_t Separators(std::string_view text) { return std::count_if(text.begin(), text.end(), IsSeparator); }

void CheckHelpers(const std::string& text) {
    const std::string quoted = Quote(text);
    const bool wrapped = quoted == '"' + text + '"';
    FUZZ_CHECK(wrapped || quoted == text, "Quote changed the text beyond wrapping it");
    FUZZ_CHECK(wrapped == (text.find_first_of(kSplitters) != text.npos), "Quote did not wrap just what would split");

    const std::string merged = DbleSlash(text);
    FUZZ_CHECK(merged.size() <= text.size() && Shape(merged) == Shape(text), "DbleSlash lost or added a character");
    FUZZ_CHECK(2 * Separators(merged) >= Separators(text), "DbleSlash dropped a separator that had no partner");
    FUZZ_CHECK(HasRun(text, 3) || !HasRun(merged, 2), "DbleSlash left two adjacent separators from fewer than three");
    FUZZ_CHECK(text.empty() || merged.back() == text.back(), "DbleSlash did not keep the second of a pair");
}

std::string CheckLocationPart(const LocationChoice& choice) {
    std::string part = LocationPart(choice);
    if (choice.currentDirectory == 1 || choice.level < 0 || choice.level > 2) {
        FUZZ_CHECK(part == (choice.currentDirectory == 1 ? ". " : ""), "a part without a path is not \". \" or empty");
        return part;
    }
    const std::string named = choice.level == 0   ? RootOf(choice.dirPath) + "."
                              : choice.level == 1 ? choice.dirPath + (choice.folderBySeparator ? "\\" : "\\*.*")
                                                  : choice.filePath + "\\" + choice.fileName;
    FUZZ_CHECK(part.size() >= 2 && part.back() == ' ' && part[part.size() - 2] != ' ', "a part not ended by one blank");
    std::string_view argument(part.data(), part.size() - 1);
    if (named.find_first_of(kSplitters) != named.npos) {
        FUZZ_CHECK(argument.size() > 1 && argument.front() == '"' && argument.back() == '"', "a path would split");
        argument = argument.substr(1, argument.size() - 2);
    }
    FUZZ_CHECK(named.find('"') != named.npos || argument.find('"') == argument.npos, "a quote of the part's own");
    FUZZ_CHECK(Shape(argument) == Shape(named), "a location part names another path");
    const auto opensShare = [](std::string_view p) { return p.size() > 1 && IsSeparator(p[0]) && IsSeparator(p[1]); };
    const bool network = opensShare(named);
    FUZZ_CHECK(network == opensShare(argument), "the two separators opening a network path were not kept");
    FUZZ_CHECK(HasRun(named, 3) || !HasRun(argument.substr(network ? 2 : 0), 2),
               "a location part keeps a doubled separator");
    return part;
}

// The window after each user action: a box holds what it is made of or the user's own text.
std::string SidePart(const CheckBox& current, const OptionGroup& level, const DirList& dir, const FileList& file,
                     bool bySep) {
    return CheckLocationPart({current.Value(), level.Selected(), dir.Path(), file.Path(), file.FileName(), bySep});
}

void CheckForm(FrmXcopy& form, const testing::FakePlatform& platform, std::array<std::optional<std::string>, 4>& hand) {
    const auto& box = form.TxtCmd;
    const std::string date = XcopyDate(form.DateCopie, platform.datesMonthFirst);
    std::string switches;  // each ticked switch alone, one after the other in table order
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        std::array<int, kSwitchCount> alone{};
        alone[i] = form.Check1[i].Value();
        const std::string one = SwitchesPart(alone, form.Argument, date);
        FUZZ_CHECK(one == (alone[i] != 1 ? "" : form.Argument[i] + (kSwitchTable[i].takesDate ? date + " " : "") + " "),
                   "a switch alone is not its token, its date if it takes one, and a blank");
        switches += one;
    }
    const std::array<std::string, 4> expected = {
        SidePart(form.ChkSource, form.Option1, form.Dir1, form.File1, false),
        SidePart(form.ChkDestination, form.Option2, form.Dir2, form.File2, !platform.wildcardDestinationIsFolder),
        switches, "XCOPY " + box[0].Text() + " " + box[1].Text() + " " + box[2].Text()};
    for (std::size_t i = 0; i < box.size(); ++i) {
        if (box[i].Text() == expected[i]) hand[i].reset();
        FUZZ_CHECK(box[i].Text() == expected[i] || hand[i] == box[i].Text(), "a box is neither its parts nor typed");
        FUZZ_CHECK(box[i].SelStart() >= 0 && box[i].SelLength() >= 0 &&
                       box[i].SelStart() + box[i].SelLength() <= static_cast<int>(box[i].Text().size()),
                   "a selection outside its text");
    }
}

FolderEntry Folder(const std::string& path) { return {path, path, 0}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in{data, size};
    for (int i = 0; i < 3; ++i) CheckHelpers(in.Text(96));
    testing::FakePlatform platform;
    platform.dateOrder = static_cast<DateOrder>(in.Pick(3));
    platform.datesMonthFirst = !(platform.wildcardDestinationIsFolder = in.Pick(2) == 0);  // Windows' or Wine's
    for (int i = in.Pick(4); i > 0; --i) platform.inputAnswers.push_back(in.Text(24));
    for (int i = in.Pick(8); i > 0; --i) platform.messageAnswers.push_back(in.Pick(2) ? MsgResult::No : MsgResult::Yes);
    FrmXcopy form(platform);
    form.Form_Load();
    std::array<std::optional<std::string>, 4> hand;
    CheckForm(form, platform, hand);
    for (int step = 0; step < 48 && !in.Empty(); ++step) {
        const bool other = in.Pick(2) == 1;  // the destination's control rather than the source's
        switch (in.Pick(10)) {
            case 0: form.Check1[static_cast<std::size_t>(in.Pick(kSwitchCount))].SetValue(in.Pick(3)); break;
            case 1: (other ? form.Option2 : form.Option1)[in.Pick(3)].SetValue(true); break;
            case 2: (other ? form.ChkDestination : form.ChkSource).SetValue(in.Pick(3)); break;
            case 3: form.OpenFolder(other ? form.Dir2 : form.Dir1, Folder(in.Text(96))); break;
            case 4: form.PickFile(other ? form.File2 : form.File1, FolderEntry{in.Text(48), "", 0}); break;
            case 5: {
                TextBox& box = form.TxtCmd[static_cast<std::size_t>(in.Pick(4))];
                const std::string before = box.Text(), text = in.Text(96);
                const int start = in.Byte() - 16;
                box.ApplyEdit(text, start, in.Byte() - 16);
                if (box.Text() != before) hand[static_cast<std::size_t>(&box - form.TxtCmd.data())] = box.Text();
                break;
            }
            case 6:
                (other ? form.Drive2 : form.Drive1)
                    .SetDrive(in.Pick(8) == 0 ? in.Text(4) : std::string{static_cast<char>('A' + in.Pick(26)), ':'});
                break;
            case 7: form.mnu_s_activite_Click(); break;
            case 8:
                platform.unreadableFolders.insert(in.Pick(2) ? in.Text(96) : (other ? form.Dir2 : form.Dir1).Path());
                break;
            default: form.FaireCmd(in.Text(3).c_str());
        }
        CheckForm(form, platform, hand);
    }
    return 0;
}
