#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/name_list.h"

namespace lorvane::win32 {

// The folders and files of one folder, read on a worker thread in one pass, so that a
// folder of a hundred thousand entries never holds up the window. A first part comes as
// soon as a screenful is read; the whole listing follows, each in the system's order of names.
// The names come ready to show, so that the window does nothing per name.
struct Listing {
    bool complete = false;
    NameList folders;
    NameList files;  // hidden and system files left out, as the list always did
};

class FolderListView;
class FolderReader;
enum class ListingKind { Folders, Files };

// Reads each folder once for all the lists that show it, and hands them the results.
class ListingHub {
public:
    // Results come back to `receiver` as `message`; the window passes them to Deliver.
    ListingHub(HWND receiver, UINT message) : receiver_(receiver), message_(message) {}
    ListingHub(const ListingHub&) = delete;
    ListingHub& operator=(const ListingHub&) = delete;
    void SetReceiver(HWND receiver) { receiver_ = receiver; }

    // Set while the window is made, before it shows: a start folder on a local disk is then
    // read on this thread as far as its first buffer.
    void ReadStartFolderHere(bool here);
    void Request(const std::string& folder, FolderListView& view);
    // Begins reading a folder that lists are about to show, unless it is being read already.
    void ReadAhead(const std::string& folder);
    void Deliver(WPARAM job, LPARAM listing);

private:
    // True when the folder is being read; the list, if any, is then given that reading.
    bool Join(const std::string& folder, FolderListView* view);
    std::unique_ptr<FolderReader> NewReading(const std::string& folder, std::vector<FolderListView*> views);
    static void ReadOnPooledThread(std::unique_ptr<FolderReader> reader);
    struct Job {
        std::string folder;
        std::vector<FolderListView*> views;
    };
    HWND receiver_;
    UINT message_;
    WPARAM nextJob_ = 1;
    std::map<WPARAM, Job> jobs_;
    bool readStartHere_ = false;
    // The start folder read here, for the other lists that show it.
    struct {
        std::string folder;
        std::shared_ptr<const Listing> listing;
    } startListing_;
};

}  // namespace lorvane::win32
