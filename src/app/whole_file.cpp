#include "app/whole_file.h"

namespace lorvane {

bool WriteWholeFile(Files& files, const std::string& path, const std::string& bytes) {
    const std::string temp = files.TempPathBeside(path);
    std::unique_ptr<FileWriter> writer = files.CreateForWriting(temp);
    if (!writer) return false;
    bool written = writer->Write(bytes);
    written = writer->Close() && written;
    writer.reset();
    if (written && files.MoveOver(temp, path)) return true;
    files.RemoveFile(temp);
    return false;
}

}  // namespace lorvane
