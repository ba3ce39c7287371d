#include "win32/main_window.h"

#include <commctrl.h>
#include <dbt.h>

#include "app/folder_entries.h"
#include "win32/control_classes.h"
#include "win32/dropped_files.h"
#include "win32/message_filter.h"
#include "win32/list_keys.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

constexpr const wchar_t* kWindowClass = L"LorvaneFrmXcopy";
constexpr UINT kListingLoaded = WM_APP + 1;

int CheckState(int value) {
    switch (value) {
        case 1: return BST_CHECKED;
        case 2: return BST_INDETERMINATE;
        default: return BST_UNCHECKED;
    }
}

}  // namespace

MainWindow::MainWindow(FrmXcopy& form, Win32Platform& platform)
    : form_(form), platform_(platform), scale_(ScreenDpi()), listings_(nullptr, kListingLoaded), gdi_(scale_) {
    form_.AboutOpened = [this](FrmAbout& about) { OnAboutOpened(about); };
}

MainWindow::~MainWindow() {
    for (Bound& bound : bound_) bound.entry.control->SyncView = nullptr;
    form_.Caption.SyncView = nullptr;
    form_.ActiveControl = nullptr;
    form_.AboutOpened = nullptr;
    about_.reset();
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool MainWindow::Create(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (windowClass.hIcon == nullptr) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    // Folders and files dropped from the shell set a side as if the user had gone there.
    hwnd_ = CreateWindowExW(WS_EX_ACCEPTFILES, kWindowClass, ToUtf16(form_.Caption.Caption()).c_str(), style,
                            CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr) return false;
    // Refused, only drops from a shell with fewer rights than the program are lost.
    AllowShellDrops(hwnd_);
    if (!menu_.Create(hwnd_, form_)) return false;
    // The monitor the window was made on, which need not be the main one.
    scale_ = PixelScale(WindowDpi(hwnd_));
    // The client area has the layout's size whatever the menu bar and frame take.
    const std::vector<LayoutEntry> layout = MainWindowLayout(form_);
    RECT frame = scale_.Rect(MainClientArea(layout));
    if (!FrameAround(frame, style, true, WS_EX_ACCEPTFILES, scale_.Dpi())) return false;
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    platform_.SetOwner(hwnd_);
    listings_.SetReceiver(hwnd_);
    form_.Caption.SyncView = [this] { SetWindowTextW(hwnd_, ToUtf16(form_.Caption.Caption()).c_str()); };
    if (!CreateControls(layout)) return false;

    // The load handler fills the window before anyone sees it; the controls then show the
    // outcome once, rather than each of its steps.
    form_.Form_Load();
    for (Bound& bound : bound_) Bind(bound);

    CentreOnScreen(hwnd_);
    focusBeforeDeactivation_ = ControlHandle(form_.ChkSource);
    ShowWindow(hwnd_, showCommand);
    SetForegroundWindow(hwnd_);  // refused at times by the system; the activation below then
    SetFocus(focusBeforeDeactivation_);
    UpdateWindow(hwnd_);
    return true;
}

HWND MainWindow::ControlHandle(const Control& control) const {
    for (const Bound& bound : bound_) {
        if (bound.entry.control == &control) return bound.hwnd;
    }
    return nullptr;
}

const FolderListView* MainWindow::ListView(const Control& list) const {
    for (const Bound& bound : bound_) {
        if (bound.entry.control == &list) return bound.listView;
    }
    return nullptr;
}

bool MainWindow::PreTranslate(MSG& message) {
    if (about_ && about_->IsOpen() && about_->PreTranslate(message)) return true;
    if (!IsWindow(hwnd_)) return false;
    if (message.message == WM_MOUSEMOVE && helpTips_ == nullptr) ShowHelpOnFirstHover(message);
    if (menu_.Accelerators() != nullptr && TranslateAcceleratorW(hwnd_, menu_.Accelerators(), &message)) {
        return true;
    }
    return IsDialogMessageW(hwnd_, &message) != 0;
}

bool MainWindow::CreateControls(const std::vector<LayoutEntry>& layout) {
    bound_.reserve(layout.size());
    for (const LayoutEntry& entry : layout) {
        LayoutEntry placed = entry;
        placed.place = PlaceInWindow(entry, layout);
        HWND hwnd = CreateControl(placed);
        if (hwnd == nullptr) return false;
        bound_.push_back({placed, hwnd, nullptr, {}, {}, 0, 0, nullptr});
    }
    return true;
}

HWND MainWindow::CreateControl(const LayoutEntry& entry) {
    const ClassAndStyle cls = ClassFor(entry);
    DWORD style = WS_CHILD | WS_VISIBLE | cls.style;
    if (entry.tabStop) style |= WS_TABSTOP;
    if (entry.groupStart) style |= WS_GROUP;
    const RECT rect = ControlRect(entry);
    HWND hwnd = CreateWindowExW(cls.exStyle, cls.className, L"", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), nullptr);
    if (hwnd == nullptr) return nullptr;
    if (HFONT font = gdi_.Font(entry.font)) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

void MainWindow::Bind(Bound& bound) {
    const ControlKind kind = bound.entry.kind;
    if (kind == ControlKind::DirList || kind == ControlKind::FileList) {
        listViews_.push_back(std::make_unique<FolderListView>(
            bound.hwnd, listings_, kind == ControlKind::DirList ? ListingKind::Folders : ListingKind::Files));
        bound.listView = listViews_.back().get();
        // Refused, Enter does nothing in that list; a double click still opens.
        if (kind == ControlKind::DirList) LetFolderListTakeEnter(bound.hwnd);
    }
    if (kind == ControlKind::DriveList) FillDrives(bound);
    if (kind == ControlKind::TextBox) {
        // Plain subclassing: the edit boxes' mouse releases drive the Edit menu. (The common
        // controls' subclassing costs a property lookup on every message, felt when typing.)
        SetWindowLongPtrW(bound.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&bound));
        bound.editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(bound.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextBoxProc)));
        SendMessageW(bound.hwnd, EM_SETLIMITTEXT,
                     static_cast<WPARAM>(static_cast<TextBox&>(*bound.entry.control).MaxLength()), 0);
    }
    Bound* self = &bound;
    bound.entry.control->SyncView = [this, self] { SyncControl(*self); };
    SyncControl(bound);
}

