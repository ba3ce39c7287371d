#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace lorvane::win32 {

// The folders or the files of one folder, read on a worker thread so that a folder of a
// hundred thousand entries never holds up the window. The result is posted back to a
// window as `message` with the listing in lParam; the receiver takes ownership with
// TakeListing. A result that cannot be posted is dropped by the worker itself.
struct Listing {
    int generation;
    std::vector<std::string> names;  // sorted without regard to case
};

enum class ListingKind { Folders, Files };

void StartListing(HWND receiver, UINT message, WPARAM tag, const std::string& folder,
                  ListingKind kind, int generation);

Listing* TakeListing(LPARAM lParam);

// Ordering of names as the lists show them: letters compared without regard to case.
bool NameLess(const std::string& a, const std::string& b);

// "C:\" stays; "C:\Docs" gets its separator: ready to append a name.
std::string WithSeparator(const std::string& folder);

}  // namespace lorvane::win32
