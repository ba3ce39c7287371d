// Frames, labels, links and buttons: a text only code changes, and for links and buttons
// a click.
#include "win32/binders.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

template <class Model>
class CaptionBinder : public BinderOf<Model> {
public:
    using BinderOf<Model>::BinderOf;

private:
    void Show() override { SetWindowTextW(this->Handle(), ToUtf16(this->model_.Caption()).c_str()); }
};

class LinkBinder : public CaptionBinder<Hyperlink> {
public:
    using CaptionBinder::CaptionBinder;
    const wchar_t* Cursor() const override { return IDC_HAND; }  // as links show

private:
    void Notified(int code) override {
        if (code == STN_CLICKED && model_.Click) model_.Click();
    }
};

class ButtonBinder : public CaptionBinder<CommandButton> {
public:
    using CaptionBinder::CaptionBinder;

private:
    void Notified(int code) override {
        if (code == BN_CLICKED && model_.Click) model_.Click();
    }
};

}  // namespace

std::unique_ptr<Binder> BindLabel(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<CaptionBinder<Label>>(placed, hwnd, context);
}

std::unique_ptr<Binder> BindLink(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<LinkBinder>(placed, hwnd, context);
}

std::unique_ptr<Binder> BindButton(const LayoutEntry& placed, HWND hwnd, BinderContext& context) {
    return Bind<ButtonBinder>(placed, hwnd, context);
}

}  // namespace lorvane::win32
