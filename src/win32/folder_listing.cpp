#include "win32/folder_listing.h"

#include <memory>

#include "app/folder_entries.h"
#include "win32/folder_list_view.h"

namespace lorvane::win32 {

namespace {

// The first part is sent once a few screenfuls are read, or one screenful if the reading
// is slow.
constexpr std::size_t kFirstPartEntries = 64;
constexpr std::size_t kScreenful = 16;
constexpr ULONGLONG kFirstPartMs = 30;

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

struct ListingJob {
    HWND receiver;
    UINT message;
    WPARAM job;
    std::string folder;
};

void Post(const ListingJob& job, std::unique_ptr<Listing> listing) {
    SortWithoutCase(listing->folders);
    SortWithoutCase(listing->files);
    if (PostMessageA(job.receiver, job.message, job.job, reinterpret_cast<LPARAM>(listing.get()))) {
        listing.release();  // the receiver owns it now
    }
}

void ReadFolder(const ListingJob& job) {
    auto listing = std::make_unique<Listing>();
    const ULONGLONG start = GetTickCount64();
    bool firstPartSent = false;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileExA((WithSeparator(job.folder) + "*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if (!IsDotEntry(data.cFileName)) listing->folders.emplace_back(data.cFileName);
            } else if ((data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0) {
                listing->files.emplace_back(data.cFileName);
            }
            const std::size_t read = listing->folders.size() + listing->files.size();
            if (!firstPartSent && (read >= kFirstPartEntries ||
                                   (read >= kScreenful && GetTickCount64() - start >= kFirstPartMs))) {
                firstPartSent = true;
                Post(job, std::make_unique<Listing>(*listing));
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    // A folder that went away meanwhile shows empty; the pickers checked it on the way in.
    listing->complete = true;
    Post(job, std::move(listing));
}

DWORD WINAPI RunListingJob(void* parameter) {
    std::unique_ptr<ListingJob> job(static_cast<ListingJob*>(parameter));
    ReadFolder(*job);
    return 0;
}

}  // namespace

void ListingHub::Request(const std::string& folder, FolderListView& view) {
    for (auto& [id, job] : jobs_) {
        if (job.folder == folder) {  // already being read: that reading serves this list too
            job.views.push_back(&view);
            return;
        }
    }
    const WPARAM id = nextJob_++;
    jobs_[id] = {folder, {&view}};
    auto job = std::make_unique<ListingJob>(ListingJob{receiver_, message_, id, folder});
    // A thread of the system's own: detached std::threads were seen never to start under Wine.
    HANDLE thread = CreateThread(nullptr, 0, RunListingJob, job.get(), 0, nullptr);
    if (thread == nullptr) {
        // No thread to be had: read it here rather than show nothing.
        ReadFolder(*job);
        return;
    }
    job.release();  // the thread owns it now
    CloseHandle(thread);
}

void ListingHub::Deliver(WPARAM id, LPARAM lParam) {
    std::unique_ptr<Listing> listing(reinterpret_cast<Listing*>(lParam));
    const auto found = jobs_.find(id);
    if (found == jobs_.end()) return;
    const Job job = found->second;
    if (listing->complete) jobs_.erase(found);
    for (FolderListView* view : job.views) {
        // A list that moved on to another folder meanwhile waits for that one instead.
        if (view->Folder() == job.folder) view->Loaded(*listing);
    }
}

}  // namespace lorvane::win32
