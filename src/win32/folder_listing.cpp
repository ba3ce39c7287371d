#include "win32/folder_listing.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "app/folder_entries.h"
#include "app/folder_reading.h"
#include "win32/background_work.h"
#include "win32/listing_runs.h"
#include "win32/owned.h"
#include "win32/folder_list_view.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// About five hundred names of folders a call: the first part still comes at once.
constexpr std::size_t kEntriesBufferBytes = 64 * 1024;

struct ListingJob {
    HWND receiver;
    UINT message;
    WPARAM job;
    std::string folder;
};

// The short names of the folder's names that the system would read as others. Only a slower
// reading gives short names: it is done only for a folder that holds such a name, once, folders
// and files alike. None when the folder cannot be read again: such names are then refused
// when opened, never replaced.
void GiveShortNamesToFlawedNames(const std::wstring& pattern, FolderNames& names) {
    if (!HoldsFlawedNames(names.folders) && !HoldsFlawedNames(names.files)) return;
    std::vector<ShortNameRead> read;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        // A name without a short one is given the empty name, which is none.
        ShortNameRead entry{ToUtf8(data.cFileName), HasLoneSurrogate(data.cFileName), ToUtf8(data.cAlternateFileName)};
        if (NeedsShortName(entry.name, entry.loneSurrogate)) read.push_back(std::move(entry));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    GiveShortNames({&names.folders, &names.files}, read);
}

void Post(const ListingJob& job, FolderNames names, bool complete) {
    auto listing = std::make_unique<Listing>(Listing{complete, std::move(names.folders), std::move(names.files)});
    if (PostMessageW(job.receiver, job.message, job.job, reinterpret_cast<LPARAM>(listing.get()))) {
        listing.release();  // the receiver owns it now
    }
}

// Calls `each` with every entry of the folder, as the system gives them, a buffer at a time:
// one call to the system for hundreds of names, where the find functions make one for a few
// dozen (under Wine, a call to its server each). None when the folder cannot be opened.
template <typename Each>
void ForEachEntry(const std::string& folder, Each each) {
    if (folder.empty()) return;
    // Shared every way: a folder being read can still be renamed or emptied by others.
    HANDLE opened = CreateFileW(ToUtf16(folder).c_str(), FILE_LIST_DIRECTORY,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return;
    const OwnedHandle directory(opened);
    // Entries hold 64-bit fields: the buffer is aligned for them.
    std::vector<LONGLONG> buffer(kEntriesBufferBytes / sizeof(LONGLONG));
    const auto bytes = static_cast<DWORD>(buffer.size() * sizeof(LONGLONG));
    // Ends with the last entry, or with an error: what was read by then is shown.
    while (GetFileInformationByHandleEx(directory.get(), FileFullDirectoryInfo, buffer.data(), bytes)) {
        const auto* at = reinterpret_cast<const unsigned char*>(buffer.data());
        for (;;) {
            const auto& entry = *reinterpret_cast<const FILE_FULL_DIR_INFO*>(at);
            each(std::wstring_view(entry.FileName, entry.FileNameLength / sizeof(wchar_t)), entry.FileAttributes);
            if (entry.NextEntryOffset == 0) break;
            at += entry.NextEntryOffset;
        }
    }
}

void ReadFolder(const ListingJob& job) {
    // The wide functions give every name as it is; each is converted once, off the window's
    // thread, while the reading goes on.
    ListingRuns runs;
    const ULONGLONG start = GetTickCount64();
    bool firstPartSent = false;
    ForEachEntry(job.folder, [&](std::wstring_view name, DWORD attributes) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsDotEntry(name)) runs.Add(name, true);
        } else if (!(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
            runs.Add(name, false);
        }
        if (!firstPartSent && FirstPartDue(runs.Count(), GetTickCount64() - start)) {
            firstPartSent = true;
            Post(job, OrderAll(runs.Reading(), SystemCollation()), false);
        }
    });
    FolderNames names = runs.Finish();
    GiveShortNamesToFlawedNames(ToUtf16(WithSeparator(job.folder)) + L"*", names);
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
