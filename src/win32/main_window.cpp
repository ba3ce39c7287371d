#include "win32/main_window.h"

#include <commctrl.h>
#include <dbt.h>

#include "win32/dropped_files.h"
#include "win32/message_filter.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

constexpr const wchar_t* kWindowClass = L"LorvaneFrmXcopy";
constexpr UINT kListingLoaded = WM_APP;  // the window's one message of its own
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

}  // namespace

MainWindow::MainWindow(FrmXcopy& form, Win32Platform& platform)
    : form_(form),
      platform_(platform),
      scale_(ScreenDpi()),
      listings_(nullptr, kListingLoaded),
      gdi_(scale_),
      controls_(scale_, gdi_) {
    BinderContext& lent = controls_.Context();
    lent.form = &form_;
    lent.folders = &platform_;
    lent.listings = &listings_;
    lent.gate = &gate_;
    lent.captureFocus = [this] { CaptureFocusState(); };
    form_.AboutOpened = [this](FrmAbout& about) { OnAboutOpened(about); };
    platform_.SetReadAhead([this](const std::string& folder) { listings_.ReadAhead(folder); });
}

MainWindow::~MainWindow() {
    controls_.Unfollow();
    form_.Caption.SyncView = nullptr;
    form_.ActiveControl = nullptr;
    form_.AboutOpened = nullptr;
    platform_.SetReadAhead(nullptr);
    about_.reset();
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool MainWindow::Create(HINSTANCE instance, int showCommand) {
    const std::vector<LayoutEntry> layout = MainWindowLayout(form_);
    return RegisterWindowClass(instance, kWindowClass, WindowProc, LoadIconW(instance, MAKEINTRESOURCEW(1))) &&
           MakeWindow(instance) && menu_.Create(hwnd_, form_) && FitClientArea(layout) &&
           controls_.Create(hwnd_, layout) && LoadAndShow(showCommand);
}

bool MainWindow::MakeWindow(HINSTANCE instance) {
    // Folders and files dropped from the shell set a side as if the user had gone there.
    hwnd_ = CreateWindowExW(WS_EX_ACCEPTFILES, kWindowClass, ToUtf16(form_.Caption.Caption()).c_str(), kStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
    if (hwnd_) {
        // Refused, input that comes while a handler runs is taken as it always was.
        gate_.Install(hwnd_, [this] { platform_.Beep(); });
        // Refused, only drops from a shell with fewer rights than the program are lost.
        AllowShellDrops(hwnd_);
        platform_.SetOwner(hwnd_);
        listings_.SetReceiver(hwnd_);
        form_.Caption.SyncView = [this] { SetWindowTextW(hwnd_, ToUtf16(form_.Caption.Caption()).c_str()); };
    }
    return hwnd_ != nullptr;
}

bool MainWindow::FitClientArea(const std::vector<LayoutEntry>& layout) {
    // The monitor the window was made on, which need not be the main one.
    scale_ = PixelScale(WindowDpi(hwnd_));
    // The client area has the layout's size whatever the menu bar and frame take.
    RECT frame = scale_.Rect(MainClientArea(layout));
    return FrameAround(frame, kStyle, true, WS_EX_ACCEPTFILES, scale_.Dpi()) &&
           SetWindowPos(hwnd_, nullptr, {}, {}, frame.right - frame.left, frame.bottom - frame.top,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainWindow::LoadAndShow(int showCommand) {
    // The load handler fills the window before anyone sees it; the controls then show the
    // outcome once, rather than each of its steps.
    form_.Form_Load();
    listings_.ReadStartFolderHere(true);
    controls_.Follow();
    listings_.ReadStartFolderHere(false);

    CentreOnScreen(hwnd_);
    focusBeforeDeactivation_ = ControlHandle(form_.ChkSource);
    ShowWindow(hwnd_, showCommand);
    SetForegroundWindow(hwnd_);  // refused at times by the system; the activation below then
    SetFocus(focusBeforeDeactivation_);
    UpdateWindow(hwnd_);
    return true;
}

void MainWindow::OpenProfileAtStart(const std::string& path) {
    const InputGate::Handling handling(&gate_);
    form_.OpenProfileAtStart(path);
}

HWND MainWindow::ControlHandle(const Control& control) const { return controls_.Handle(control); }

const FolderListView* MainWindow::ListView(const Control& list) const {
    Binder* binder = controls_.ByModel(list);
    return binder != nullptr ? binder->ListView() : nullptr;
}

bool MainWindow::PreTranslate(MSG& message) {
    if (about_ && about_->PreTranslate(message)) return true;
    if (message.message == WM_MOUSEMOVE && helpTips_ == nullptr) ShowHelpOnFirstHover(message);
    // Without a table, or once the window is gone, neither takes anything.
    return TranslateAcceleratorW(hwnd_, menu_.Accelerators(), &message) || IsDialogMessageW(hwnd_, &message);
}

void MainWindow::CaptureFocusState() {
    Binder* focused = controls_.ByHandle(GetFocus());
    form_.ActiveControl = focused ? &focused->Model() : nullptr;
    if (focused) focused->ReadBack();
}

void MainWindow::OnMenuCommand(int id) {
    const MenuRow* row = MenuCommandRow(id);
    if (row == nullptr || !(form_.*row->item).Enabled()) return;
    CaptureFocusState();
    (form_.*row->handler)();
}

void MainWindow::ShowHelpOnFirstHover(const MSG& message) {
    // The tips are made when the pointer first rests on a control that has one, so that
    // start-up does not pay for a window most sessions never show.
    const Binder* hovered = controls_.ByHandle(message.hwnd);
    if (hovered == nullptr || hovered->Entry().help == nullptr) return;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    helpTips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
    if (!helpTips_) return;  // no help, then
    Send(helpTips_, TTM_SETMAXTIPWIDTH, {}, HelpTipWidth());
    helpTexts_.clear();
    helpTexts_.reserve(controls_.All().size());  // the tools point into it: never moved
    for (const auto& bound : controls_.All()) {
        if (bound->Entry().help == nullptr) continue;
        helpTexts_.push_back(ToUtf16(bound->Entry().help));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(bound->Handle());
        tool.lpszText = helpTexts_.back().data();
        Send(helpTips_, TTM_ADDTOOLW, {}, reinterpret_cast<LPARAM>(&tool));  // a tool refused shows no tip
    }
    Send(helpTips_, TTM_RELAYEVENT, {}, reinterpret_cast<LPARAM>(&message));
}

void MainWindow::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    POINT at{};
    if (!ReadDrop(drop, paths, at)) return;
    for (const auto& bound : controls_.All()) {
        const int side = form_.DropSideOf(&bound->Model());
        RECT place{};
        if (side < 0 || !GetWindowRect(bound->Handle(), &place)) continue;
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&place), 2);
        if (PtInRect(&place, at)) {
            form_.DropOnSide(side == 1, paths);
            return;
        }
    }
    platform_.Beep();  // dropped where no side is
}

void MainWindow::Unload(int& cancel) {
    form_.Form_Unload(cancel);  // a second time, after the end of the session for one, finds nothing left to do
}

void MainWindow::OnAboutOpened(FrmAbout& about) {
    about_ = std::make_unique<AboutWindow>(about, scale_, [this] { OnAboutDestroyed(); });
    // Without it the About window would show nothing: the model is dropped again.
    if (!about_->Create(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)))) {
        about_.reset();
        form_.AboutClosed();
    }
}