// FillDrives and RefreshDrives: drive_list.cpp.

void MainWindow::SyncControl(Bound& bound) {
    syncing_ = true;
    Control& control = *bound.entry.control;
    HWND hwnd = bound.hwnd;
    EnableWindow(hwnd, control.Enabled());
    switch (bound.entry.kind) {
        case ControlKind::Frame:
        case ControlKind::Label:
        case ControlKind::RightLabel:
        case ControlKind::Button: SetWindowTextW(hwnd, ToUtf16(static_cast<Label&>(control).Caption()).c_str()); break;
        case ControlKind::CheckBox:
            SendMessageW(hwnd, BM_SETCHECK, CheckState(static_cast<CheckBox&>(control).Value()), 0);
            break;
        case ControlKind::OptionButton:
            SendMessageW(hwnd, BM_SETCHECK, static_cast<OptionButton&>(control).Value() ? BST_CHECKED : BST_UNCHECKED,
                         0);
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        case ControlKind::TextBox: {
            const auto& box = static_cast<TextBox&>(control);
            if (bound.shownText != box.Text()) {
                SetWindowTextW(hwnd, ToUtf16(box.Text()).c_str());  // which puts the caret at the start
                bound.shownText = box.Text();
                bound.shownSelStart = 0;
                bound.shownSelLength = 0;
            }
            if (bound.shownSelStart != box.SelStart() || bound.shownSelLength != box.SelLength()) {
                SendMessageW(hwnd, EM_SETSEL, static_cast<WPARAM>(box.SelStart()),
                             static_cast<LPARAM>(box.SelStart() + box.SelLength()));
                bound.shownSelStart = box.SelStart();
                bound.shownSelLength = box.SelLength();
            }
            break;
        }
        case ControlKind::DriveList: {
            const std::string& drive = static_cast<DriveList&>(control).Drive();
            int index = -1;
            for (std::size_t i = 0; i < bound.drives.size(); ++i) {
                if (bound.drives[i] == drive) index = static_cast<int>(i);
            }
            SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
            break;
        }
        case ControlKind::DirList: {
            const std::string& path = static_cast<DirList&>(control).Path();
            if (bound.listView->Folder() != path) bound.listView->ShowFolder(path);
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        }
        case ControlKind::FileList: {
            const auto& list = static_cast<FileList&>(control);
            if (bound.listView->Folder() != list.Path()) bound.listView->ShowFolder(list.Path());
            bound.listView->SelectName(list.FileName());
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        }
    }
    syncing_ = false;
}

MainWindow::Bound* MainWindow::FindById(int id) {
    for (Bound& bound : bound_) {
        if (bound.entry.id == id) return &bound;
    }
    return nullptr;
}

MainWindow::Bound* MainWindow::FindByHandle(HWND hwnd) {
    for (Bound& bound : bound_) {
        if (bound.hwnd == hwnd) return &bound;
    }
    return nullptr;
}

void MainWindow::CaptureFocusState() {
    Bound* focused = FindByHandle(GetFocus());
    form_.ActiveControl = focused != nullptr ? focused->entry.control : nullptr;
    if (focused != nullptr && focused->entry.kind == ControlKind::TextBox) ReadTextBox(*focused);
}

