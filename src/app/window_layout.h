#pragma once
// Where a window's controls stand and how they look, as the toolkit needs it to create
// them. Entries come in creation order, which is also the Tab order.

#include <vector>

#include "app/controls.h"

namespace lorvane {

class FrmXcopy;

enum class ControlKind {
    Frame,
    Label,  // takes the pointer, so that its help shows over it
    RightLabel,
    PlainLabel,  // the pointer passes through it
    Link,        // opens its address when clicked
    CheckBox,
    OptionButton,
    DriveList,
    DirList,
    FileList,
    TextBox,
    Button,
    DefaultButton,  // the one Enter presses wherever the focus is
};

// Twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
struct Twips {
    int left, top, width, height;
};
inline constexpr int kTwipsPerInch = 1440;

struct FontSpec {
    const char* face;
    int centiPoints;  // 825 is 8.25 points
    bool bold;
    bool underline;
};

// Leaves the colour to the toolkit's own drawing.
inline constexpr Color kToolkitColor = 0xFFFFFFFFu;
// The window's own face shows through around the text.
inline constexpr Color kSeeThroughColor = 0xFFFFFFFEu;

inline constexpr FontSpec kDefaultFont = {"MS Sans Serif", 825, false, false};

struct LayoutEntry {
    ControlKind kind;
    Control* control;        // the model control shown
    const Label* container;  // the frame it lies in; null for the window itself
    Twips place;             // relative to the container
    int id;                  // stable control ID, for automation and screen readers
    FontSpec font = kDefaultFont;
    bool tabStop = false;
    bool groupStart = false;              // first option button of its frame
    Color foreColor = kSystemColor | 8u;  // COLOR_WINDOWTEXT
    Color backColor = kToolkitColor;
    const char* help = nullptr;  // shown when the pointer rests on the control
    // What screen readers call a control that has no label just before it.
    const char* accessibleName = nullptr;
};

std::vector<LayoutEntry> MainWindowLayout(FrmXcopy& form);

// The main window's client area: the frames and a margin beside the window's edges.
Twips MainClientArea(const std::vector<LayoutEntry>& layout);

// Absolute place in the window's client area.
Twips PlaceInWindow(const LayoutEntry& entry, const std::vector<LayoutEntry>& layout);

}  // namespace lorvane
