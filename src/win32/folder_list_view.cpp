#include "win32/folder_list_view.h"

#include "win32/wide_text.h"
#include "win32/window_messages.h"

namespace lorvane::win32 {

namespace {

constexpr int kIndentPixels = 10;

}  // namespace

void FolderListView::ShowFolder(const std::string& folder) {
    folder_ = folder;
    ancestors_.clear();
    if (kind_ == ListingKind::Folders) ancestors_ = AncestorEntries(folder);
    listing_ = std::make_shared<const Listing>();
    loading_ = true;
    // The reading starts first: showing the ancestors costs the window a few milliseconds. A
    // folder read at once has been shown whole already.
    hub_.Request(folder, *this);
    if (loading_) SetCount();
}

void FolderListView::Loaded(std::shared_ptr<const Listing> listing) {
    loading_ = !listing->complete;
    listing_ = std::move(listing);
    SetCount();
}

const NameList& FolderListView::ListedNames() const {
    return kind_ == ListingKind::Folders ? listing_->folders : listing_->files;
}

void FolderListView::SetCount() {
    Send(listBox_, LB_SETCOUNT, static_cast<WPARAM>(Count()));
    // The open folder stands highlighted in a folder list, as the toolkit always did.
    if (kind_ == ListingKind::Folders && !ancestors_.empty()) {
        Send(listBox_, LB_SETCURSEL, ancestors_.size() - 1);
    } else if (kind_ == ListingKind::Files) {
        SelectName(wantedName_);
    }
    RepaintWhole(listBox_);
}

void FolderListView::SelectName(const std::string& name) {
    wantedName_ = name;
    const std::size_t found = name.empty() ? ListedNames().Size() : ListedNames().Find(name);
    const int index = found < ListedNames().Size() ? static_cast<int>(ancestors_.size() + found) : -1;
    Send(listBox_, LB_SETCURSEL, static_cast<WPARAM>(index));
}

std::string_view FolderListView::NameAt(int index) const {
    const auto at = static_cast<std::size_t>(index);
    return at < ancestors_.size() ? std::string_view(ancestors_[at].text) : ListedNames().Name(at - ancestors_.size());
}

int FolderListView::SelectedIndex() const { return static_cast<int>(Send(listBox_, LB_GETCURSEL)); }

std::optional<FolderListView::Entry> FolderListView::EntryAt(int index) const {
    if (index < 0 || index >= Count()) return std::nullopt;
    const auto at = static_cast<std::size_t>(index);
    // A subfolder stands one step deeper than the open folder; a file at the left.
    if (at < ancestors_.size()) return ancestors_[at];
    return ListedNames().Entry(at - ancestors_.size(), static_cast<int>(ancestors_.size()));
}

void FolderListView::Draw(const DRAWITEMSTRUCT& item) const {
    const std::optional<Entry> entry = EntryAt(static_cast<int>(item.itemID));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = IsWindowEnabled(listBox_) != FALSE;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (entry) {
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                           : selected ? COLOR_HIGHLIGHTTEXT
                                                      : COLOR_WINDOWTEXT));
        RECT text = item.rcItem;
        text.left += 2 + entry->depth * kIndentPixels;
        // Converted as drawn: only the few entries on the screen ever are.
        const std::wstring shown = ToUtf16(entry->text);
        DrawTextW(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace lorvane::win32
