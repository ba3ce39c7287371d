#include "app/whole_file.h"

namespace lorvane {

bool WriteWholeFile(Platform& platform, const std::string& path, const std::string& bytes) {
    const std::string temp = platform.TempPathBeside(path);
    std::unique_ptr<FileWriter> writer = platform.CreateForWriting(temp);
    if (!writer) return false;
    bool written = writer->Write(bytes);
    written = writer->Close() && written;
    writer.reset();
    if (written && platform.MoveOver(temp, path)) return true;
    platform.RemoveFile(temp);
    return false;
}

}  // namespace lorvane
