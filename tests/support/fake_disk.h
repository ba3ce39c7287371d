#pragma once
// A disk for tests: files by full path, and the folders around them reduced to which can be
// read. The writers must clean up what a failed write leaves.

#include <map>
#include <set>

#include "app/files.h"
#include "app/folders.h"

namespace lorvane::testing {

enum class FileStep { None, Create, Write, Close, Move };

class FakeFiles : public Files {
public:
    std::map<std::string, std::string> files;
    FileStep failAt = FileStep::None;
    std::set<std::string> readOnlyFiles;  // cannot be replaced or created
    std::set<std::string> unreadableFiles;
    std::set<std::string> readOnlyFolders;
    std::string programFolder = "C:\\Lorvane";

    // A step set in failAt fails; a failed Write leaves half its bytes, as a full disk would.
    struct Writer : FileWriter {
        Writer(FakeFiles& f, std::string p) : fake(f), path(std::move(p)) {}
        bool Write(const std::string& bytes) override {
            fake.files[path] += fake.Fails(FileStep::Write) ? bytes.substr(0, bytes.size() / 2) : bytes;
            return !fake.Fails(FileStep::Write);
        }
        bool Close() override { return !fake.Fails(FileStep::Close); }
        FakeFiles& fake;
        std::string path;
    };
    bool Fails(FileStep step) const { return failAt == step; }

    std::string ProgramFolder() override { return programFolder; }
    std::unique_ptr<FileWriter> CreateForWriting(const std::string& path) override {
        if (Fails(FileStep::Create) || readOnlyFiles.count(path) != 0) return nullptr;
        files[path].clear();
        return std::make_unique<Writer>(*this, path);
    }
    bool MoveOver(const std::string& from, const std::string& to) override {
        if (Fails(FileStep::Move) || readOnlyFiles.count(to) != 0 || files.count(from) == 0) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }
    bool ReadFileStart(const std::string& path, std::size_t maxBytes, std::string& bytes) override {
        const auto found = files.find(path);
        if (found == files.end() || unreadableFiles.count(path) != 0) return false;
        bytes = found->second.substr(0, maxBytes);
        return true;
    }
    std::string TempPathBeside(const std::string& target) override { return target + ".~tmp"; }
    bool FolderAcceptsNewFiles(const std::string& folder) override { return readOnlyFolders.count(folder) == 0; }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
};

// A file of the disk is no folder.
class FakeFolders : public Folders {
public:
    FakeFolders(const FakeFiles& disk, std::string folder) : currentDirectory(std::move(folder)), disk_(disk) {}

    std::string currentDirectory;
    // Folders that cannot be read, the current folder of each drive ("D:" -> "D:\x"), and
    // short names by path.
    std::set<std::string> unreadableFolders;
    std::map<std::string, std::string> driveFolders;
    std::map<std::string, std::string> shortNames;
    std::vector<std::string> announced;  // by WillShow

    std::string CurrentDirectory() override { return currentDirectory; }
    std::string ReadableFolder(const std::string& path) override {
        std::string folder = path.size() == 2 && path[1] == ':' ? path + "\\" : path;
        if (driveFolders.contains(path)) folder = driveFolders.at(path);
        return unreadableFolders.count(folder) != 0 || disk_.files.count(folder) != 0 ? std::string() : folder;
    }
    void WillShow(const std::string& path) override { announced.push_back(path); }
    std::vector<std::string> LogicalDrives() override { return {"C:\\", "D:\\"}; }
    std::string ShortName(const std::string& path) override {
        return shortNames.contains(path) ? shortNames.at(path) : std::string();
    }

private:
    const FakeFiles& disk_;
};

}  // namespace lorvane::testing
