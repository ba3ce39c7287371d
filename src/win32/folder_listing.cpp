#include "win32/folder_listing.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "app/folder_entries.h"
#include "app/name_spelling.h"
#include "win32/background_work.h"
#include "win32/listing_runs.h"
#include "win32/folder_list_view.h"
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

// The short names of the folder's names that the system would read as others. Only a slower
// reading gives short names: it is done only for a folder that holds such a name, once. None
// when the folder cannot be read again: such names are then refused when opened, never replaced.
void GiveShortNamesToFlawedNames(const std::wstring& pattern, FolderNames& names) {
    // Folders and files alike, so that the folder is read again once at most.
    std::vector<std::pair<NameList*, std::size_t>> flawed;
    for (NameList* list : {&names.folders, &names.files}) {
        for (std::size_t i = 0; i < list->Size(); ++i) {
            if (FlawOf(list->Name(i), list->LoneSurrogateAt(i)) != NameFlaw::None) flawed.emplace_back(list, i);
        }
    }
    if (flawed.empty()) return;
    // By the names as the list holds them; two names that half UTF-16 pairs made alike get
    // none, rather than one the other's.
    std::map<std::string, std::string> shortNames;
    std::set<std::string> alike;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = ToUtf8(data.cFileName);
        // A name without a short one is given the empty name, which is none.
        if (FlawOf(name, HasLoneSurrogate(data.cFileName)) == NameFlaw::None) continue;
        if (!shortNames.emplace(name, ToUtf8(data.cAlternateFileName)).second) alike.insert(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    for (const auto& [list, i] : flawed) {
        // "foo." would reach the system as "foo", its sibling: it goes by its short name.
        const std::string name(list->Name(i));
        const auto found = shortNames.find(name);
        if (found != shortNames.end() && !alike.contains(name)) list->SetShortName(i, found->second);
    }
}

void Post(const ListingJob& job, FolderNames names, bool complete) {
    auto listing = std::make_unique<Listing>(Listing{complete, std::move(names.folders), std::move(names.files)});
    if (PostMessageW(job.receiver, job.message, job.job, reinterpret_cast<LPARAM>(listing.get()))) {
        listing.release();  // the receiver owns it now
    }
}

void ReadFolder(const ListingJob& job) {
    // The wide functions give every name as it is; each is converted once, off the window's
    // thread, while the reading goes on.
    ListingRuns runs;
    const ULONGLONG start = GetTickCount64();
    bool firstPartSent = false;
    const std::wstring pattern = ToUtf16(WithSeparator(job.folder)) + L"*";
    WIN32_FIND_DATAW data;
    HANDLE find = job.folder.empty() ? INVALID_HANDLE_VALUE
                                     : FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                                        nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                if (!IsDotEntry(data.cFileName)) runs.Add(data.cFileName, true);
            } else if ((data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0) {
                runs.Add(data.cFileName, false);
            }
            const std::size_t count = runs.Count();
            if (!firstPartSent &&
                (count >= kFirstPartEntries || (count >= kScreenful && GetTickCount64() - start >= kFirstPartMs))) {
                firstPartSent = true;
                Post(job, OrderAll(runs.Reading(), SystemCollation()), false);
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    FolderNames names = runs.Finish();
    GiveShortNamesToFlawedNames(pattern, names);
    // A folder that went away meanwhile shows empty; the pickers checked it on the way in.
    Post(job, std::move(names), true);
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
    // No thread to be had: read it here rather than show nothing.
    if (const auto refused = RunOnPooledThread(std::move(job), ReadFolder)) ReadFolder(*refused);
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
