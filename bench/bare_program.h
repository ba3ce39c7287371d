#pragma once
// The bare programs the benchmark measures against: one empty window, painted with the
// dialog colour, and a message loop; `populate` may put something on it before it shows.
#include <windows.h>

namespace lorvane::bench {

inline LRESULT CALLBACK BareWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            if (dc != nullptr) FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

template <typename Populate>
int RunBareWindow(HINSTANCE instance, int showCommand, Populate populate) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BareWindow";
    if (RegisterClassW(&windowClass) == 0) return 1;
    HWND hwnd = CreateWindowExW(0, L"BareWindow", L"Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 695, 519,
                                nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr || !populate(hwnd)) return 1;
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace lorvane::bench
