#include "win32/folder_listing.h"

#include <memory>
#include <utility>

#include "app/text_utils.h"
#include "win32/background_work.h"
#include "win32/folder_list_view.h"
#include "win32/folder_reader.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// A local disk answers at once; any other may hold its caller for tens of seconds.
bool OnLocalDisk(const std::string& folder) {
    return !IsNetworkPath(folder) && GetDriveTypeW(ToUtf16(RootOf(folder)).c_str()) == DRIVE_FIXED;
}

}  // namespace

void ListingHub::ReadStartFolderHere(bool here) {
    readStartHere_ = here;
    if (!here) startListing_ = {};
}

bool ListingHub::Join(const std::string& folder, FolderListView* view) {
    for (auto& [id, job] : jobs_) {
        if (job.folder != folder) continue;
        // Already being read: that reading serves this list too.
        if (view != nullptr) job.views.push_back(view);
        return true;
    }
    return false;
}

std::unique_ptr<FolderReader> ListingHub::NewReading(const std::string& folder, std::vector<FolderListView*> views) {
    const WPARAM id = nextJob_++;
    jobs_[id] = {folder, std::move(views)};
    return std::make_unique<FolderReader>(ListingJob{receiver_, message_, id, folder});
}

void ListingHub::ReadOnPooledThread(std::unique_ptr<FolderReader> reader) {
    // No thread to be had: read it here rather than show nothing.
    if (const auto refused =
            RunOnPooledThread(std::make_unique<std::unique_ptr<FolderReader>>(std::move(reader)), ReadRest)) {
        ReadRest(*refused);
    }
}

void ListingHub::Request(const std::string& folder, FolderListView& view) {
    if (Join(folder, &view)) return;
    if (startListing_.listing && startListing_.folder == folder) return view.Loaded(startListing_.listing);
    auto reader = NewReading(folder, {&view});
    // Before the window shows, a start folder on a local disk is read here as far as its first
    // buffer and the call that says it was the last: most are read whole by then, and show in
    // the window's first paint, with no thread made for them.
    if (readStartHere_ && OnLocalDisk(folder) && !(reader->ReadBuffer() && reader->ReadBuffer())) {
        auto names = reader->Finish();
        startListing_ = {
            folder, std::make_shared<const Listing>(Listing{true, std::move(names.folders), std::move(names.files)})};
        jobs_.erase(reader->Job().job);
        return view.Loaded(startListing_.listing);
    }
    ReadOnPooledThread(std::move(reader));
}

void ListingHub::ReadAhead(const std::string& folder) {
    // Shown by no list yet: those that move to it join the reading.
    if (!Join(folder, nullptr)) ReadOnPooledThread(NewReading(folder, {}));
}

void ListingHub::Deliver(WPARAM id, LPARAM lParam) {
    std::unique_ptr<Listing> owned(reinterpret_cast<Listing*>(lParam));
    const auto found = jobs_.find(id);
    if (found == jobs_.end()) return;
    const Job job = found->second;
    if (owned->complete) jobs_.erase(found);
    // The lists showing the folder share one listing: a hundred thousand names are never copied.
    const std::shared_ptr<const Listing> listing(std::move(owned));
    for (FolderListView* view : job.views) {
        // A list that moved on to another folder meanwhile waits for that one instead.
        if (view->Folder() == job.folder) view->Loaded(listing);
    }
}

}  // namespace lorvane::win32
