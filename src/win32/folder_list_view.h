#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/controls.h"
#include "win32/folder_listing.h"

namespace lorvane::win32 {

// A folder list or a file list on a virtual, owner-drawn list box: the entries live here
// and the list box only knows their count, so filling it costs the same for ten entries
// as for a hundred thousand.
class FolderListView {
public:
    // The folder list shows the open folder's ancestors, then its subfolders, indented.
    struct Entry {
        std::string text;
        std::string path;  // the folder it opens; empty in a file list
        int depth;
    };

    FolderListView(HWND listBox, HWND receiver, UINT loadedMessage, WPARAM tag, ListingKind kind);

    // Shows the folder: entries known at once appear now, the rest when the listing arrives.
    void ShowFolder(const std::string& folder);
    // Takes a posted listing; false when it was for a folder no longer shown.
    bool Loaded(const Listing& listing);
    // Selects the file of that name (no selection for an empty name or an absent file).
    void SelectName(const std::string& name);

    int SelectedIndex() const;
    const Entry* EntryAt(int index) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Loading() const { return loading_; }
    void Draw(const DRAWITEMSTRUCT& item) const;
    HWND Handle() const { return listBox_; }
    const std::string& Folder() const { return folder_; }

private:
    void SetCount();

    HWND listBox_;
    HWND receiver_;
    UINT loadedMessage_;
    WPARAM tag_;
    ListingKind kind_;
    std::string folder_;
    std::vector<Entry> entries_;
    std::size_t fixedEntries_ = 0;  // the ancestors, before the listing
    std::string wantedName_;
    int generation_ = 0;
    bool loading_ = false;
};

}  // namespace lorvane::win32
