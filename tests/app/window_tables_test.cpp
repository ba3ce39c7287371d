#include "app/menu_table.h"
#include "app/window_layout.h"
#include "profile/profile_file.h"
#include "support/form_fixture.h"

#include <cstring>
#include <functional>
#include <map>
#include <set>

namespace lorvane {
namespace {

// The token opens the label and names one switch; each row explains itself on its own.
TEST(SwitchTable, EachRowItsTokenItsHelpAndItsKind) {
    std::set<std::string> tokens, helps;
    std::string ticked, asking;
    for (int i = 0; i < kSwitchCount; ++i) {
        const SwitchRow& row = kSwitchTable[static_cast<std::size_t>(i)];
        const std::string token = TokenFromLabel(row.description);
        EXPECT_TRUE(token.size() >= 2 && token[0] == '/' && row.description.substr(0, token.size()) == token) << i;
        EXPECT_TRUE(tokens.insert(token).second && helps.insert(row.help).second && std::strlen(row.help) > 20) << i;
        EXPECT_EQ(row.takesDate, i == kSwitchD) << i;
        if (row.tickedAtStart) ticked += token;
        if (row.asksUser) asking += token;
    }
    // Ticked at start: a whole tree with its hidden files, overwriting without a question.
    EXPECT_EQ(std::tuple(ticked, asking), std::tuple("/S/E/C/H/Y", "/P/W/I/-Y"));
    // What each label writes in the command: a label whose first characters change changes
    // the command, and fails here.
    std::string written;
    for (const SwitchRow& row : kSwitchTable) written += TokenFromLabel(row.description);
    EXPECT_EQ(written, "/A/M/D/P/S/E/W/C/I/Q/F/L/H/R/T/U/K/Y/-Y/N");
    EXPECT_EQ(std::tuple(kSwitchMinusY, kSwitchN, kSwitchH), std::tuple(18, 19, 12));
    // A token is the label's first three characters; only blanks go.
    const std::pair<const char*, const char*> edges[] = {{" /A", "/A"}, {"/\tX", "/\tX"}, {"/", "/"}, {"", ""}};
    for (const auto& [label, token] : edges) EXPECT_EQ(TokenFromLabel(label), token) << label;
}

// The menu's tree, shortcuts and command numbers (its captions are read with the other texts).
using WindowTablesTest = testing::FormTest;

TEST_F(WindowTablesTest, MenuCaptionsShortcutsAndCommands) {
    const std::tuple<int, char, int> expected[] = {
        // level, Ctrl+key, command number (pinned: automation reads it), in display order
        {0, 0, 0},     {1, 'E', 701}, {1, 0, 0},     {2, 'T', 702}, {2, 'S', 703}, {2, 0, 704},
        {1, 0, 0},     {2, 0, 705},   {2, 0, 706},   {1, 'Q', 707}, {0, 0, 0},     {1, 'A', 708},
        {1, 'X', 709}, {1, 'C', 710}, {1, 'V', 711}, {0, 0, 0},     {1, 0, 712},   {1, 0, 713},
    };
    ASSERT_EQ(std::size(expected), kMainMenu.size());
    for (std::size_t i = 0; i < kMainMenu.size(); ++i) {
        const MenuRow& row = kMainMenu[i];
        EXPECT_EQ(std::tuple((form.*row.item).Caption() == row.caption, row.level, row.shortcut.ctrlKey, row.command),
                  std::tuple_cat(std::tuple(true), expected[i]));
        EXPECT_TRUE(row.command == 0 || MenuCommandRow(row.command) == &row) << i;
    }
    EXPECT_TRUE(MenuCommandRow(712)->shortcut.f1);
    for (const int none : {0, 700, 714, -701}) EXPECT_EQ(MenuCommandRow(none), nullptr) << none;
    EXPECT_EQ(std::tuple(ShortcutText(Ctrl('X')), ShortcutText(kF1), ShortcutText({})),
              std::tuple("\tCtrl+X", "\tF1", ""));
}

// What each command does, reached by its ID as the window reaches it: a row per command, so
// that a command added without its row here fails.
TEST_F(WindowTablesTest, EachCommandDoesItsWork) {
    const auto file = [this](const char* path) {
        return platform.files.contains(path) ? platform.files.at(path) : std::string("(none)");
    };
    const auto select = [this](int start, int length) {
        form.ActiveControl = &form.TxtCmd[3];
        form.TxtCmd[3].SetText("XCOPY a b");
        form.TxtCmd[3].SetSelStart(start);
        form.TxtCmd[3].SetSelLength(length);
    };
    SwitchStates start{}, onlyN{};
    for (std::size_t i = 0; i < start.size(); ++i) start[i] = kSwitchTable[i].tickedAtStart;
    onlyN[kSwitchN] = 1;
    const auto none = [] {};
    const std::tuple<MenuItem FrmXcopy::*, std::function<void()>, std::function<std::string()>, std::string> rows[] = {
        // the item, what sets the scene, what its command changes, into what
        {&FrmXcopy::MnuExecuter, [&] { select(0, 0); }, [&] { return file("C:\\Lorvane\\batch.bat"); },
         "XCOPY a b\n pause\r\n"},
        {&FrmXcopy::mnu_s_activite, none, [&] { return std::to_string(form.mnu_s_activite.Checked()); }, "1"},
        {&FrmXcopy::Mnu_S_Batch, [&] { platform.fileDialogAnswers = {"D:\\x.bat"}; }, [&] { return file("D:\\x.bat"); },
         "XCOPY a b\r\n"},
        {&FrmXcopy::Mnu_S_Lvp, [&] { platform.fileDialogAnswers = {"D:\\x.lvp"}; }, [&] { return file("D:\\x.lvp"); },
         ProfileText(start)},
        {&FrmXcopy::Mnu_O_activite, [&] { platform.files["C:\\Lorvane\\lv.txt"] = "ok"; },
         [&] { return file("C:\\Lorvane\\lv-utf8.txt"); }, "\xEF\xBB\xBFok"},
        {&FrmXcopy::Mnu_L_Lvp,
         [&] {
             platform.files["D:\\y.lvp"] = ProfileText(onlyN);
             platform.fileDialogAnswers = {"D:\\y.lvp"};
         },
         [&] { return Switches(); }, "/N "},
        {&FrmXcopy::MnuQuitter, none, [&] { return std::to_string(platform.endProgramCalls); }, "1"},
        {&FrmXcopy::MnuSelect, [&] { select(2, 1); }, [&] { return form.TxtCmd[3].SelText(); }, "XCOPY a b"},
        {&FrmXcopy::MnuCouper, [&] { select(6, 1); }, [&] { return platform.clipboard + "|" + FullLine(); },
         "a|XCOPY  b"},
        {&FrmXcopy::MnuCopier, [&] { select(8, 1); }, [&] { return platform.clipboard; }, "b"},
        {&FrmXcopy::MnuColler, [&] { select(6, 1); }, [&] { return FullLine(); }, "XCOPY b b"},
        {&FrmXcopy::MnuAide, none, [&] { return platform.shellOpens.back().first; }, "lorvane.html"},
        {&FrmXcopy::MnuApropos, none, [&] { return std::to_string(form.About != nullptr); }, "1"},
    };
    ASSERT_EQ(std::size(rows), kMenuCommandCount);
    for (const MenuRow& row : kMainMenu) {
        if (row.command == 0) continue;
        const auto found = std::ranges::find(rows, row.item, [](const auto& r) { return std::get<0>(r); });
        ASSERT_NE(found, std::end(rows)) << row.caption;
        const auto& [item, arrange, effect, expected] = *found;
        arrange();
        const std::string before = effect();
        (form.*MenuCommandRow(row.command)->handler)();
        EXPECT_EQ(effect(), expected) << row.caption;
        EXPECT_NE(before, expected) << row.caption;
    }
}

// How a person meets the window: the Tab order and its groups, each label just before what
// it names (a screen reader names a box by it), the controls that look apart, the stable IDs.
TEST_F(WindowTablesTest, TabOrderLabelsLooksAndIds) {
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    std::vector<const Control*> tabs = {&form.ChkSource,  &form.Drive1,    &form.Dir1,   &form.File1,
                                        &form.File2,      &form.Dir2,      &form.Drive2, &form.ChkDestination,
                                        &form.Option1[0], &form.Option2[0]};
    std::map<const Control*, std::pair<const Control*, int>> named = {{&form.Label1, {&form.ChkSource, 201}},
                                                                      {&form.Label2, {&form.ChkDestination, 301}}};
    std::map<const Control*, int> ids = {
        {&form.Frame1, 101},     {&form.Frame2, 102},     {&form.Frame3, 103},     {&form.Frame4, 104},
        {&form.ChkSource, 200},  {&form.Option1[0], 202}, {&form.Option1[1], 203}, {&form.Option1[2], 204},
        {&form.Drive1, 205},     {&form.Dir1, 206},       {&form.File1, 207},      {&form.ChkDestination, 300},
        {&form.Option2[0], 302}, {&form.Option2[1], 303}, {&form.Option2[2], 304}, {&form.Drive2, 305},
        {&form.Dir2, 306},       {&form.File2, 307},      {&form.Command1, 620}};
    for (int i = 0; i < kSwitchCount; ++i) {
        tabs.push_back(&form.Check1[static_cast<std::size_t>(i)]);
        ids[&form.Check1[static_cast<std::size_t>(i)]] = 400 + i;
        named[&form.Label3[static_cast<std::size_t>(i)]] = {&form.Check1[static_cast<std::size_t>(i)], 500 + i};
    }
    const Label* parts[] = {&form.Label4, &form.Label5, &form.Label6};
    for (int i = 0; i < 4; ++i) {
        if (i < 3) tabs.push_back(&form.TxtCmd[static_cast<std::size_t>(i)]);
        if (i < 3) named[parts[i]] = {&form.TxtCmd[static_cast<std::size_t>(i)], 610 + i};
        ids[&form.TxtCmd[static_cast<std::size_t>(i)]] = 600 + i;
    }
    tabs.push_back(&form.Command1);
    for (const auto& [label, box] : named) ids[label] = box.second;

    std::vector<const Control*> tabOrder, groups;
    std::set<std::string> accessibleNames;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const LayoutEntry& e = layout[i];
        if (e.tabStop) tabOrder.push_back(e.control);
        if (e.groupStart) groups.push_back(e.control);
        EXPECT_EQ(e.id, ids.at(e.control));
        // A screen reader names each side's lists and buttons after their frame, "Source : ...".
        if (e.control == &form.Check1[0] || e.control == &form.Label3[0]) {
            EXPECT_EQ(e.place.top, 240) << e.id;
        }
        const bool sourceSide = e.container == &form.Frame1;
        EXPECT_TRUE(e.accessibleName == nullptr || accessibleNames.insert(e.accessibleName).second) << e.id;
        if (e.accessibleName != nullptr && (sourceSide || e.container == &form.Frame2)) {
            EXPECT_TRUE(std::string(e.accessibleName).starts_with(sourceSide ? "Source : " : "Destination : ")) << e.id;
        }
        if (named.count(e.control) != 0) {
            ASSERT_LT(i + 1, layout.size());
            EXPECT_EQ(layout[i + 1].control, named[e.control].first) << e.id;
        }
        const bool command = e.kind == ControlKind::TextBox, full = e.control == &form.TxtCmd[3];
        const bool boldFrame = e.kind == ControlKind::Frame && e.control != &form.Frame4;
        const FontSpec font = e.control == &form.Command1         ? FontSpec{"MS Sans Serif", 975, true, true}
                              : command                           ? FontSpec{"Courier New", 975, false, false}
                              : e.kind == ControlKind::RightLabel ? FontSpec{"MS Serif", 825, false, false}
                                                                  : FontSpec{"MS Sans Serif", 825, boldFrame, false};
        EXPECT_EQ(std::tuple(std::string(e.font.face), e.font.centiPoints, e.font.bold, e.font.underline, e.foreColor,
                             e.backColor),
                  std::tuple(std::string(font.face), font.centiPoints, font.bold, font.underline,
                             full ? Rgb(255, 255, 255) : kSystemColor | 8u, full ? Rgb(0, 0, 0) : kToolkitColor))
            << e.id;
    }
    EXPECT_EQ(tabOrder, tabs);
    tabs.push_back(&form.TxtCmd[3]);  // reached by the mouse only, alone in its group
    EXPECT_EQ(groups, tabs);          // the arrow keys move only between the level buttons of a side
    EXPECT_EQ(ids.size(), layout.size());
}

// A control covering a pixel of its neighbour hides part of it (a tick box cut the first
// character of its label); only a frame holds others.
TEST_F(WindowTablesTest, NoControlCoversAnotherAndEachLiesInItsFrame) {
    const std::vector<LayoutEntry> layout = MainWindowLayout(form);
    auto rect = [](const Twips& t) { return std::array{t.left, t.top, t.width, t.height}; };
    std::vector<std::pair<const Control*, std::array<int, 4>>> frames;
    for (const LayoutEntry& entry : layout)
        if (entry.kind == ControlKind::Frame) frames.emplace_back(entry.control, rect(entry.place));
    EXPECT_EQ(frames, (decltype(frames){{&form.Frame1, {0, 0, 2895, 5175}},
                                        {&form.Frame2, {2880, 0, 2895, 5175}},
                                        {&form.Frame3, {5760, 0, 4575, 5175}},
                                        {&form.Frame4, {0, 5160, 10335, 2535}}}));
    EXPECT_EQ(rect(MainClientArea(layout)), (std::array{0, 0, 10425, 7785}));
    auto inside = [](const Twips& in, const Twips& out) {
        return in.left >= out.left && in.top >= out.top && in.left + in.width <= out.left + out.width &&
               in.top + in.height <= out.top + out.height;
    };
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const Twips a = PlaceInWindow(layout[i], layout);
        if (layout[i].kind == ControlKind::Frame) continue;
        for (const LayoutEntry& frame : layout)
            EXPECT_TRUE(frame.control != layout[i].container || inside(a, frame.place)) << layout[i].id;
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            const Twips b = PlaceInWindow(layout[j], layout);
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                               b.top + b.height <= a.top;
            EXPECT_TRUE(apart || layout[j].kind == ControlKind::Frame) << layout[i].id << " and " << layout[j].id;
        }
    }
}

}  // namespace
}  // namespace lorvane