void MainWindow::OnAboutDestroyed() {
    form_.AboutClosed();  // the AboutWindow itself goes at the next opening or with this one
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

// The messages that reach a model setter or handler take the input gate for their time
// (`const InputGate::Handling handling(&gate_)`). DefWindowProc's own modal loops (menus,
// moving the window) stay out: they need their keys and mouse.
LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const InputGate::Handling handling(&gate_);
            // Enter and Escape outside the GO button reach the window as OK and Cancel: the
            // main window is no dialog, and no command or control has their numbers.
            if (!lParam) {
                OnMenuCommand(LOWORD(wParam));  // from no control
            } else if (Binder* bound = controls_.ById(LOWORD(wParam))) {
                bound->Notify(HIWORD(wParam));
            }
            return kHandled;
        }
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(ItemHeight());
            return kTakenCareOf;
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Binder* bound = controls_.ByHandle(draw->hwndItem);
            if (const FolderListView* view = bound ? bound->ListView() : nullptr) view->Draw(*draw);
            return kTakenCareOf;
        }
        case kListingLoaded: listings_.Deliver(wParam, lParam); return kHandled;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (auto brush = controls_.Colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return *brush;
            }
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_SETCURSOR:
            if (controls_.SetCursorOver(reinterpret_cast<HWND>(wParam))) return TRUE;
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes back to where it was.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;  // none is no child
            } else if (focusBeforeDeactivation_) {
                controls_.Context().givingFocusBack = true;
                SetFocus(focusBeforeDeactivation_);
                controls_.Context().givingFocusBack = false;
            }
            return kHandled;
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM: {
            const InputGate::Handling handling(&gate_);
            if (Binder* list = controls_.ByHandle(reinterpret_cast<HWND>(lParam)))
                return list->KeyToItem(message, wParam);
            return -1;
        }
        case DM_GETDEFID: {
            // Enter presses the GO button when it has the focus, as Space does.
            const HWND go = ControlHandle(form_.Command1);
            if (go && GetFocus() == go) return MAKELRESULT(GetDlgCtrlID(go), DC_HASDEFID);
            return kHandled;
        }
        case WM_CLOSE: {
            const InputGate::Handling handling(&gate_);
            int cancel = 0;
            Unload(cancel);
            if (!cancel) DestroyWindow(hwnd_);
            return kHandled;
        }
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            // The session ends without closing the window: the unload runs all the same.
            if (wParam) {
                const InputGate::Handling handling(&gate_);
                int refusedInVain{};  // the session ends all the same
                Unload(refusedInVain);
            }
            return kHandled;
        case WM_GETOBJECT:
            // A screen reader is asking: the controls without a label of their own get
            // their names now rather than at every start.
            if (!namesGiven_) {
                namesGiven_ = true;
                platform_.EnsureComApartment();
                for (const auto& bound : controls_.All()) {
                    if (const char* name = bound->Entry().accessibleName) names_.Name(bound->Handle(), name);
                }
            }
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_DROPFILES: {
            const InputGate::Handling handling(&gate_);
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return kHandled;
        }
        case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return kHandled;
        case WM_DEVICECHANGE:
            if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) {
                for (const auto& bound : controls_.All()) bound->DrivesChanged();
            }
            return kTakenCareOf;  // nothing refused
        case WM_DESTROY:
            // The program ends with its main window, an About window still open included.
            about_.reset();
            PostQuitMessage(0);
            return kHandled;
        default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace lorvane::win32
