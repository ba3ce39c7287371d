#pragma once
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/frm_xcopy.h"
#include "app/window_layout.h"
#include "win32/dpi.h"
#include "win32/about_window.h"
#include "win32/accessible_names.h"
#include "win32/bound_controls.h"
#include "win32/folder_list_view.h"
#include "win32/gdi_cache.h"
#include "win32/input_gate.h"
#include "win32/main_menu.h"
#include "win32/win32_platform.h"

namespace lorvane::win32 {

// The real main window: creates a Win32 control for every control of the model, mirrors
// the model's changes onto them and turns the user's actions into the model's setters
// and handlers. No rule of the program lives here.
class MainWindow {
public:
    MainWindow(FrmXcopy& form, Win32Platform& platform);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and its controls, runs the load handler, then shows the window
    // centred with the focus on the first tick box. False when the window cannot be made.
    bool Create(HINSTANCE instance, int showCommand);
    // The profile named on the command line, loaded once the window shows: the user may
    // already be acting in it.
    void OpenProfileAtStart(const std::string& path);
    HWND Handle() const { return hwnd_; }
    HWND ControlHandle(const Control& control) const;
    const MainMenu& Menu() const { return menu_; }
    // The folder or file list view showing a model list, for tests and diagnostics.
    const FolderListView* ListView(const Control& list) const;

    // Shortcut keys and keyboard navigation between the controls, in this window and in
    // the About window; true when used.
    bool PreTranslate(MSG& message);
    HWND HelpTips() const { return helpTips_; }
    // Whether a screen reader asked, and the controls were named.
    bool AccessibleNamesGiven() const { return namesGiven_; }
    // The real About window while it is open.
    const AboutWindow* About() const { return about_.get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The steps of Create, each false when the system refuses it.
    bool MakeWindow(HINSTANCE instance);
    bool FitClientArea(const std::vector<LayoutEntry>& layout);
    bool LoadAndShow(int showCommand);
    void OnMenuCommand(int id);
    void CaptureFocusState();
    void OnAboutOpened(FrmAbout& about);
    void OnAboutDestroyed();
    // The unload handler, once, whatever ends the window.
    void Unload(int& cancel);
    void OnDropFiles(HDROP drop);
    // main_window_dpi.cpp: the relayout when the window meets a monitor of another resolution.
    void OnDpiChanged(int dpi, const RECT& suggested);
    int ItemHeight() const { return scale_.Pixels(195); }
    int HelpTipWidth() const { return scale_.Pixels(4500); }  // long texts wrap
    void ShowHelpOnFirstHover(const MSG& message);

    FrmXcopy& form_;
    Win32Platform& platform_;
    HWND hwnd_ = nullptr;
    InputGate gate_;  // lent to the controls: outlives them
    PixelScale scale_;
    MainMenu menu_;
    ListingHub listings_;
    GdiCache gdi_;
    BoundControls controls_;
    std::unique_ptr<AboutWindow> about_;
    HWND focusBeforeDeactivation_ = nullptr;
    AccessibleNames names_;
    bool namesGiven_ = false;
    HWND helpTips_ = nullptr;              // the switches' and levels' help, made at the first hover
    std::vector<std::wstring> helpTexts_;  // the tips' texts, for as long as the tips live
};

}  // namespace lorvane::win32
