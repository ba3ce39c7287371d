#include "win32/folder_list_view.h"

namespace lorvane::win32 {

namespace {

constexpr int kIndentPixels = 10;

}  // namespace

void FolderListView::ShowFolder(const std::string& folder) {
    folder_ = folder;
    entries_.clear();
    if (kind_ == ListingKind::Folders) entries_ = AncestorEntries(folder);
    fixedEntries_ = entries_.size();
    SetCount();
    loading_ = true;
    hub_.Request(folder, *this);
}

void FolderListView::Loaded(const Listing& listing) {
    const std::vector<std::string>& names = kind_ == ListingKind::Folders ? listing.folders : listing.files;
    loading_ = !listing.complete;
    entries_.resize(fixedEntries_);
    entries_.reserve(fixedEntries_ + names.size());
    const std::string prefix = WithSeparator(folder_);
    const int depth = static_cast<int>(fixedEntries_);
    for (const std::string& name : names) {
        // A folder entry keeps the path it opens; file entries need only their name.
        entries_.push_back({name, kind_ == ListingKind::Folders ? prefix + name : std::string(), depth});
    }
    SetCount();
}

void FolderListView::SetCount() {
    SendMessageA(listBox_, LB_SETCOUNT, entries_.size(), 0);
    // The open folder stands highlighted in a folder list, as the toolkit always did.
    if (kind_ == ListingKind::Folders && fixedEntries_ > 0) {
        SendMessageA(listBox_, LB_SETCURSEL, fixedEntries_ - 1, 0);
    } else if (kind_ == ListingKind::Files) {
        SelectName(wantedName_);
    }
    InvalidateRect(listBox_, nullptr, TRUE);
}

void FolderListView::SelectName(const std::string& name) {
    wantedName_ = name;
    int index = -1;
    if (!name.empty()) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].text == name) {
                index = static_cast<int>(i);
                break;
            }
        }
    }
    SendMessageA(listBox_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int FolderListView::SelectedIndex() const {
    return static_cast<int>(SendMessageA(listBox_, LB_GETCURSEL, 0, 0));
}

const FolderListView::Entry* FolderListView::EntryAt(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &entries_[static_cast<std::size_t>(index)];
}

void FolderListView::Draw(const DRAWITEMSTRUCT& item) const {
    const Entry* entry = EntryAt(static_cast<int>(item.itemID));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = IsWindowEnabled(listBox_) != FALSE;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (entry != nullptr) {
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(!enabled ? COLOR_GRAYTEXT
                                           : selected ? COLOR_HIGHLIGHTTEXT
                                                      : COLOR_WINDOWTEXT));
        RECT text = item.rcItem;
        text.left += 2 + entry->depth * kIndentPixels;
        DrawTextA(item.hDC, entry->text.c_str(), static_cast<int>(entry->text.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace lorvane::win32
