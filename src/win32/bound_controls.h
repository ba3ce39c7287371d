#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/window_layout.h"
#include "win32/binder.h"
#include "win32/dpi.h"
#include "win32/gdi_cache.h"

namespace lorvane::win32 {

// The controls of one window, made from its layout rows, each with the binder of its kind.
// The main window and the About window are both built this way.
class BoundControls {
public:
    BoundControls(const PixelScale& scale, GdiCache& gdi) : scale_(scale), gdi_(gdi) {}
    ~BoundControls() { Clear(); }
    BoundControls(const BoundControls&) = delete;
    BoundControls& operator=(const BoundControls&) = delete;

    // What the window lends its binders; set before Create.
    BinderContext& Context() { return context_; }

    // Makes a control for every row, in the rows' order (the Tab order); false when one
    // cannot be made or bound.
    bool Create(HWND parent, const std::vector<LayoutEntry>& layout);
    // The models' changes reach their controls from now on, and the controls show the models.
    void Follow();
    // The models' changes reach nothing any more.
    void Unfollow();
    // Unfollows and drops the binders, once the controls are gone.
    void Clear();

    const std::vector<std::unique_ptr<Binder>>& All() const { return binders_; }
    Binder* ById(int id) const;
    Binder* ByHandle(HWND hwnd) const;
    Binder* ByModel(const Control& control) const;
    HWND Handle(const Control& control) const;

    // A control's place at the current scale.
    RECT Rect(const LayoutEntry& placed) const;
    // WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and WM_CTLCOLORBTN: the brush, with the row's
    // colours set in the device context; nothing for the toolkit's own colours.
    std::optional<LRESULT> Colors(HDC dc, HWND control);
    // WM_SETCURSOR: true when the control's own pointer was set.
    bool SetCursorOver(HWND control) const;

private:
    // One control of the layout, made and bound; false when the system refuses it.
    bool Add(HWND parent, const LayoutEntry& entry, const std::vector<LayoutEntry>& layout);
    const PixelScale& scale_;
    GdiCache& gdi_;
    BinderContext context_;
    std::vector<std::unique_ptr<Binder>> binders_;
};

}  // namespace lorvane::win32
