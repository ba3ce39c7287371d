#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "win32/listing_runs.h"
#include "win32/owned.h"

namespace lorvane::win32 {

// Where a reading's results go: a window, its message, and the number of the reading.
struct ListingJob {
    HWND receiver;
    UINT message;
    WPARAM job;
    std::string folder;
};

// One folder's reading, a buffer of entries at a time: one call to the system for hundreds
// of names, where the find functions make one for a few dozen (under Wine, a call to its
// server each). Begun on one thread, it may go on on another, one at a time. The first part
// is posted to the job's window as soon as it is due.
class FolderReader {
public:
    explicit FolderReader(ListingJob job);
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    const ListingJob& Job() const { return job_; }
    // Reads the next buffer of entries; false once the folder is read to its end, or when it
    // cannot be read further: what was read by then is shown.
    bool ReadBuffer();
    // Every name read, in the system's order, with the short names the flawed ones need.
    FolderNames Finish();

private:
    void Take(std::wstring_view name, DWORD attributes);

    ListingJob job_;
    OwnedHandle directory_;
    std::vector<LONGLONG> buffer_;  // entries hold 64-bit fields: aligned for them
    ListingRuns runs_;
    ULONGLONG start_;
    bool firstPartSent_ = false;
};

// Hands a listing to the job's window; lost with the window.
void PostListing(const ListingJob& job, FolderNames names, bool complete);
// Reads the rest of the folder on this thread and posts the whole listing.
void ReadRest(const std::unique_ptr<FolderReader>& reader);

}  // namespace lorvane::win32
