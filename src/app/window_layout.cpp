#include "app/window_layout.h"

#include <algorithm>

#include "app/frm_xcopy.h"
#include "app/window_texts.h"

namespace lorvane {

namespace {

constexpr FontSpec kFrameFont = {"MS Sans Serif", 825, true, false};
constexpr FontSpec kPartLabelFont = {"MS Serif", 825, false, false};
constexpr FontSpec kCommandFont = {"Courier New", 975, false, false};
constexpr FontSpec kGoFont = {"MS Sans Serif", 975, true, true};

// Control IDs: a block per frame, so that automation finds a control by a stable number.
enum : int {
    kIdFrame = 100,       // and the frame's number
    kIdSourceSide = 200,  // tick box, label, options +2..4, drive +5, folders +6, files +7
    kIdDestinationSide = 300,
    kIdCheck1 = 400,         // + switch index
    kIdLabel3 = 500,         // + switch index
    kIdTxtCmd = 600,         // + box index
    kIdCommandLabels = 610,  // + the part's box index
    kIdCommand1 = 620,
};

// A tick box or level button ends where its label or list begins (at 360), and a switch
// row where the next one begins: 255 twips would cover a pixel of the neighbour, which cut
// the first character of each switch's label.
constexpr int kBoxWidth = 240;
constexpr int kSwitchRowHeight = 240;
// A switch's label reaches as near the frame's border as it can without covering it: at
// 120 and 144 dots per inch the font grows by more than the twips do, and a label that
// wrapped would be cut.
constexpr int kSwitchLabelWidth = 4170;
// The current folder's labels take two lines, which the font's rounding at 120 dots per
// inch makes a pixel taller than 375 twips.
constexpr int kCurrentLabelHeight = 420;
// The part labels end together near their boxes, wide enough for "Commutateurs :" on one
// line at every resolution.
constexpr int kPartLabelLeft = 30;
constexpr int kPartLabelWidth = 1245;
constexpr int kSwitchRowTop(int index) { return 240 * (index + 1); }

// Room below a frame's last row, and beside the window's edge.
constexpr int kFrameMargin = 90;
// Neighbouring frames share the line of their borders.
constexpr int kFrameOverlap = 15;

int LowestBottomIn(const std::vector<LayoutEntry>& layout, const Control* frame) {
    int bottom = 0;
    for (const LayoutEntry& entry : layout) {
        if (entry.container == frame) bottom = std::max(bottom, entry.place.top + entry.place.height);
    }
    return bottom;
}

LayoutEntry& EntryOf(std::vector<LayoutEntry>& layout, const Control& control) {
    return *std::find_if(layout.begin(), layout.end(), [&](const LayoutEntry& e) { return e.control == &control; });
}

void PlaceLabelBefore(std::vector<LayoutEntry>& layout, const Control& label, const Control& control) {
    const LayoutEntry moved = EntryOf(layout, label);
    layout.erase(std::find_if(layout.begin(), layout.end(), [&](const LayoutEntry& e) { return e.control == &label; }));
    layout.insert(
        std::find_if(layout.begin(), layout.end(), [&](const LayoutEntry& e) { return e.control == &control; }), moved);
}

// The frames of the top band take the height of the fullest one; the frame below stands
// on their bottom line and holds its own rows.
void FitFrames(std::vector<LayoutEntry>& layout, std::initializer_list<const Label*> band, const Label& below) {
    int height = 0;
    for (const Label* frame : band) height = std::max(height, LowestBottomIn(layout, frame) + kFrameMargin);
    for (const Label* frame : band) EntryOf(layout, *frame).place.height = height;
    Twips& place = EntryOf(layout, below).place;
    place.top = height - kFrameOverlap;
    place.height = LowestBottomIn(layout, &below) + kFrameMargin;
}

struct SideControls {
    CheckBox& current;
    Label& label;
    OptionGroup& level;
    DriveList& drive;
    DirList& dir;
    FileList& file;
    const Label& frame;
    int id;
};

}  // namespace

std::vector<LayoutEntry> MainWindowLayout(FrmXcopy& f) {
    std::vector<LayoutEntry> l;
    l.reserve(80);
    // Frames first, so they lie below the controls they hold; their heights follow from
    // the rows they hold, once these are placed (below).
    l.push_back({ControlKind::Frame, &f.Frame1, nullptr, {0, 0, 2895, 0}, kIdFrame + 1, kFrameFont});
    l.push_back({ControlKind::Frame, &f.Frame2, nullptr, {2880, 0, 2895, 0}, kIdFrame + 2, kFrameFont});
    l.push_back({ControlKind::Frame, &f.Frame3, nullptr, {5760, 0, 4575, 0}, kIdFrame + 3, kFrameFont});
    l.push_back({ControlKind::Frame, &f.Frame4, nullptr, {0, 0, 10335, 0}, kIdFrame + 4});

    const SideControls source{f.ChkSource, f.Label1, f.Option1, f.Drive1, f.Dir1, f.File1, f.Frame1, kIdSourceSide};
    const SideControls destination{f.ChkDestination, f.Label2, f.Option2, f.Drive2,
                                   f.Dir2,           f.File2,  f.Frame2,  kIdDestinationSide};
    for (const SideControls* side : {&source, &destination}) {
        l.push_back(
            {ControlKind::Label, &side->label, &side->frame, {360, 240, 2415, kCurrentLabelHeight}, side->id + 1});
    }
    for (int i = 0; i < kSwitchCount; ++i) {
        l.push_back({ControlKind::Label,
                     &f.Label3[static_cast<std::size_t>(i)],
                     &f.Frame3,
                     {360, kSwitchRowTop(i), kSwitchLabelWidth, kSwitchRowHeight},
                     kIdLabel3 + i});
        l.back().help = kSwitchTable[static_cast<std::size_t>(i)].help;
    }
    Label* const partLabels[] = {&f.Label4, &f.Label5, &f.Label6};
    for (int i = 0; i < 3; ++i) {
        l.push_back({ControlKind::RightLabel,
                     partLabels[i],
                     &f.Frame4,
                     {kPartLabelLeft, 240 + 480 * i, kPartLabelWidth, 375},
                     kIdCommandLabels + i,
                     kPartLabelFont});
    }

    // From here on, the Tab order: the source side top down, the destination side bottom
    // up, the two level groups, the switches, the part boxes and the button.
    auto add = [&](ControlKind kind, Control& control, const Label& frame, Twips place, int id,
                   FontSpec font = kDefaultFont) {
        l.push_back({kind, &control, &frame, place, id, font, true, kind != ControlKind::OptionButton});
    };
    add(ControlKind::CheckBox, f.ChkSource, f.Frame1, {120, 360, kBoxWidth, 255}, kIdSourceSide);
    add(ControlKind::DriveList, f.Drive1, f.Frame1, {360, 720, 2415, 315}, kIdSourceSide + 5);
    l.back().accessibleName = texts::kSourceNames[0];
    add(ControlKind::DirList, f.Dir1, f.Frame1, {360, 1080, 2415, 2115}, kIdSourceSide + 6);
    l.back().accessibleName = texts::kSourceNames[1];
    add(ControlKind::FileList, f.File1, f.Frame1, {360, 3240, 2415, 1845}, kIdSourceSide + 7);
    l.back().accessibleName = texts::kSourceNames[2];
    add(ControlKind::FileList, f.File2, f.Frame2, {360, 3240, 2415, 1845}, kIdDestinationSide + 7);
    l.back().accessibleName = texts::kDestinationNames[2];
    add(ControlKind::DirList, f.Dir2, f.Frame2, {360, 1080, 2415, 2115}, kIdDestinationSide + 6);
    l.back().accessibleName = texts::kDestinationNames[1];
    add(ControlKind::DriveList, f.Drive2, f.Frame2, {360, 720, 2415, 315}, kIdDestinationSide + 5);
    l.back().accessibleName = texts::kDestinationNames[0];
    add(ControlKind::CheckBox, f.ChkDestination, f.Frame2, {120, 360, kBoxWidth, 255}, kIdDestinationSide);
    for (const SideControls* side : {&source, &destination}) {
        constexpr int kTops[OptionGroup::kSize] = {720, 1080, 3240};
        for (int i = 0; i < OptionGroup::kSize; ++i) {
            add(ControlKind::OptionButton, side->level[i], side->frame, {120, kTops[i], kBoxWidth, 255},
                side->id + 2 + i);
            // Tab reaches a group once; the arrow keys move inside it.
            l.back().tabStop = i == 0;
            l.back().groupStart = i == 0;
            l.back().help = texts::kLevelHelp[i];
            l.back().accessibleName = (side == &source ? texts::kSourceNames : texts::kDestinationNames)[3 + i];
        }
    }
    for (int i = 0; i < kSwitchCount; ++i) {
        add(ControlKind::CheckBox, f.Check1[static_cast<std::size_t>(i)], f.Frame3,
            {120, kSwitchRowTop(i), kBoxWidth, kSwitchRowHeight}, kIdCheck1 + i);
        l.back().help = kSwitchTable[static_cast<std::size_t>(i)].help;
    }
    add(ControlKind::TextBox, f.TxtCmd[0], f.Frame4, {1320, 120, 8895, 435}, kIdTxtCmd, kCommandFont);
    add(ControlKind::TextBox, f.TxtCmd[1], f.Frame4, {1320, 600, 8895, 495}, kIdTxtCmd + 1, kCommandFont);
    add(ControlKind::TextBox, f.TxtCmd[2], f.Frame4, {1320, 1200, 8895, 405}, kIdTxtCmd + 2, kCommandFont);
    add(ControlKind::Button, f.Command1, f.Frame4, {9240, 1680, 975, 615}, kIdCommand1, kGoFont);
    // The full line takes the focus by a mouse click only.
    add(ControlKind::TextBox, f.TxtCmd[3], f.Frame4, {120, 1680, 9015, 765}, kIdTxtCmd + 3, kCommandFont);
    l.back().accessibleName = texts::kFullLineName;
    l.back().tabStop = false;
    l.back().foreColor = Rgb(255, 255, 255);
    l.back().backColor = Rgb(0, 0, 0);
    FitFrames(l, {&f.Frame1, &f.Frame2, &f.Frame3}, f.Frame4);
    // A screen reader names a control without text of its own by the label just before it
    // in the z-order (the creation order); labels take no focus, so the Tab order stays.
    PlaceLabelBefore(l, f.Label1, f.ChkSource);
    PlaceLabelBefore(l, f.Label2, f.ChkDestination);
    for (std::size_t i = 0; i < f.Check1.size(); ++i) PlaceLabelBefore(l, f.Label3[i], f.Check1[i]);
    for (std::size_t i = 0; i < 3; ++i)
        PlaceLabelBefore(l, i == 0 ? f.Label4 : i == 1 ? f.Label5 : f.Label6, f.TxtCmd[i]);
    return l;
}

Twips MainClientArea(const std::vector<LayoutEntry>& layout) {
    Twips client{0, 0, 0, 0};
    for (const LayoutEntry& entry : layout) {
        if (entry.container != nullptr) continue;
        client.width = std::max(client.width, entry.place.left + entry.place.width + kFrameMargin);
        client.height = std::max(client.height, entry.place.top + entry.place.height + kFrameMargin);
    }
    return client;
}

Twips PlaceInWindow(const LayoutEntry& entry, const std::vector<LayoutEntry>& layout) {
    Twips place = entry.place;
    if (entry.container == nullptr) return place;
    for (const LayoutEntry& other : layout) {
        if (other.control == entry.container) {
            place.left += other.place.left;
            place.top += other.place.top;
            break;
        }
    }
    return place;
}

}  // namespace lorvane
