#include "fieldblock/PickProgramBuilder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "core/FileSystem.h"
#include "core/TextHelpers.h"
#include "fieldblock/FieldBlockFiller.h"
#include "fieldblock/FieldCheck.h"

namespace brackwell {

namespace {
constexpr const char* kRoutineTitle = "QUILLON Routine";
constexpr const char* kBeforeFinalize = "This will need to be corrected before you can finalize the setup.";
// The template passes through in chunks of this size; progress is reported once per chunk.
constexpr std::size_t kChunkSize = 64 * 1024;

void Refuse(Dialogs& dialogs, const std::string& text) { dialogs.Message(text, kRoutineTitle, MsgIcon::Critical); }

// Closes a descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) close(fd);
    }
};

bool WriteAll(int fd, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t n = write(fd, bytes, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads up to count bytes; the number read, or -1 on an error.
ssize_t ReadSome(int fd, char* bytes, std::size_t count) {
    for (;;) {
        const ssize_t n = read(fd, bytes, count);
        if (n >= 0 || errno != EINTR) return n;
    }
}

enum class CopyResult { Written, Unreadable, Unwritable, CutShort };

// Streams the template into the temporary file, filling the areas on the way.
CopyResult CopyFilled(int in, int out, std::size_t total, const PickField& field, const BuildProgress& progress) {
    fieldblock::FieldBlockFiller filler(field);
    std::vector<char> buffer(kChunkSize);
    std::size_t done = 0;
    if (progress) progress(0, total);
    for (;;) {
        const ssize_t n = ReadSome(in, buffer.data(), buffer.size());
        if (n < 0) return CopyResult::Unreadable;
        if (n == 0) break;
        filler.Process(buffer.data(), static_cast<std::size_t>(n));
        if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) return CopyResult::Unwritable;
        done += static_cast<std::size_t>(n);
        if (progress) progress(done, std::max(done, total));
    }
    return filler.Finish() == fieldblock::FieldBlockFiller::Outcome::CutShort ? CopyResult::CutShort
                                                                               : CopyResult::Written;
}

// The mode of a new program file: readable and runnable as the user's umask allows.
mode_t ProgramMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0777 & ~mask;
}
}  // namespace

PickField PickFieldFromStartLines(const StartLinesArray& lines) {
    PickField field;
    for (std::size_t i = 0; i < field.teams.size(); ++i) field.teams[i] = lines[i];
    for (std::size_t i = 0; i < 11; ++i) field.others[i] = lines[kTitleLine + i];
    field.others[11] = BarsToLineBreaks(lines[kComment1Line]);
    field.others[12] = BarsToLineBreaks(lines[kComment2Line]);
    return field;
}

bool BuildPickProgram(const modBrackwell& model, const PickField& field, Dialogs& dialogs,
                      const BuildProgress& progress) {
    const std::string programPath = model.AppFilePath(kPickProgramName);
    const std::string templatePath = model.AppFilePath(kPickTemplateName);
    DeleteFileIfPresent(programPath);
    if (!FileExists(templatePath)) {
        Refuse(dialogs, std::string("** Error - Couldn't locate the file QUILLON.OBJ") + kCrLf + kBeforeFinalize +
                            kCrLf + kCrLf + "This file is installed as part of the installation process.");
        return false;
    }
    if (const auto refusal = fieldblock::FieldRefusal(field)) {
        Refuse(dialogs, *refusal);
        return false;
    }
    const std::string cannotRead = std::string("** Error - Couldn't read the file QUILLON.OBJ") + kCrLf + kBeforeFinalize;
    FileDescriptor in{open(ResolveExistingName(templatePath).c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat info{};
    if (in.fd < 0 || fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        Refuse(dialogs, cannotRead);
        return false;
    }
    // Written under a temporary name and renamed when complete, so no half-built program is
    // ever found under its real name.
    std::string temp = FolderOf(programPath) + "/.QUILLON.EXE.XXXXXX";
    FileDescriptor out{mkostemp(temp.data(), O_CLOEXEC)};
    CopyResult result = CopyResult::Unwritable;
    if (out.fd >= 0) {
        result = CopyFilled(in.fd, out.fd, static_cast<std::size_t>(info.st_size), field, progress);
        if (result == CopyResult::Written && (fchmod(out.fd, ProgramMode()) != 0 || fsync(out.fd) != 0))
            result = CopyResult::Unwritable;
        const bool closed = close(out.fd) == 0;
        out.fd = -1;
        if (result == CopyResult::Written && (!closed || rename(temp.c_str(), programPath.c_str()) != 0))
            result = CopyResult::Unwritable;
        if (result != CopyResult::Written) unlink(temp.c_str());
    }
    switch (result) {
    case CopyResult::Written: return true;
    case CopyResult::Unreadable: Refuse(dialogs, cannotRead); break;
    case CopyResult::CutShort:
        Refuse(dialogs, std::string("** Error - The file QUILLON.OBJ is damaged: it ends inside its field area.") +
                            kCrLf + kBeforeFinalize + kCrLf + kCrLf +
                            "This file is installed as part of the installation process.");
        break;
    case CopyResult::Unwritable:
        Refuse(dialogs, "** Error - Couldn't write the file " + programPath + kCrLf +
                            "Check that the folder can be written to and has room, then finalize the setup again.");
        break;
    }
    return false;
}

}  // namespace brackwell
