// The command line builder: the quoting helpers and the parts built from a plain record of
// choices, then the main window over the fake platform driven by a sequence of user
// actions, with the command boxes checked against the controls after each one.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/frm_xcopy.h"
#include "app/switch_table.h"
#include "command/command_line.h"
#include "app/quoting.h"
#include "fuzz_support.h"
#include "rules/date_answer.h"
#include "support/fake_platform.h"

namespace {

using namespace lorvane;
using fuzz::Reader;

using Ticks = std::array<int, kSwitchCount>;
using Tokens = std::array<std::string, kSwitchCount>;

// ------------------------------------------------------------------------------------------
// The expected behaviour, written from the headers' contracts.

constexpr std::string_view kNeedsQuotes = " &|<>^(),;=";

bool NeedsQuotes(std::string_view text) { return text.find_first_of(kNeedsQuotes) != text.npos; }
bool IsSeparator(char c) { return c == '/' || c == '\\'; }
bool HasQuote(std::string_view text) { return text.find('"') != text.npos; }

// The text with each run of separators reduced to one mark: what merging separator pairs
// must keep (every other character, in order, and each run as at least one separator).
std::string Shape(std::string_view text) {
    std::string shape;
    bool inRun = false;
    for (char c : text) {
        if (IsSeparator(c) && !inRun) shape += '/';  // no other character can be a '/'
        if (!IsSeparator(c)) shape += c;
        inRun = IsSeparator(c);
    }
    return shape;
}

bool HasSeparatorPair(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (IsSeparator(text[i]) && IsSeparator(text[i + 1])) return true;
    }
    return false;
}

// One pass, left to right: a pair of adjacent separators gives its second one, and the
// pairs do not overlap.
std::string PairsMerged(std::string_view text) {
    std::string out;
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (p + 1 < text.size() && IsSeparator(text[p]) && IsSeparator(text[p + 1])) ++p;
        out += text[p];
    }
    return out;
}

// A batch file reads "%%" as one "%"; a single "%" would start a variable name.
std::optional<std::string> UndoPercents(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 1 >= text.size() || text[i + 1] != '%') return std::nullopt;
            ++i;
        }
        out += text[i];
    }
    return out;
}

std::string ExpectedSwitches(const Ticks& ticks, const Tokens& tokens, const std::string& date) {
    std::string text;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        if (ticks[i] != 1) continue;
        text += tokens[i];
        if (i == kSwitchD) text += date + " ";
        text += " ";
    }
    return text;
}

