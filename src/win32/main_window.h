#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/frm_xcopy.h"
#include "app/window_layout.h"
#include "win32/dpi.h"
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
    HWND Handle() const { return hwnd_; }
    HWND ControlHandle(const Control& control) const;

    // Keyboard navigation between the controls; true when the message was used.
    bool PreTranslate(MSG& message);

private:
    struct Bound {
        LayoutEntry entry;
        HWND hwnd;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls();
    HWND CreateControl(const LayoutEntry& entry);
    void Bind(Bound& bound);
    void SyncControl(const Bound& bound);
    void OnCommand(int id, int code);
    LRESULT OnControlColor(HDC dc, HWND control, UINT message);
    const Bound* FindById(int id) const;
    HFONT FontFor(const FontSpec& wanted);
    HBRUSH BrushFor(Color color);
    void CentreOnScreen();

    FrmXcopy& form_;
    Win32Platform& platform_;
    HWND hwnd_ = nullptr;
    PixelScale scale_;
    std::vector<Bound> bound_;
    std::map<std::string, HFONT> fonts_;
    std::map<Color, HBRUSH> brushes_;
    bool syncing_ = false;  // while the model is being mirrored, controls' echoes are ignored
};

// Resolves a model colour (RGB or a system colour index) for GDI.
COLORREF ToColorRef(Color color);

}  // namespace lorvane::win32
