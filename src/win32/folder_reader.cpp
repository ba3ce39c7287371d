#include "win32/folder_reader.h"

#include <utility>

#include "app/folder_entries.h"
#include "app/folder_reading.h"
#include "win32/folder_listing.h"
#include "win32/wide_text.h"

namespace lorvane::win32 {

namespace {

// About five hundred names of folders a call: the first part still comes at once.
constexpr std::size_t kEntriesBufferBytes = 64 * 1024;

// Shared every way: a folder being read can still be renamed or emptied by others. None when
// the folder cannot be opened: it then shows empty.
HANDLE OpenForListing(const std::string& folder) {
    if (folder.empty()) return nullptr;
    HANDLE opened = CreateFileW(ToUtf16(folder).c_str(), FILE_LIST_DIRECTORY,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return opened == INVALID_HANDLE_VALUE ? nullptr : opened;
}

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

}  // namespace

FolderReader::FolderReader(ListingJob job)
    : job_(std::move(job)),
      directory_(OpenForListing(job_.folder)),
      buffer_(kEntriesBufferBytes / sizeof(LONGLONG)),
      start_(GetTickCount64()) {}

bool FolderReader::ReadBuffer() {
    if (!directory_) return false;
    const auto bytes = static_cast<DWORD>(buffer_.size() * sizeof(LONGLONG));
    if (!GetFileInformationByHandleEx(directory_.get(), FileFullDirectoryInfo, buffer_.data(), bytes)) {
        directory_.reset();
        return false;
    }
    const auto* at = reinterpret_cast<const unsigned char*>(buffer_.data());
    for (;;) {
        const auto& entry = *reinterpret_cast<const FILE_FULL_DIR_INFO*>(at);
        Take(std::wstring_view(entry.FileName, entry.FileNameLength / sizeof(wchar_t)), entry.FileAttributes);
        if (entry.NextEntryOffset == 0) return true;
        at += entry.NextEntryOffset;
    }
}

void FolderReader::Take(std::wstring_view name, DWORD attributes) {
    // Kept as the system gives it: each name is converted once, with its run, beside the reading.
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (!IsDotEntry(name)) runs_.Add(name, true);
    } else if (!(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
        runs_.Add(name, false);
    }
    if (!firstPartSent_ && FirstPartDue(runs_.Count(), GetTickCount64() - start_)) {
        firstPartSent_ = true;
        PostListing(job_, OrderAll(runs_.Reading(), SystemCollation()), false);
    }
}

FolderNames FolderReader::Finish() {
    FolderNames names = runs_.Finish();
    GiveShortNamesToFlawedNames(ToUtf16(WithSeparator(job_.folder)) + L"*", names);
    return names;
}

void PostListing(const ListingJob& job, FolderNames names, bool complete) {
    auto listing = std::make_unique<Listing>(Listing{complete, std::move(names.folders), std::move(names.files)});
    if (PostMessageW(job.receiver, job.message, job.job, reinterpret_cast<LPARAM>(listing.get()))) {
        listing.release();  // the receiver owns it now
    }
}

void ReadRest(const std::unique_ptr<FolderReader>& reader) {
    while (reader->ReadBuffer()) {}
    // A folder that went away meanwhile shows empty; the pickers checked it on the way in.
    PostListing(reader->Job(), reader->Finish(), true);
}

}  // namespace lorvane::win32