void MainWindow::ReadTextBox(Bound& bound) {
    // What the user typed or selected reaches the model, which raises Change if the text moved.
    // Both ends count UTF-16 units, as the model's selection does.
    DWORD start = 0, end = 0;
    SendMessageW(bound.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    bound.shownText = WindowText(bound.hwnd);
    bound.shownSelStart = static_cast<int>(start);
    bound.shownSelLength = static_cast<int>(end - start);
    static_cast<TextBox&>(*bound.entry.control).ApplyEdit(bound.shownText, bound.shownSelStart, bound.shownSelLength);
}

void MainWindow::OnControlCommand(Bound& bound, int code) {
    if (syncing_) return;
    Control& control = *bound.entry.control;
    switch (bound.entry.kind) {
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) {
                auto& box = static_cast<CheckBox&>(control);
                box.SetValue(box.Value() == 1 ? 0 : 1);
            }
            break;
        case ControlKind::OptionButton:
            // Windows reports a level button given the focus unticked as clicked: the focus
            // given back on activation must not choose a level the user has since left.
            if (code == BN_CLICKED && !givingFocusBack_) static_cast<OptionButton&>(control).SetValue(true);
            break;
        case ControlKind::Button:
            if (code == BN_CLICKED) {
                auto& button = static_cast<CommandButton&>(control);
                if (button.Click) button.Click();
            }
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE) ReadTextBox(bound);
            break;
        case ControlKind::DriveList:
            // A drive that came or went since the last look shows as the list opens.
            if (code == CBN_DROPDOWN) FillDrives(bound);
            if (code == CBN_SELCHANGE) {
                const auto index = static_cast<std::size_t>(SendMessageW(bound.hwnd, CB_GETCURSEL, 0, 0));
                if (index < bound.drives.size()) static_cast<DriveList&>(control).SetDrive(bound.drives[index]);
            }
            break;
        case ControlKind::DirList: {
            auto& list = static_cast<DirList&>(control);
            const FolderListView::Entry* entry = bound.listView->EntryAt(bound.listView->SelectedIndex());
            if (code == LBN_DBLCLK && entry != nullptr) {
                form_.OpenFolder(list, *entry);
            } else if (code == LBN_SELCHANGE && list.Click) {
                list.Click();
            }
            break;
        }
        case ControlKind::FileList:
            if (code == LBN_SELCHANGE) {
                auto& list = static_cast<FileList&>(control);
                const FolderListView::Entry* entry = bound.listView->EntryAt(bound.listView->SelectedIndex());
                if (entry != nullptr) form_.PickFile(list, *entry);
            }
            break;
        default: break;
    }
}

void MainWindow::OnMenuCommand(int id) {
    MenuItem* item = menu_.ItemFor(id);
    if (item == nullptr || !item->Enabled()) return;
    CaptureFocusState();
    if (item->Click) item->Click();
}

void MainWindow::OnTextBoxMouseUp(HWND hwnd) {
    Bound* bound = FindByHandle(hwnd);
    if (bound == nullptr) return;
    CaptureFocusState();
    auto& box = static_cast<TextBox&>(*bound->entry.control);
    if (box.MouseUp) box.MouseUp();
}

LRESULT CALLBACK MainWindow::TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* bound = reinterpret_cast<Bound*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (bound == nullptr || bound->editProc == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_GETDLGCODE:
            // A multi-line box would take Tab, Enter and Escape for itself and, asked in
            // dialog mode, post WM_CLOSE to the window on Escape. Each box holds one part of
            // one command line: Tab moves on, Enter and Escape do nothing, as in a
            // one-line box. The edit box's own answer is never asked, so it never enters
            // that mode.
            return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        case WM_CHAR:
            // Line breaks and tabs typed in any other way (Ctrl+Enter, a character posted
            // directly) stay out of the command line as well.
            if (wParam == '\r' || wParam == '\n' || wParam == '\t' || wParam == VK_ESCAPE) return 0;
            break;
        default: break;
    }
    const LRESULT result = CallWindowProcW(bound->editProc, hwnd, message, wParam, lParam);
    // After the edit box has ended its own selection.
    if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
        if (auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA))) {
            self->OnTextBoxMouseUp(hwnd);
        }
    }
    return result;
}

