#include "about/about_layout.h"

namespace lorvane {

namespace {

constexpr FontSpec kBold = {"Verdana", 825, true, false};
constexpr FontSpec kLink = {"Verdana", 825, false, true};
constexpr Color kDarkBlue = Rgb(0, 0, 192);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kHighlight = kSystemColor | 13u;  // COLOR_HIGHLIGHT
// The system's own number for OK, which Enter presses and Esc stands for.
constexpr int kIdOk = 1;
enum : int { kIdTitle = 100, kIdVersion, kIdDescription, kIdLink, kIdDisclaimer, kIdSysInfo };

LayoutEntry Text(ControlKind kind, Label& label, Twips place, int id, const FontSpec& font, Color color) {
    LayoutEntry entry{kind, &label, nullptr, place, id, font};
    entry.foreColor = color;
    entry.backColor = kSeeThroughColor;
    return entry;
}

}  // namespace

std::vector<LayoutEntry> AboutWindowLayout(FrmAbout& a) {
    std::vector<LayoutEntry> l;
    l.push_back(Text(ControlKind::PlainLabel, a.lblTitle, {1050, 240, 3885, 480}, kIdTitle, kBold, kDarkBlue));
    l.push_back(Text(ControlKind::PlainLabel, a.lblVersion, {1050, 780, 3885, 225}, kIdVersion, kBold, kDarkBlue));
    l.push_back(
        Text(ControlKind::PlainLabel, a.lblDescription, {1050, 1125, 3885, 690}, kIdDescription, kBold, kDarkBlue));
    l.push_back(Text(ControlKind::Link, a.urlhttp, {120, 1920, 2775, 255}, kIdLink, kLink, kHighlight));
    l.push_back(Text(ControlKind::PlainLabel, a.lblDisclaimer, {135, 2505, 4110, 1185}, kIdDisclaimer, kBold, kRed));
    l.push_back(
        {ControlKind::DefaultButton, &a.cmdOK, nullptr, {4245, 2625, 1260, 345}, kIdOk, kDefaultFont, true, true});
    l.push_back({ControlKind::Button, &a.cmdSysInfo, nullptr, {4260, 3075, 1245, 345}, kIdSysInfo, kDefaultFont, true});
    return l;
}

}  // namespace lorvane