bool IsColonForm(std::string_view text) {
    if (text.size() != 11 || text[0] != ':' || text[3] != '/' || text[6] != '/') return false;
    for (std::size_t i : {1, 2, 4, 5, 7, 8, 9, 10}) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

// ------------------------------------------------------------------------------------------
// The pure functions.

void CheckQuote(const std::string& text) {
    const std::string quoted = Quote(text);
    const bool wrapped = quoted == '"' + text + '"';
    FUZZ_CHECK(wrapped || quoted == text, "Quote changed the text beyond wrapping it");
    FUZZ_CHECK(wrapped == NeedsQuotes(text), "Quote wraps a text that needs no quotes, or leaves one that needs them");
}

void CheckDbleSlash(const std::string& text) {
    const std::string once = DbleSlash(text);
    FUZZ_CHECK(once == PairsMerged(text), "DbleSlash does not merge the separator pairs");
    FUZZ_CHECK(once.size() <= text.size(), "DbleSlash lengthened a text");
    FUZZ_CHECK(Shape(once) == Shape(text), "DbleSlash lost a character or a separator run");

    std::string limit = text;
    for (;;) {
        std::string next = DbleSlash(limit);
        if (next == limit) break;
        FUZZ_CHECK(next.size() < limit.size(), "DbleSlash changed a text without shortening it");
        limit = std::move(next);
    }
    FUZZ_CHECK(!HasSeparatorPair(limit), "DbleSlash, run to its end, left a separator pair");
    FUZZ_CHECK(Shape(limit) == Shape(text), "DbleSlash, run to its end, lost a character");
}

void CheckDoublePercents(const std::string& text) {
    const std::optional<std::string> undone = UndoPercents(DoublePercents(text));
    FUZZ_CHECK(undone && *undone == text, "DoublePercents does not double exactly the %");
}

// Returns the part, checked.
std::string CheckLocationPart(const LocationChoice& choice) {
    std::string part = LocationPart(choice);
    if (choice.currentDirectory == 1) {
        FUZZ_CHECK(part == ". ", "the current folder is not \". \"");
        return part;
    }
    if (choice.level < 0 || choice.level > 2) {
        FUZZ_CHECK(part.empty(), "a part without a level is not empty");
        return part;
    }
    FUZZ_CHECK(part.size() >= 2 && part.back() == ' ' && part[part.size() - 2] != ' ',
               "a location part does not end in exactly one blank");
    const std::string_view argument(part.data(), part.size() - 1);

    // What the part must name, before its separator pairs are merged.
    std::string raw;
    switch (choice.level) {
        case 0: raw = choice.dirPath.substr(0, 3) + "."; break;
        case 1: raw = choice.dirPath + "\\*.*"; break;
        default: raw = choice.filePath + "\\" + choice.fileName; break;
    }
    // Inner quotes are passed on as they are, so the quote counts hold only for paths
    // without one (as every Windows path is).
    const bool rawQuote = HasQuote(raw);
    if (!rawQuote) {
        FUZZ_CHECK(std::count(argument.begin(), argument.end(), '"') % 2 == 0,
                   "the blank ending a location part stands inside quotes");
    }
    std::string_view inner = argument;
    if (choice.level > 0) {  // a drive root ("C:\.") never needs quotes
        if (NeedsQuotes(raw)) {
            FUZZ_CHECK(inner.size() >= 2 && inner.front() == '"' && inner.back() == '"',
                       "a path with a blank or an operator is not between quotes");
            inner = inner.substr(1, inner.size() - 2);
        }
        if (!rawQuote) FUZZ_CHECK(!HasQuote(inner), "a location part holds a quote of its own");
    }
    const std::optional<std::string> undone = UndoPercents(inner);
    FUZZ_CHECK(undone.has_value(), "a single % is left in a location part");
    FUZZ_CHECK(*undone == PairsMerged(raw), "a location part names another path");
    return part;
}

void CheckPureFunctions(Reader& in) {
    LocationChoice choice;
    choice.currentDirectory = in.Pick(3);
    choice.level = in.Pick(4) - 1;
    choice.dirPath = in.Text(96);
    choice.filePath = in.Text(96);
    choice.fileName = in.Text(48);

    for (const std::string* text : {&choice.dirPath, &choice.filePath, &choice.fileName}) {
        CheckQuote(*text);
        CheckDbleSlash(*text);
        CheckDoublePercents(*text);
    }
    const std::string source = CheckLocationPart(choice);

    Ticks ticks{};
    for (int& tick : ticks) tick = in.Pick(3);
    Tokens tokens;
    const bool ownTokens = in.Pick(2) == 1;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        tokens[i] = ownTokens ? in.Text(6) : TokenFromLabel(kSwitchTable[i].description);
    }
    const std::string date = in.Text(16);
    const std::string switches = SwitchesPart(ticks, tokens, date);
    FUZZ_CHECK(switches == ExpectedSwitches(ticks, tokens, date),
               "the switches part is not the ticked tokens in table order");

    const std::string& destination = choice.filePath;
    FUZZ_CHECK(FullCommandLine(source, destination, switches) == "XCOPY " + source + " " + destination + " " + switches,
               "the full line is not XCOPY and the three parts");
}

// ------------------------------------------------------------------------------------------
// The window.

struct FormWatch {
    // Set while an action runs, by the builder and by the boxes' Change events.
    std::array<bool, 3> rebuilt{};
    bool lineRewritten = false;
    // Boxes the user has edited since the builder last wrote them.
    std::array<bool, 3> partEdited{};
    bool lineEdited = false;
    // The part each side's controls call for, kept while they stay the same: building and
    // checking it at every step would take most of the run.
    struct KnownPart {
        bool known = false;
        LocationChoice choice;
        std::string part;
    };
    std::array<KnownPart, 2> sides;
};

bool SameChoice(const LocationChoice& a, const LocationChoice& b) {
    return a.currentDirectory == b.currentDirectory && a.level == b.level && a.dirPath == b.dirPath &&
           a.filePath == b.filePath && a.fileName == b.fileName;
}

const std::string& PartFor(FormWatch::KnownPart& side, LocationChoice choice) {
    if (!side.known || !SameChoice(side.choice, choice)) {
        side.part = CheckLocationPart(choice);
        side.choice = std::move(choice);
        side.known = true;
    }
    return side.part;
}

LocationChoice ChoiceOf(const CheckBox& current, const OptionGroup& level, const DirList& dir, const FileList& file) {
    return {current.Value(), level.Selected(), dir.Path(), file.Path(), file.FileName()};
}

