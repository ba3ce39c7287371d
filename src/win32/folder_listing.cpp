#include "win32/folder_listing.h"

#include <map>
#include <memory>

#include "app/folder_entries.h"
#include "app/name_spelling.h"
#include "app/name_order.h"
#include "win32/folder_list_view.h"
#include "win32/system_collation.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// The first part is sent once a few screenfuls are read, or one screenful if the reading
// is slow.
constexpr std::size_t kFirstPartEntries = 64;
constexpr std::size_t kScreenful = 16;
constexpr ULONGLONG kFirstPartMs = 30;

bool IsDotEntry(const wchar_t* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

struct ListingJob {
    HWND receiver;
    UINT message;
    WPARAM job;
    std::string folder;
};

const std::string& NameOf(const FolderEntry& entry) { return entry.text; }

FolderEntry EntryOf(const wchar_t* name) {
    FolderEntry entry{ToUtf8(name), {}, 0};
    entry.loneSurrogate = HasLoneSurrogate(name);
    return entry;
}

// The short names of the folder's names that the system would read as others. Only a slower
// reading gives short names: it is done only for a folder that holds such a name, once. None
// when the folder cannot be read again: such names are then refused when opened, never replaced.
std::map<std::wstring, std::string> ShortNamesOfFlawedNames(const std::wstring& pattern) {
    std::map<std::wstring, std::string> shortNames;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return shortNames;
    do {
        if (data.cAlternateFileName[0] == 0) continue;
        const FolderEntry entry = EntryOf(data.cFileName);
        if (FlawOf(entry.text, entry.loneSurrogate) != NameFlaw::None) {
            shortNames[data.cFileName] = ToUtf8(data.cAlternateFileName);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return shortNames;
}

void Post(const ListingJob& job, Listing read, bool complete) {
    auto listing = std::make_unique<Listing>(std::move(read));
    listing->complete = complete;
    const SystemCollation collation;
    SortByCollation(listing->folders, NameOf, collation);
    SortByCollation(listing->files, NameOf, collation);
    // One step deeper than the open folder; each opens its path only when it is opened.
    const int depth = static_cast<int>(AncestorEntries(job.folder).size());
    for (FolderEntry& entry : listing->folders) entry.depth = depth;
    if (PostMessageW(job.receiver, job.message, job.job, reinterpret_cast<LPARAM>(listing.get()))) {
        listing.release();  // the receiver owns it now
    }
}

void ReadFolder(const ListingJob& job) {
    // The wide functions give every name as it is; each is converted once, here, off the
    // window's thread.
    Listing read;
    const ULONGLONG start = GetTickCount64();
    bool firstPartSent = false;
    const std::wstring pattern = ToUtf16(WithSeparator(job.folder)) + L"*";
    std::map<std::wstring, std::string> shortNames;
    bool shortNamesRead = false;
    WIN32_FIND_DATAW data;
    HANDLE find = job.folder.empty() ? INVALID_HANDLE_VALUE
                                     : FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                                        nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::vector<FolderEntry>* list = nullptr;
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if (!IsDotEntry(data.cFileName)) list = &read.folders;
            } else if ((data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0) {
                list = &read.files;
            }
            if (list != nullptr) {
                FolderEntry entry = EntryOf(data.cFileName);
                // "foo." would reach the system as "foo", its sibling: it goes by its short name.
                if (FlawOf(entry.text, entry.loneSurrogate) != NameFlaw::None) {
                    if (!shortNamesRead) shortNames = ShortNamesOfFlawedNames(pattern);
                    shortNamesRead = true;
                    const auto found = shortNames.find(data.cFileName);
                    if (found != shortNames.end()) entry.shortName = found->second;
                }
                list->push_back(std::move(entry));
            }
            const std::size_t count = read.folders.size() + read.files.size();
            if (!firstPartSent &&
                (count >= kFirstPartEntries || (count >= kScreenful && GetTickCount64() - start >= kFirstPartMs))) {
                firstPartSent = true;
                Post(job, read, false);
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    // A folder that went away meanwhile shows empty; the pickers checked it on the way in.
    Post(job, std::move(read), true);
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
