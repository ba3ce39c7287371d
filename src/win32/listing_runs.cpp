#include "win32/listing_runs.h"

#include <utility>

#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// Big enough that merging stays cheap, small enough that the last run, ordered after the
// reading ends, takes a few milliseconds.
constexpr std::size_t kRunSize = 1024;

// The names, folders and files apart, in reading order.
FolderNames Converted(const ReadNames& read) {
    FolderNames names;
    names.folders.Reserve(read.Count(), read.names.size());
    names.files.Reserve(read.Count(), read.names.size());
    std::string utf8;  // one buffer for all: no allocation per name
    const wchar_t* name = read.names.c_str();
    for (std::size_t i = 0; i < read.Count(); ++i) {
        const std::wstring_view wide(name);
        utf8.clear();
        AppendUtf8(wide, utf8);
        (read.isFolder[i] ? names.folders : names.files).Add(utf8, HasLoneSurrogate(wide));
        name += wide.size() + 1;
    }
    return names;
}

}  // namespace

FolderNames OrderAll(const ReadNames& read, const NameCollation& collation) {
    const FolderNames names = Converted(read);
    return {Ordered(names.folders, collation), Ordered(names.files, collation)};
}

void ListingRuns::EndWork(PTP_WORK work) {
    WaitForThreadpoolWorkCallbacks(work, FALSE);  // none cancelled: each run is needed
    CloseThreadpoolWork(work);
}

void ListingRuns::Add(std::wstring_view name, bool isFolder) {
    reading_.names += name;
    reading_.names += L'\0';
    reading_.isFolder.push_back(isFolder);
    if (reading_.Count() == kRunSize) HandOver(true);
}

void ListingRuns::HandOver(bool moreToRead) {
    auto run = std::make_unique<Run>();
    run->read = std::move(reading_);
    reading_ = {};
    handedOver_ += run->read.Count();
    Run* const handed = run.get();
    AcquireSRWLockExclusive(&lock_);
    runs_.push_back(std::move(run));
    ReleaseSRWLockExclusive(&lock_);
    // The pool's help is asked only while there is reading left to go on beside it: a small
    // folder costs no second thread (under Wine a megabyte of memory each), and the last run
    // is ordered here rather than waited for.
    if (moreToRead && !work_) work_.reset(CreateThreadpoolWork(OrderNext, this, nullptr));
    // The pooled calls take the runs in order, one each: those handed over before this one.
    if (moreToRead && work_) {
        SubmitThreadpoolWork(work_.get());
    } else {
        OrderAndMerge(*handed);
    }
}

void CALLBACK ListingRuns::OrderNext(PTP_CALLBACK_INSTANCE, void* self, PTP_WORK) {
    auto& runs = *static_cast<ListingRuns*>(self);
    AcquireSRWLockExclusive(&runs.lock_);
    Run* const run = runs.runs_[runs.nextToOrder_++].get();
    ReleaseSRWLockExclusive(&runs.lock_);
    runs.OrderAndMerge(*run);
}

void ListingRuns::OrderAndMerge(Run& run) {
    FolderNames names = Converted(run.read);
    run.read = {};
    // Asked of the system here, not before: the first call reads its sort tables in, which an
    // empty folder never needs.
    const SystemCollation collation;
    OrderedRun folderOrder(names.folders, collation), fileOrder(names.files, collation);
    run.folders = {std::move(names.folders), std::move(folderOrder)};
    run.files = {std::move(names.files), std::move(fileOrder)};
    AcquireSRWLockExclusive(&lock_);
    run.ordered = true;
    ReleaseSRWLockExclusive(&lock_);
    MergeOrdered();
}

void ListingRuns::MergeOrdered() {
    AcquireSRWLockExclusive(&mergeLock_);
    for (;;) {
        AcquireSRWLockExclusive(&lock_);
        Run* const next = nextToMerge_ < runs_.size() && runs_[nextToMerge_]->ordered ? runs_[nextToMerge_].get() : nullptr;
        if (next) ++nextToMerge_;
        ReleaseSRWLockExclusive(&lock_);
        if (!next) break;
        folders_.Add(std::move(next->folders));
        files_.Add(std::move(next->files));
    }
    ReleaseSRWLockExclusive(&mergeLock_);
}

FolderNames ListingRuns::Finish() {
    if (!reading_.names.empty()) HandOver(false);  // an empty folder never needs the sort tables
    work_.reset();
    runs_.clear();
    return {folders_.Finish(), files_.Finish()};
}

}  // namespace lorvane::win32