LRESULT MainWindow::OnControlColor(HDC dc, HWND control, UINT message) {
    const Bound* bound = FindByHandle(control);
    if (bound != nullptr) {
        Color back = bound->entry.backColor;
        if (bound->entry.kind == ControlKind::OptionButton) {
            back = static_cast<const OptionButton&>(*bound->entry.control).BackColor();
        }
        if (back != kToolkitColor) {
            SetTextColor(dc, ToColorRef(bound->entry.foreColor));
            SetBkColor(dc, ToColorRef(back));
            return reinterpret_cast<LRESULT>(gdi_.Brush(back));
        }
    }
    return DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

void MainWindow::ShowHelpOnFirstHover(const MSG& message) {
    // The tips are made when the pointer first rests on a control that has one, so that
    // start-up does not pay for a window most sessions never show.
    const Bound* hovered = FindByHandle(message.hwnd);
    if (hovered == nullptr || hovered->entry.help == nullptr) return;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
    helpTips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
    if (helpTips_ == nullptr) return;
    SendMessageW(helpTips_, TTM_SETMAXTIPWIDTH, 0, HelpTipWidth());
    helpTexts_.clear();
    helpTexts_.reserve(bound_.size());  // the tools point into it: never moved
    for (const Bound& bound : bound_) {
        if (bound.entry.help == nullptr) continue;
        helpTexts_.push_back(ToUtf16(bound.entry.help));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(bound.hwnd);
        tool.lpszText = helpTexts_.back().data();
        SendMessageW(helpTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));  // a tool refused shows no tip
    }
    SendMessageW(helpTips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void MainWindow::OnDropFiles(HDROP drop) {
    std::vector<std::string> paths;
    POINT at{};
    if (!ReadDrop(drop, paths, at)) return;
    for (const Bound& bound : bound_) {
        const int side = form_.DropSideOf(bound.entry.control);
        RECT place{};
        if (side < 0 || !GetWindowRect(bound.hwnd, &place)) continue;
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&place), 2);
        if (PtInRect(&place, at)) {
            form_.DropOnSide(side == 1, paths);
            return;
        }
    }
    platform_.Beep();  // dropped where no side is
}

void MainWindow::Unload(int& cancel) {
    if (unloaded_) return;  // a close after the end of the session, for one
    unloaded_ = true;
    form_.Form_Unload(cancel);
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
    // The program ends when its last window is gone.
    if (!IsWindow(hwnd_)) PostQuitMessage(0);
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

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Enter and Escape outside the GO button reach the window as OK and Cancel: the
            // main window is no dialog, neither ends anything.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) return 0;
            if (lParam == 0) {
                OnMenuCommand(LOWORD(wParam));
            } else if (Bound* bound = FindById(LOWORD(wParam))) {
                OnControlCommand(*bound, HIWORD(wParam));
            }
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            measure->itemHeight = static_cast<UINT>(ItemHeight());
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const Bound* bound = FindByHandle(draw->hwndItem);
            if (bound == nullptr || bound->listView == nullptr) return FALSE;
            bound->listView->Draw(*draw);
            return TRUE;
        }
        case kListingLoaded: listings_.Deliver(wParam, lParam); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes back to where it was.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;
            } else if (focusBeforeDeactivation_ != nullptr) {
                givingFocusBack_ = true;
                SetFocus(focusBeforeDeactivation_);
                givingFocusBack_ = false;
            }
            return 0;
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            if (Bound* list = FindByHandle(reinterpret_cast<HWND>(lParam)); list != nullptr && list->listView) {
                auto* folders =
                    list->entry.kind == ControlKind::DirList ? static_cast<DirList*>(list->entry.control) : nullptr;
                return ListKey(form_, folders, *list->listView, message, wParam);
            }
            return -1;
        case DM_GETDEFID: {
            // Enter presses the GO button when it has the focus, as Space does.
            const HWND go = ControlHandle(form_.Command1);
            if (go != nullptr && GetFocus() == go) return MAKELRESULT(GetDlgCtrlID(go), DC_HASDEFID);
            return 0;
        }
        case WM_CLOSE: {
            int cancel = 0;
            Unload(cancel);
            if (cancel == 0) DestroyWindow(hwnd_);
            return 0;
        }
        case WM_QUERYENDSESSION: return TRUE;
        case WM_ENDSESSION:
            // The session ends without closing the window: the unload runs all the same.
            if (wParam != FALSE) {
                int cancel = 0;
                Unload(cancel);
            }
            return 0;
        case WM_GETOBJECT:
            // A screen reader is asking: the controls without a label of their own get
            // their names now rather than at every start.
            if (!namesGiven_) {
                namesGiven_ = true;
                platform_.EnsureComApartment();
                for (const Bound& bound : bound_) {
                    if (bound.entry.accessibleName != nullptr && names_.Name(bound.hwnd, bound.entry.accessibleName)) {
                        ++accessibleNames_;
                    }
                }
            }
            return DefWindowProcW(hwnd_, message, wParam, lParam);
        case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
        case WM_DPICHANGED: OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
        case WM_DEVICECHANGE:
            if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) RefreshDrives();
            return TRUE;  // nothing refused
        case WM_DESTROY:
            // An open About window keeps the program running until it is closed.
            if (!about_ || !about_->IsOpen()) PostQuitMessage(0);
            return 0;
        default: return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

}  // namespace lorvane::win32
