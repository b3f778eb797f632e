#include "core/HelpViewer.h"

#include <sys/stat.h>

#include "core/FileSystem.h"

namespace brackwell {

std::optional<std::string> ReadHelpFile(const std::string& path) {
    const FileHandle file(OpenFileForReading(path));
    struct stat info{};
    if (file.get() < 0 || fstat(file.get(), &info) != 0 || static_cast<std::size_t>(info.st_size) > kMaxHelpFileSize)
        return std::nullopt;
    std::string bytes;
    bool tooLarge = false;
    // The file may grow while it is read; the limit holds for what is read, too.
    const bool read = ReadInChunks(file.get(), [&](std::string_view chunk) {
        tooLarge = bytes.size() + chunk.size() > kMaxHelpFileSize;
        if (!tooLarge) bytes.append(chunk);
        return !tooLarge;
    });
    if (!read || tooLarge) return std::nullopt;
    return bytes;
}

void ShowHelpFile(const modBrackwell& model, HelpViewer& help, Dialogs& dialogs) {
    if (help.ShowHelpFile(model.AppFilePath(kHelpFileName))) return;
    dialogs.Message(
        "Trouble loading the help file, make sure that \r\nBRACKWELL.HLP is present in the same directory \r\nas "
        "the application program.",
        "** Help File Problem **");
}

}  // namespace brackwell