void CheckForm(FrmXcopy& form, FormWatch& watch) {
    const auto& box = form.TxtCmd;
    if (!watch.lineEdited) {
        FUZZ_CHECK(box[3].Text() == "XCOPY " + box[0].Text() + " " + box[1].Text() + " " + box[2].Text(),
                   "the full line is not XCOPY and the three boxes");
    }
    const std::string& source = PartFor(watch.sides[0], ChoiceOf(form.ChkSource, form.Option1, form.Dir1, form.File1));
    const std::string& destination =
        PartFor(watch.sides[1], ChoiceOf(form.ChkDestination, form.Option2, form.Dir2, form.File2));
    if (!watch.partEdited[0]) {
        FUZZ_CHECK(box[0].Text() == source, "the source box does not follow the source controls");
    }
    if (!watch.partEdited[1]) {
        FUZZ_CHECK(box[1].Text() == destination, "the destination box does not follow the destination controls");
    }
    Ticks ticks{};
    for (std::size_t i = 0; i < ticks.size(); ++i) ticks[i] = form.Check1[i].Value();
    if (!watch.partEdited[2]) {
        FUZZ_CHECK(box[2].Text() == ExpectedSwitches(ticks, form.Argument, form.DateCopie),
                   "the switches box does not follow the tick boxes");
    }
    FUZZ_CHECK(form.DateCopie.empty() || form.Check1[kSwitchD].Value() == 1,
               "a date is kept while the date switch is not ticked");
    FUZZ_CHECK(form.DateCopie.empty() || IsColonForm(form.DateCopie), "a kept date is not :DD/MM/YYYY");
    for (const TextBox& text : box) {
        const int length = static_cast<int>(text.Text().size());
        FUZZ_CHECK(text.SelStart() >= 0 && text.SelStart() <= length, "a caret outside its text");
        FUZZ_CHECK(text.SelLength() >= 0 && text.SelStart() + text.SelLength() <= length,
                   "a selection outside its text");
    }
}

std::string DriveName(Reader& in) {
    if (in.Pick(8) == 0) return in.Text(4);
    return std::string{static_cast<char>('A' + in.Pick(26)), ':'};
}

