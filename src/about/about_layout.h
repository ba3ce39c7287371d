#pragma once
// Where the About window's controls stand, in the form of the main window's layout, so
// that both windows are built the same way.

#include <vector>

#include "about/frm_about.h"
#include "app/window_layout.h"

namespace lorvane {

inline constexpr Twips kAboutClientArea = {0, 0, 5730, 3780};
// The program's icon, drawn by the window itself.
inline constexpr Twips kAboutPicture = {240, 240, 960, 960};

std::vector<LayoutEntry> AboutWindowLayout(FrmAbout& about);

}  // namespace lorvane
