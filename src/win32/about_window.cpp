#include "win32/about_window.h"

#include "about/about_layout.h"
#include "win32/relayout.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

constexpr const wchar_t* kAboutClass = L"LorvaneFrmAbout";
constexpr const wchar_t* kOwnerClass = L"LorvaneAboutOwner";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;

}  // namespace

AboutWindow::AboutWindow(FrmAbout& about, const PixelScale& scale, std::function<void()> destroyed)
    : about_(about), scale_(scale), destroyed_(std::move(destroyed)), gdi_(scale_), controls_(scale_, gdi_) {}

AboutWindow::~AboutWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool AboutWindow::Create(HINSTANCE instance) {
    return RegisterWindowClass(instance, kAboutClass, WindowProc) &&
           RegisterWindowClass(instance, kOwnerClass, DefWindowProcW) && MakeWindows(instance) &&
           controls_.Create(hwnd_, AboutWindowLayout(about_)) && Show();
}

bool AboutWindow::MakeWindows(HINSTANCE instance) {
    owner_.reset(CreateWindowExW({}, kOwnerClass, L"", WS_POPUP, {}, {}, {}, {}, nullptr, nullptr, instance, nullptr));
    RECT frame = scale_.Rect(kAboutClientArea);
    if (owner_ && FrameAround(frame, kStyle, false, WS_EX_DLGMODALFRAME, scale_.Dpi())) {
        hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kAboutClass, ToUtf16(about_.Caption.Caption()).c_str(), kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                owner_.get(), nullptr, instance, this);
    }
    return hwnd_ != nullptr;
}

bool AboutWindow::Show() {
    controls_.Follow();
    LoadPicture();
    about_.Unload = [this] { Post(hwnd_, WM_CLOSE); };
    about_.BringToFront = [this] {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd_);
    };
    CentreOnScreen(hwnd_);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(ControlHandle(about_.cmdOK));
    UpdateWindow(hwnd_);
    return true;
}

HWND AboutWindow::ControlHandle(const Control& control) const { return controls_.Handle(control); }

void AboutWindow::LoadPicture() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    picture_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 scale_.Pixels(kAboutPicture.width),
                                                 scale_.Pixels(kAboutPicture.height), LR_DEFAULTCOLOR)));
}

bool AboutWindow::PreTranslate(MSG& message) { return IsDialogMessageW(hwnd_, &message); }  // none when closed

void AboutWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);  // none: nothing is drawn
    if (picture_) {
        const RECT place = scale_.Rect(kAboutPicture);
        DrawIconEx(dc, place.left, place.top, picture_.get(), place.right - place.left, place.bottom - place.top, {},
                   nullptr, DI_NORMAL);
    }
    // An etched separator: a grey line with a white one just under it.
    const struct {
        int fromX, y, toX;
        COLORREF color;
        int width;
    } lines[] = {{90, 2445, 5654, RGB(128, 128, 128), 1}, {105, 2460, 5654, RGB(255, 255, 255), 2}};
    for (const auto& line : lines) {
        HPEN pen = CreatePen(PS_SOLID, line.width, line.color);  // none: the line is drawn in the default pen
        HGDIOBJ previous = SelectObject(dc, pen);
        MoveToEx(dc, scale_.Pixels(line.fromX), scale_.Pixels(line.y), nullptr);
        LineTo(dc, scale_.Pixels(line.toX), scale_.Pixels(line.y));
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
    EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK AboutWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<AboutWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    switch (message) {
        case WM_COMMAND: {
            // Esc presses "OK", which is also the cancel button.
            const bool cancel = LOWORD(wParam) == IDCANCEL;
            if (Binder* bound = controls_.ById(cancel ? IDOK : LOWORD(wParam))) {
                bound->Notify(cancel ? BN_CLICKED : HIWORD(wParam));
            }
            return kHandled;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (auto brush = controls_.Colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return *brush;
            }
            break;
        case WM_SETCURSOR:
            if (controls_.SetCursorOver(reinterpret_cast<HWND>(wParam))) return TRUE;
            break;
        case WM_PAINT: Paint(); return kHandled;
        case WM_DPICHANGED:
            scale_ = PixelScale(LOWORD(wParam));
            LoadPicture();
            LayOutAgain(hwnd, *reinterpret_cast<const RECT*>(lParam), controls_, gdi_);
            return kHandled;
        case WM_CLOSE: DestroyWindow(hwnd); return kHandled;
        case WM_NCDESTROY: {
            // The model goes with the window; this object stays until its owner drops it.
            hwnd_ = nullptr;
            controls_.Clear();  // while the model still lives
            std::function<void()> destroyed = destroyed_;
            if (destroyed) destroyed();
            return kHandled;
        }
        default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace lorvane::win32
