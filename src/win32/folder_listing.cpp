#include "win32/folder_listing.h"

#include <algorithm>
#include <memory>

namespace lorvane::win32 {

namespace {

// Windows-1252 letters folded to upper case, accented ones included.
unsigned char Fold(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<unsigned char>(c - 0x20);
    return c;
}

bool IsDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

bool Wanted(const WIN32_FIND_DATAA& data, ListingKind kind) {
    const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (kind == ListingKind::Folders) return isFolder && !IsDotEntry(data.cFileName);
    // Files as the file list has always shown them: hidden and system files left out.
    return !isFolder && (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void ReadFolder(HWND receiver, UINT message, WPARAM tag, std::string folder, ListingKind kind,
                int generation) {
    auto listing = std::make_unique<Listing>();
    listing->generation = generation;
    const std::string pattern = WithSeparator(folder) + "*";
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (Wanted(data, kind)) listing->names.emplace_back(data.cFileName);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    // A folder that went away meanwhile shows empty; the pickers checked it on the way in.
    std::sort(listing->names.begin(), listing->names.end(), NameLess);
    if (PostMessageA(receiver, message, tag, reinterpret_cast<LPARAM>(listing.get()))) {
        listing.release();  // the receiver owns it now
    }
}

}  // namespace

bool NameLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return Fold(static_cast<unsigned char>(x)) < Fold(static_cast<unsigned char>(y));
    });
}

std::string WithSeparator(const std::string& folder) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder;
    return folder + "\\";
}

namespace {

struct ListingJob {
    HWND receiver;
    UINT message;
    WPARAM tag;
    std::string folder;
    ListingKind kind;
    int generation;
};

DWORD WINAPI RunListingJob(void* parameter) {
    std::unique_ptr<ListingJob> job(static_cast<ListingJob*>(parameter));
    ReadFolder(job->receiver, job->message, job->tag, job->folder, job->kind, job->generation);
    return 0;
}

}  // namespace

void StartListing(HWND receiver, UINT message, WPARAM tag, const std::string& folder,
                  ListingKind kind, int generation) {
    auto job = std::make_unique<ListingJob>(ListingJob{receiver, message, tag, folder, kind, generation});
    // A thread of the system's own: detached std::threads were seen never to start under Wine.
    HANDLE thread = CreateThread(nullptr, 0, RunListingJob, job.get(), 0, nullptr);
    if (thread == nullptr) {
        // No thread to be had: read it here rather than show nothing.
        ReadFolder(receiver, message, tag, folder, kind, generation);
        return;
    }
    job.release();  // the thread owns it now
    CloseHandle(thread);
}

Listing* TakeListing(LPARAM lParam) { return reinterpret_cast<Listing*>(lParam); }

}  // namespace lorvane::win32