void RunForm(Reader& in) {
    testing::FakePlatform platform;
    platform.dateOrder = static_cast<DateOrder>(in.Pick(3));
    switch (in.Pick(4)) {
        case 0: platform.currentDirectory = "C:\\"; break;
        case 1: platform.currentDirectory = in.Text(64); break;
        default: break;  // the fake's own folder
    }
    std::vector<std::string> answers(static_cast<std::size_t>(in.Pick(4)));
    for (std::string& answer : answers) {
        answer = in.Text(24);
        platform.inputAnswers.push_back(answer);
    }
    std::vector<MsgResult> messageAnswers(static_cast<std::size_t>(in.Pick(8)));
    for (MsgResult& answer : messageAnswers) {
        answer = in.Pick(2) == 0 ? MsgResult::Yes : MsgResult::No;
        platform.messageAnswers.push_back(answer);
    }

    FrmXcopy form(platform);
    FormWatch watch;
    form.OnFaireCmd = [&watch](const std::string& code) {
        if (code == "s") watch.rebuilt[0] = true;
        if (code == "d") watch.rebuilt[1] = true;
        if (code == "a") watch.rebuilt[2] = true;
        watch.lineRewritten = true;  // the builder always writes the full line
    };
    for (std::size_t i = 0; i < 3; ++i) {
        form.TxtCmd[i].Change = [handler = form.TxtCmd[i].Change, &watch] {
            if (handler) handler();
            watch.lineRewritten = true;
        };
    }
    form.Form_Load();
    for (std::size_t i = 0; i < kSwitchTable.size(); ++i) {
        FUZZ_CHECK(form.Argument[i] == TokenFromLabel(kSwitchTable[i].description),
                   "a switch token is not the one of its label");
    }
    CheckForm(form, watch);

    std::size_t inputsSeen = platform.inputs.size();
    std::size_t messagesSeen = platform.messages.size();
    for (int step = 0; step < 48 && !in.Empty(); ++step) {
        watch.rebuilt = {};
        watch.lineRewritten = false;
        int editedBox = -1;
        int tickedSwitch = -1;
        const bool recording = form.mnu_s_activite.Checked();

        const int action = in.Pick(17);
        switch (action) {
            case 0: {
                const int index = in.Pick(kSwitchCount);
                const int value = in.Pick(3);
                CheckBox& box = form.Check1[static_cast<std::size_t>(index)];
                // Setting the value already held is no click: nothing is examined then.
                if (value == 1 && box.Value() != 1) tickedSwitch = index;
                box.SetValue(value);
                break;
            }
            case 1: form.Option1[in.Pick(3)].SetValue(true); break;
            case 2: form.Option2[in.Pick(3)].SetValue(true); break;
            case 3: form.ChkSource.SetValue(in.Pick(3)); break;
            case 4: form.ChkDestination.SetValue(in.Pick(3)); break;
            case 5:
            case 6: {
                const std::string path = in.Text(96);
                form.OpenFolder(action == 5 ? form.Dir1 : form.Dir2, FolderEntry{path, path, 0});
                break;
            }
            case 7:
            case 8: {
                FileList& list = in.Pick(2) == 0 ? form.File1 : form.File2;
                list.SetFileName(in.Text(48));
                if (list.Click) list.Click();
                break;
            }
            case 9: {
                const int index = in.Pick(4);
                TextBox& box = form.TxtCmd[static_cast<std::size_t>(index)];
                const std::string before = box.Text();
                std::string text = in.Text(96);
                const int start = static_cast<int>(in.Byte()) - 16;
                const int length = static_cast<int>(in.Byte()) - 16;
                box.ApplyEdit(std::move(text), start, length);
                if (box.Text() != before) editedBox = index;
                break;
            }
            case 10: form.Drive1.SetDrive(DriveName(in)); break;
            case 11: form.Drive2.SetDrive(DriveName(in)); break;
            case 12: form.mnu_s_activite.Click(); break;
            case 13:
                switch (in.Pick(3)) {
                    case 0: platform.unreadableFolders.insert(form.Dir1.Path()); break;
                    case 1: platform.unreadableFolders.insert(form.Dir2.Path()); break;
                    default: platform.unreadableFolders.insert(in.Text(96)); break;
                }
                break;
            case 14: {
                DirList& list = in.Pick(2) == 0 ? form.Dir1 : form.Dir2;
                if (list.Click) list.Click();
                break;
            }
            case 15: {
                std::string code = in.Text(3);
                form.FaireCmd(code);
                break;
            }
            case 16: {
                const int pick = in.Pick(6);
                TextBox* focused = pick < 4 ? &form.TxtCmd[static_cast<std::size_t>(pick)] : nullptr;
                form.ActiveControl = pick == 4 ? static_cast<Control*>(&form.Check1[kSwitchA]) : focused;
                form.TxtCmd[static_cast<std::size_t>(in.Pick(4))].MouseUp();
                const bool selection = focused != nullptr && !focused->SelText().empty();
                FUZZ_CHECK(form.MnuCouper.Enabled() == selection && form.MnuCopier.Enabled() == selection,
                           "Cut and Copy do not follow the focused box's selection");
                break;
            }
            default: break;
        }

        for (std::size_t i = 0; i < 3; ++i) {
            watch.partEdited[i] = !watch.rebuilt[i] && (watch.partEdited[i] || editedBox == static_cast<int>(i));
        }
        watch.lineEdited = !watch.lineRewritten && (watch.lineEdited || editedBox == 3);

        // No date is kept while the date switch is off, so ticking it always asks.
        const bool asked = platform.inputs.size() != inputsSeen;
        FUZZ_CHECK(asked == (tickedSwitch == kSwitchD), "the date is asked other than when its switch is ticked");
        if (asked) {
            FUZZ_CHECK(platform.inputs.size() == inputsSeen + 1, "the date was asked twice at once");
            const std::string answer = inputsSeen < answers.size() ? answers[inputsSeen] : "";
            const std::optional<CalendarDate> date = ReadDate(answer, platform.dateOrder);
            FUZZ_CHECK(form.DateCopie == (date ? ColonForm(*date) : std::string()),
                       "the kept date is not the answer read");
            inputsSeen = platform.inputs.size();
        }
        // A switch that waits for the user, ticked while the activity is recorded, asks
        // which to give up: Yes stops the recording, No clears the switch.
        const bool conflict = recording && tickedSwitch >= 0 &&
                              (tickedSwitch == kSwitchP || tickedSwitch == kSwitchW || tickedSwitch == kSwitchI ||
                               tickedSwitch == kSwitchMinusY);
        int questions = 0;
        for (std::size_t m = messagesSeen; m < platform.messages.size(); ++m) {
            if (platform.messages[m].buttons != MsgButtons::YesNo) continue;
            ++questions;
            FUZZ_CHECK(conflict, "a question asked with no conflicting switch ticked");
            // The fake answers in order, then with the first button.
            const MsgResult answer = m < messageAnswers.size() ? messageAnswers[m] : MsgResult::Yes;
            const int value = form.Check1[static_cast<std::size_t>(tickedSwitch)].Value();
            if (answer == MsgResult::Yes) {
                FUZZ_CHECK(!form.mnu_s_activite.Checked() && value == 1,
                           "a Yes did not stop the recording and keep the switch");
            } else {
                FUZZ_CHECK(form.mnu_s_activite.Checked() && value == 0,
                           "a No did not clear the switch and keep the recording");
            }
        }
        FUZZ_CHECK(questions == (conflict ? 1 : 0), "a conflicting switch was not asked about once");
        messagesSeen = platform.messages.size();
        CheckForm(form, watch);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    CheckPureFunctions(in);
    RunForm(in);
    return 0;
}
