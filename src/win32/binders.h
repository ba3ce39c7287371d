#pragma once
// The binder of each kind of control, one file for each family of kinds.
#include "win32/binder.h"

namespace lorvane::win32 {

using BindFunction = std::unique_ptr<Binder>(const LayoutEntry& placed, HWND hwnd, BinderContext& context);

BindFunction BindLabel, BindLink, BindButton;  // text_binders.cpp
BindFunction BindCheckBox, BindOptionButton;   // choice_binders.cpp
BindFunction BindTextBox;                      // text_box_binder.cpp
BindFunction BindDriveList;                    // drive_list_binder.cpp
BindFunction BindDirList, BindFileList;        // folder_list_binders.cpp

}  // namespace lorvane::win32
