#include "win32/folder_list_view.h"

#include "win32/ansi_names.h"

namespace lorvane::win32 {

namespace {

constexpr int kIndentPixels = 10;

// The ancestors of a folder opened by its short path show their long names. Only a path
// with a '~' can hold short names: no other costs a look at the disk.
std::vector<ListedEntry> Ancestors(const std::string& folder) {
    std::vector<ListedEntry> entries;
    for (FolderEntry& entry : AncestorEntries(folder)) entries.push_back({std::move(entry), {}});
    if (folder.find('~') == std::string::npos) return entries;
    const std::wstring path = ToWide(folder);
    std::wstring longPath(MAX_PATH, L'\0');
    const DWORD length = GetLongPathNameW(path.c_str(), longPath.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return entries;
    longPath.resize(length);
    std::size_t start = 0;
    for (ListedEntry& entry : entries) {
        const std::size_t end = longPath.find(L'\\', start);
        const std::wstring part = longPath.substr(start, entry.depth == 0 ? end + 1 - start : end - start);
        std::string ansi;
        if (!ToAnsi(part, ansi) || ansi != entry.text) entry.shown = part;
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return entries;
}

}  // namespace

void FolderListView::ShowFolder(const std::string& folder) {
    folder_ = folder;
    entries_.clear();
    if (kind_ == ListingKind::Folders) entries_ = Ancestors(folder);
    fixedEntries_ = entries_.size();
    SetCount();
    loading_ = true;
    hub_.Request(folder, *this);
}

void FolderListView::Loaded(const Listing& listing) {
    const std::vector<ListedEntry>& listed = kind_ == ListingKind::Folders ? listing.folders : listing.files;
    loading_ = !listing.complete;
    entries_.resize(fixedEntries_);
    entries_.insert(entries_.end(), listed.begin(), listed.end());
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

int FolderListView::SelectedIndex() const { return static_cast<int>(SendMessageA(listBox_, LB_GETCURSEL, 0, 0)); }

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
        SetTextColor(item.hDC, GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                           : selected ? COLOR_HIGHLIGHTTEXT
                                                      : COLOR_WINDOWTEXT));
        RECT text = item.rcItem;
        text.left += 2 + entry->depth * kIndentPixels;
        // The name as the system has it; an exact one is the same in either form.
        const std::wstring shown = entry->shown.empty() ? ToWide(entry->text) : entry->shown;
        DrawTextW(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace lorvane::win32
