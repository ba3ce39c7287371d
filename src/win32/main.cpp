#include <windows.h>

#include <commctrl.h>

#include "app/frm_xcopy.h"
#include "win32/main_window.h"
#include "win32/program_arguments.h"
#include "win32/win32_platform.h"
#include "win32/wide_text.h"
#include "win32/win32_texts.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // A drive without its disk answers with an error, not a system dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);  // without it the classic look remains: not fatal

    lorvane::win32::Win32Platform platform;
    lorvane::FrmXcopy form(platform);
    lorvane::win32::MainWindow window(form, platform);
    if (!window.Create(instance, showCommand)) {
        MessageBoxW(nullptr, lorvane::win32::ToUtf16(lorvane::win32::kWindowNotCreated).c_str(),
                    lorvane::win32::ToUtf16(lorvane::win32::kApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    if (const auto profile = lorvane::win32::FirstArgument()) window.OpenProfileAtStart(*profile);

    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, {}, {})) != 0) {
        if (got == -1) return 1;
        if (window.PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
