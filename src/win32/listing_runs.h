#pragma once
#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/name_order.h"
#include "win32/owned.h"
#include "win32/system_collation.h"

namespace lorvane::win32 {

// Names as the reading gives them, before anything is made of them: the reading thread only
// appends, so that it goes as fast as the system lists.
struct ReadNames {
    std::wstring names;  // each name followed by its NUL
    std::vector<bool> isFolder;
    std::size_t Count() const { return isFolder.size(); }
};

// A listing's names, folders and files apart.
struct FolderNames {
    NameList folders;
    NameList files;
};

// The names read so far in the system's order: a first part to show while the reading goes on.
FolderNames OrderAll(const ReadNames& read, const NameCollation& collation);

// Orders a folder's names in runs on pooled threads while the reading goes on, the second
// core making the entries and their sort keys and merging the runs as they come; once the
// reading ends, only the last run and the merging of a few are left.
class ListingRuns {
public:
    ListingRuns() = default;
    ListingRuns(const ListingRuns&) = delete;
    ListingRuns& operator=(const ListingRuns&) = delete;

    // The names of the run being read, not yet handed over.
    const ReadNames& Reading() const { return reading_; }
    std::size_t Count() const { return handedOver_ + reading_.Count(); }
    void Add(std::wstring_view name, bool isFolder);
    // Every name read, in the collation's order.
    FolderNames Finish();

private:
    struct Run {
        ReadNames read;
        SortedRun folders, files;
        bool ordered = false;  // guarded by lock_
    };
    static void CALLBACK OrderNext(PTP_CALLBACK_INSTANCE instance, void* self, PTP_WORK work);
    void HandOver(bool moreToRead);
    void OrderAndMerge(Run& run);
    // Merges the runs ordered so far, in reading order: a run ordered before an earlier one
    // waits for it.
    void MergeOrdered();
    // Waits for every run handed to the pool, then lets it go.
    static void EndWork(PTP_WORK work);

    SRWLOCK lock_ = SRWLOCK_INIT;
    std::vector<std::unique_ptr<Run>> runs_;  // in reading order; guarded by lock_
    std::size_t nextToOrder_ = 0;             // guarded by lock_
    std::size_t nextToMerge_ = 0;             // guarded by lock_
    SRWLOCK mergeLock_ = SRWLOCK_INIT;        // one merging at a time
    RunMerger folders_, files_;               // guarded by mergeLock_
    ReadNames reading_;
    std::size_t handedOver_ = 0;
    // None until a second run, or when the pool refuses; last, so that no pooled call
    // outlives the runs.
    Owned<PTP_WORK, EndWork> work_;
};

}  // namespace lorvane::win32
