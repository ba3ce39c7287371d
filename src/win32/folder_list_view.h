#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/controls.h"
#include "app/folder_entries.h"
#include "win32/folder_listing.h"

namespace lorvane::win32 {

// A folder list or a file list on a virtual, owner-drawn list box: the entries live here
// and the list box only knows their count, so filling it costs the same for ten entries
// as for a hundred thousand.
class FolderListView {
public:
    // The folder list shows the open folder's ancestors, then its subfolders, indented.
    using Entry = ListedEntry;

    FolderListView(HWND listBox, ListingHub& hub, ListingKind kind) : listBox_(listBox), hub_(hub), kind_(kind) {}

    // Shows the folder: entries known at once appear now, the rest when the listing arrives.
    void ShowFolder(const std::string& folder);
    // Takes the listing of the folder shown, or its first part.
    void Loaded(const Listing& listing);
    // Selects the file of that name (no selection for an empty name or an absent file).
    void SelectName(const std::string& name);

    int SelectedIndex() const;
    const Entry* EntryAt(int index) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Loading() const { return loading_; }
    // Entries read from the folder so far (the ancestors of a folder list not counted).
    int Listed() const { return Count() - static_cast<int>(fixedEntries_); }
    void Draw(const DRAWITEMSTRUCT& item) const;
    const std::string& Folder() const { return folder_; }

private:
    void SetCount();

    HWND listBox_;
    ListingHub& hub_;
    ListingKind kind_;
    std::string folder_;
    std::vector<Entry> entries_;
    std::size_t fixedEntries_ = 0;  // the ancestors, before the listing
    std::string wantedName_;
    bool loading_ = false;
};

}  // namespace lorvane::win32
