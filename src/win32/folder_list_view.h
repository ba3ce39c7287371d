#pragma once
#include <windows.h>

#include <memory>
#include <optional>
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
    using Entry = FolderEntry;

    FolderListView(HWND listBox, ListingHub& hub, ListingKind kind) : listBox_(listBox), hub_(hub), kind_(kind) {}

    // Shows the folder: entries known at once appear now, the rest when the listing arrives.
    void ShowFolder(const std::string& folder);
    // Takes the listing of the folder shown, or its first part.
    void Loaded(std::shared_ptr<const Listing> listing);
    // Selects the file of that name (no selection for an empty name or an absent file). Only
    // a file list calls it: a folder list highlights the open folder.
    void SelectName(const std::string& name);

    int SelectedIndex() const;
    std::optional<Entry> EntryAt(int index) const;
    // The name shown at an index below Count().
    std::string_view NameAt(int index) const;
    int Count() const { return static_cast<int>(ancestors_.size()) + Listed(); }
    bool Loading() const { return loading_; }
    // Entries read from the folder so far (the ancestors of a folder list not counted).
    int Listed() const { return static_cast<int>(ListedNames().Size()); }
    void Draw(const DRAWITEMSTRUCT& item) const;
    const std::string& Folder() const { return folder_; }

private:
    void SetCount();
    const NameList& ListedNames() const;

    HWND listBox_;
    ListingHub& hub_;
    ListingKind kind_;
    std::string folder_;
    std::vector<Entry> ancestors_;                                                // known at once, before the listing
    std::shared_ptr<const Listing> listing_ = std::make_shared<const Listing>();  // never null
    std::string wantedName_;
    bool loading_ = false;
};

}  // namespace lorvane::win32
