#include "win32/bound_controls.h"

#include <algorithm>
#include "win32/window_messages.h"

namespace lorvane::win32 {

bool BoundControls::Create(HWND parent, const std::vector<LayoutEntry>& layout) {
    binders_.reserve(layout.size());
    return std::ranges::all_of(layout, [&](const LayoutEntry& entry) { return Add(parent, entry, layout); });
}

bool BoundControls::Add(HWND parent, const LayoutEntry& entry, const std::vector<LayoutEntry>& layout) {
    LayoutEntry placed = entry;
    placed.place = PlaceInWindow(entry, layout);
    const KindBinding& kind = BindingOf(placed.kind);
    DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
    if (placed.tabStop) style |= WS_TABSTOP;
    if (placed.groupStart) style |= WS_GROUP;
    const RECT rect = Rect(placed);
    HWND hwnd = CreateWindowExW(kind.exStyle, kind.className, L"", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(placed.id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (HFONT font = hwnd ? gdi_.Font(placed.font) : nullptr) SetFontQuietly(hwnd, font);
    std::unique_ptr<Binder> binder = hwnd ? kind.bind(placed, hwnd, context_) : nullptr;
    const bool bound = binder != nullptr;
    if (bound) binders_.push_back(std::move(binder));
    return bound;
}

void BoundControls::Follow() {
    for (const auto& binder : binders_) binder->Follow();
}

void BoundControls::Unfollow() {
    for (const auto& binder : binders_) binder->Unfollow();
}

void BoundControls::Clear() {
    Unfollow();
    binders_.clear();
}

Binder* BoundControls::ById(int id) const {
    for (const auto& binder : binders_) {
        if (binder->Entry().id == id) return binder.get();
    }
    return nullptr;
}

Binder* BoundControls::ByHandle(HWND hwnd) const {
    for (const auto& binder : binders_) {
        if (binder->Handle() == hwnd) return binder.get();
    }
    return nullptr;
}

Binder* BoundControls::ByModel(const Control& control) const {
    for (const auto& binder : binders_) {
        if (&binder->Model() == &control) return binder.get();
    }
    return nullptr;
}

HWND BoundControls::Handle(const Control& control) const {
    const Binder* binder = ByModel(control);
    return binder != nullptr ? binder->Handle() : nullptr;
}

RECT BoundControls::Rect(const LayoutEntry& placed) const {
    RECT rect = scale_.Rect(placed.place);
    rect.bottom += scale_.Pixels(BindingOf(placed.kind).droppedTwips);
    return rect;
}

std::optional<LRESULT> BoundControls::Colors(HDC dc, HWND control) {
    const Binder* binder = ByHandle(control);
    if (binder == nullptr) return std::nullopt;
    const Color back = binder->BackColor();
    if (back == kToolkitColor) return std::nullopt;
    SetTextColor(dc, ToColorRef(binder->Entry().foreColor));
    if (back == kSeeThroughColor) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkColor(dc, ToColorRef(back));
    return reinterpret_cast<LRESULT>(gdi_.Brush(back));
}

bool BoundControls::SetCursorOver(HWND control) const {
    const Binder* binder = ByHandle(control);
    const LPCWSTR shape = binder ? binder->Cursor() : nullptr;
    HCURSOR cursor = shape ? LoadCursorW(nullptr, shape) : nullptr;
    if (cursor) SetCursor(cursor);
    return cursor != nullptr;  // else the control's own pointer
}

}  // namespace lorvane::win32
