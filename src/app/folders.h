#pragma once
// Folders and drives as the lists and the copy checks see them. Paths and names come from
// the system as they are.

#include <string>
#include <vector>

namespace lorvane {

class Folders {
public:
    virtual ~Folders() = default;
    // The process's current directory, as an absolute path without a trailing separator
    // except at a drive root.
    virtual std::string CurrentDirectory() = 0;
    // The folder a folder list shows for a path: a bare drive ("D:") gives that drive's
    // current folder. Empty when the folder does not exist or cannot be read.
    virtual std::string ReadableFolder(const std::string& path) = 0;
    // A folder list is about to move to the folder a path names, and asks ReadableFolder
    // next: the system may begin reading the folder meanwhile.
    virtual void WillShow(const std::string& path) { (void)path; }
    // The drives the system has now, as their roots ("C:\") or names ("C:").
    virtual std::vector<std::string> LogicalDrives() = 0;
    // The short (8.3) name the volume gives the last part of an existing path; empty when
    // the path names nothing, or the volume gives it no short name of its own.
    virtual std::string ShortName(const std::string& path) = 0;
};

}  // namespace lorvane
