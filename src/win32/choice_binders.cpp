// Tick boxes and level buttons: the model holds the state, the control only shows it, so
// that a click and a change made by code take one path.
#include "win32/binders.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

class CheckBoxBinder : public BinderOf<CheckBox> {
public:
    using BinderOf::BinderOf;

private:
    void Show() override {
        const int value = model_.Value();
        const int state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
        Send(Handle(), BM_SETCHECK, static_cast<WPARAM>(state));
    }
    void Notified(int code) override {
        if (code == BN_CLICKED) model_.SetValue(model_.Value() == 1 ? 0 : 1);
    }
};

class OptionButtonBinder : public BinderOf<OptionButton> {
public:
    using BinderOf::BinderOf;
    Color BackColor() const override { return model_.BackColor(); }

private:
    void Show() override {
        Send(Handle(), BM_SETCHECK, model_.Value() ? BST_CHECKED : BST_UNCHECKED);
        RepaintWhole(Handle());  // the colour may have changed too
    }
    void Notified(int code) override {
        if (code == BN_CLICKED && !Context().givingFocusBack) model_.SetValue(true);
    }
};

}  // namespace

std::unique_ptr<Binder> BindCheckBox(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<CheckBoxBinder>(placed, hwnd, context);
}

std::unique_ptr<Binder> BindOptionButton(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<OptionButtonBinder>(placed, hwnd, context);
}

}  // namespace lorvane::win32
