#include "win32/about_window.h"

#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

constexpr const wchar_t* kAboutClass = L"LorvaneFrmAbout";
constexpr const wchar_t* kOwnerClass = L"LorvaneAboutOwner";
constexpr Twips kAboutClient = {0, 0, 5730, 3780};
constexpr Twips kPicture = {240, 240, 960, 960};
constexpr FontSpec kBold = {"Verdana", 825, true, false};
constexpr FontSpec kLink = {"Verdana", 825, false, true};
constexpr FontSpec kButtons = kDefaultFont;
constexpr Color kDarkBlue = Rgb(0, 0, 192);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kHighlight = kSystemColor | 13u;  // COLOR_HIGHLIGHT
constexpr Color kText = kSystemColor | 18u;       // COLOR_BTNTEXT
enum : int { kIdTitle = 100, kIdVersion, kIdDescription, kIdLink, kIdDisclaimer, kIdSysInfo };

bool RegisterClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

AboutWindow::AboutWindow(FrmAbout& about, const PixelScale& scale, std::function<void()> destroyed)
    : about_(about), scale_(scale), destroyed_(std::move(destroyed)), gdi_(scale_) {}

AboutWindow::~AboutWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    if (owner_ != nullptr) DestroyWindow(owner_);
    if (picture_ != nullptr) DestroyIcon(picture_);
}

bool AboutWindow::Create(HINSTANCE instance) {
    if (!RegisterClassOnce(instance, kAboutClass, WindowProc) ||
        !RegisterClassOnce(instance, kOwnerClass, DefWindowProcW)) {
        return false;
    }
    owner_ = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (owner_ == nullptr) return false;

    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
    RECT frame = scale_.Rect(kAboutClient);
    if (!AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME)) return false;
    hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kAboutClass, ToUtf16(about_.Caption.Caption()).c_str(), style,
                            CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner_,
                            nullptr, instance, this);
    if (hwnd_ == nullptr) return false;

    AddControl(L"STATIC", SS_LEFT | SS_NOPREFIX, about_.lblTitle, {1050, 240, 3885, 480}, kIdTitle, kBold, kDarkBlue);
    AddControl(L"STATIC", SS_LEFT | SS_NOPREFIX, about_.lblVersion, {1050, 780, 3885, 225}, kIdVersion, kBold,
               kDarkBlue);
    AddControl(L"STATIC", SS_LEFT | SS_NOPREFIX, about_.lblDescription, {1050, 1125, 3885, 690}, kIdDescription, kBold,
               kDarkBlue);
    AddControl(L"STATIC", SS_LEFT | SS_NOPREFIX | SS_NOTIFY | SS_ENDELLIPSIS, about_.urlhttp, {120, 1920, 2775, 255},
               kIdLink, kLink, kHighlight);
    AddControl(L"STATIC", SS_LEFT | SS_NOPREFIX, about_.lblDisclaimer, {135, 2505, 4110, 1185}, kIdDisclaimer, kBold,
               kRed);
    AddControl(L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, about_.cmdOK, {4245, 2625, 1260, 345}, IDOK,
               kButtons, kText);
    AddControl(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, about_.cmdSysInfo, {4260, 3075, 1245, 345}, kIdSysInfo, kButtons,
               kText);
    if (bound_.size() != 7) return false;

    picture_ = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, scale_.Pixels(960), scale_.Pixels(960), 0));
    about_.Unload = [this] { PostMessageW(hwnd_, WM_CLOSE, 0, 0); };
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

HWND AboutWindow::AddControl(const wchar_t* className, DWORD style, Label& control, const Twips& place, int id,
                             const FontSpec& font, Color foreColor) {
    const RECT rect = scale_.Rect(place);
    HWND hwnd = CreateWindowExW(0, className, ToUtf16(control.Caption()).c_str(), WS_CHILD | WS_VISIBLE | style,
                                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (hwnd == nullptr) return nullptr;
    if (HFONT made = gdi_.Font(font)) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(made), FALSE);
    bound_.push_back({&control, hwnd, id, foreColor});
    return hwnd;
}

HWND AboutWindow::ControlHandle(const Control& control) const {
    for (const Bound& bound : bound_) {
        if (bound.control == &control) return bound.hwnd;
    }
    return nullptr;
}

bool AboutWindow::PreTranslate(MSG& message) { return hwnd_ != nullptr && IsDialogMessageW(hwnd_, &message) != 0; }

void AboutWindow::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    if (dc == nullptr) return;
    if (picture_ != nullptr) {
        const RECT place = scale_.Rect(kPicture);
        DrawIconEx(dc, place.left, place.top, picture_, place.right - place.left, place.bottom - place.top, 0, nullptr,
                   DI_NORMAL);
    }
    // An etched separator: a grey line with a white one just under it.
    const struct {
        int fromX, y, toX;
        COLORREF color;
        int width;
    } lines[] = {{90, 2445, 5654, RGB(128, 128, 128), 1}, {105, 2460, 5654, RGB(255, 255, 255), 2}};
    for (const auto& line : lines) {
        HPEN pen = CreatePen(PS_SOLID, line.width, line.color);
        if (pen == nullptr) continue;
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
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL:  // Esc: "OK" is also the cancel button
                    about_.cmdOK.Click();
                    return 0;
                case kIdSysInfo: about_.cmdSysInfo.Click(); return 0;
                case kIdLink:
                    if (HIWORD(wParam) == STN_CLICKED) about_.urlhttp_Click();
                    return 0;
                default: return 0;
            }
        case WM_CTLCOLORSTATIC:
            for (const Bound& bound : bound_) {
                if (bound.hwnd != reinterpret_cast<HWND>(lParam)) continue;
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, ToColorRef(bound.foreColor));
                SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_SETCURSOR:
            // The link shows the hand, as links do.
            if (reinterpret_cast<HWND>(wParam) == ControlHandle(about_.urlhttp)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_PAINT: Paint(); return 0;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_NCDESTROY: {
            // The model goes with the window; this object stays until its owner drops it.
            hwnd_ = nullptr;
            bound_.clear();
            std::function<void()> destroyed = destroyed_;
            if (destroyed) destroyed();
            return 0;
        }
        default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace lorvane::win32
