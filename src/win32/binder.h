#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "app/window_layout.h"
#include "win32/input_gate.h"

namespace lorvane {
class FrmXcopy;
class Folders;
}  // namespace lorvane

namespace lorvane::win32 {

class FolderListView;
class ListingHub;

// What a window lends the binders of its controls, and the state they share in it. A row
// whose kind needs something its window does not lend binds nothing, and the window is
// not made.
struct BinderContext {
    FrmXcopy* form = nullptr;        // folder and file lists open and pick through it
    Folders* folders = nullptr;      // drive lists ask it for the system's drives
    ListingHub* listings = nullptr;  // folder and file lists read their folders through it
    // Text boxes: the window notes the focused control before their mouse-up event.
    std::function<void()> captureFocus;
    // Windows reports a level button given the focus unticked as clicked: the focus given
    // back on activation must not choose a level the user has since left.
    bool givingFocusBack = false;
    bool syncing = false;       // while a model is mirrored, the controls' echoes are ignored
    InputGate* gate = nullptr;  // handlers entered from the controls count in it
};

// The binding of one model control to the real control that shows it, made once per
// layout row for the row's kind: the model's changes reach the control, and the
// control's notifications reach the model through the same setters code uses.
class Binder {
public:
    Binder(const LayoutEntry& placed, HWND hwnd, BinderContext& context)
        : entry_(placed), hwnd_(hwnd), context_(context) {}
    virtual ~Binder() = default;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    const LayoutEntry& Entry() const { return entry_; }
    HWND Handle() const { return hwnd_; }
    Control& Model() const { return *entry_.control; }

    // From now on every change of the model reaches the control, which shows it at once.
    void Follow();
    void Unfollow() { entry_.control->SyncView = nullptr; }
    // A notification of the control, as WM_COMMAND brings it.
    void Notify(int code) {
        if (!context_.syncing) Notified(code);
    }
    // What the user left in the control reaches the model before a command reads it.
    virtual void ReadBack() {}
    virtual Color BackColor() const { return entry_.backColor; }
    // The pointer over the control, from the system's set; null leaves it to the control.
    virtual const wchar_t* Cursor() const { return nullptr; }
    virtual FolderListView* ListView() { return nullptr; }
    // WM_VKEYTOITEM and WM_CHARTOITEM, answered as the list box expects: -1 for its own handling.
    virtual LRESULT KeyToItem(UINT message, WPARAM wParam);
    // The system's drives may have changed.
    virtual void DrivesChanged() {}

protected:
    void Sync();
    BinderContext& Context() const { return context_; }

private:
    virtual void Attach() {}  // once, after the load handler and before the first Show
    virtual void Show() = 0;
    virtual void Notified(int code);

    LayoutEntry entry_;
    HWND hwnd_;
    BinderContext& context_;
};

// A binder typed on its model class, which the row's control is checked against once,
// when the binder is made.
template <class ModelClass>
class BinderOf : public Binder {
public:
    using Model = ModelClass;
    BinderOf(const LayoutEntry& placed, HWND hwnd, BinderContext& context, Model& model)
        : Binder(placed, hwnd, context), model_(model) {}
    // Whether the window lends what this kind needs.
    static bool Lent(const BinderContext&) { return true; }

protected:
    Model& model_;
};

// The one place a row's control meets its model class: a control of another class, or a
// window that does not lend what the kind needs, binds nothing.
template <class B>
std::unique_ptr<Binder> Bind(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    auto* model = dynamic_cast<typename B::Model*>(placed.control);
    if (model == nullptr || !B::Lent(context)) return nullptr;
    return std::make_unique<B>(placed, hwnd, context, *model);
}

// The Win32 control that shows each kind (the visibility, tab stop and group flags come
// from the row), and the binder made for it.
struct KindBinding {
    const wchar_t* className;
    DWORD style;
    std::unique_ptr<Binder> (*bind)(const LayoutEntry& placed, HWND hwnd, BinderContext& context);
    DWORD exStyle = 0;
    int droppedTwips = 0;  // below the control's place: a drop-down list's open part
};

const KindBinding& BindingOf(ControlKind kind);

}  // namespace lorvane::win32
