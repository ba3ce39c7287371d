#pragma once
// Files as the writers and readers need them, and the program's own folder.

#include <cstddef>
#include <memory>
#include <string>

namespace lorvane {

// A file being written. Close reports whether everything written reached the disk.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    virtual bool Write(const std::string& bytes) = 0;
    virtual bool Close() = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // The folder of the program's executable, without a trailing separator except at a
    // drive root. Empty when the system cannot tell it.
    virtual std::string ProgramFolder() = 0;
    // A new file (or a truncated one), a move that replaces its target, a removal, and the
    // first bytes of a file.
    virtual std::unique_ptr<FileWriter> CreateForWriting(const std::string& path) = 0;
    virtual bool MoveOver(const std::string& from, const std::string& to) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    virtual bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) = 0;
    // A name for a temporary file in the same folder as the target, unique to this process.
    virtual std::string TempPathBeside(const std::string& target) = 0;
    // Whether a new file can be made in the folder: false where the user may not write (a
    // program installed under Program Files, a read-only share).
    virtual bool FolderAcceptsNewFiles(const std::string& folder) = 0;
    // An ordinary file (not a folder) of exactly that name exists.
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace lorvane
