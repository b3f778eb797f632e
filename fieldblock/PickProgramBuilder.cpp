#include "fieldblock/PickProgramBuilder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string_view>
#include <vector>

#include "core/FileSystem.h"
#include "core/TextHelpers.h"
#include "fieldblock/FieldBlockFiller.h"
#include "fieldblock/FieldCheck.h"

namespace brackwell {

namespace {
constexpr const char* kRoutineTitle = "QUILLON Routine";
constexpr const char* kBeforeFinalize = "This will need to be corrected before you can finalize the setup.";
constexpr const char* kInstalled = "This file is installed as part of the installation process.";
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

// Builds of an earlier version named their temporaries "." + name + "." + six random characters,
// without the writer's process id, and a killed build left them behind. Nothing writes such a
// name any more, so whatever of that form is there is stale.
void RemoveEarlierBuildTemporaries(const std::string& folder, const std::string& name) {
    const std::string stem = "." + name + ".";
    std::vector<std::string> stale;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string_view entryName = entry->d_name;
            if (entryName.size() == stem.size() + 6 && entryName.substr(0, stem.size()) == stem &&
                std::all_of(entryName.begin() + static_cast<std::ptrdiff_t>(stem.size()), entryName.end(),
                            [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
                stale.emplace_back(entryName);
        }
        closedir(dir);
    }
    for (const std::string& entry : stale) unlink((folder + "/" + entry).c_str());
}

// Writes output from the template with the field in its areas. Written under a temporary name
// and renamed over the old file when complete, so no half-built file is ever found under its
// real name and the old one stays until the new one takes its place.
CopyResult FillTemplate(const std::string& templatePath, const std::string& outputPath, const PickField& field,
                        bool runnable, const BuildProgress& progress) {
    const FileHandle in(OpenFileForReading(templatePath));
    struct stat info{};
    if (in.get() < 0 || fstat(in.get(), &info) != 0) return CopyResult::Unreadable;
    const std::string target = ReplacementTarget(outputPath);
    RemoveEarlierBuildTemporaries(FolderOf(target), NameOf(outputPath));
    std::string temp = TemporaryTemplateFor(target);
    FileDescriptor out{mkostemp(temp.data(), O_CLOEXEC)};
    if (out.fd < 0) return CopyResult::Unwritable;
    CopyResult result = CopyFilled(in.get(), out.fd, static_cast<std::size_t>(info.st_size), field, progress);
    if (result == CopyResult::Written && (fchmod(out.fd, NewFileMode(runnable ? 0777 : 0666)) != 0 || fsync(out.fd) != 0))
        result = CopyResult::Unwritable;
    const bool closed = close(out.fd) == 0;
    out.fd = -1;
    if (result == CopyResult::Written && (!closed || rename(temp.c_str(), target.c_str()) != 0))
        result = CopyResult::Unwritable;
    if (result != CopyResult::Written) unlink(temp.c_str());
    return result;
}

bool WritePickProgram(const modBrackwell& model, const PickField& field, Dialogs& dialogs,
                      const BuildProgress& progress) {
    const std::string programPath = model.AppFilePath(kPickProgramName);
    const std::string templatePath = model.AppFilePath(kPickTemplateName);
    if (!FileExists(templatePath)) {
        Refuse(dialogs, std::string("** Error - Couldn't locate the file QUILLON.OBJ") + kCrLf + kBeforeFinalize +
                            kCrLf + kCrLf + kInstalled);
        return false;
    }
    if (const auto refusal = fieldblock::FieldRefusal(field)) {
        Refuse(dialogs, *refusal);
        return false;
    }
    switch (FillTemplate(templatePath, programPath, field, true, progress)) {
    case CopyResult::Written: return true;
    case CopyResult::Unreadable:
        Refuse(dialogs, std::string("** Error - Couldn't read the file QUILLON.OBJ") + kCrLf + kBeforeFinalize);
        break;
    case CopyResult::CutShort:
        Refuse(dialogs, std::string("** Error - The file QUILLON.OBJ is damaged: it ends inside its field area.") +
                            kCrLf + kBeforeFinalize + kCrLf + kCrLf + kInstalled);
        break;
    case CopyResult::Unwritable:
        Refuse(dialogs, "** Error - Couldn't write the file " + programPath + kCrLf +
                            "Check that the folder can be written to and has room, then finalize the setup again.");
        break;
    }
    return false;
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
    // A build replaces the old program by renaming the new one over it; only a build that fails
    // takes the old program away, and the form with it, as both carry a field no longer meant.
    if (WritePickProgram(model, field, dialogs, progress)) return true;
    DeleteFileIfPresent(model.AppFilePath(kPickProgramName));
    DeleteFileIfPresent(model.AppFilePath(kPickFormName));
    return false;
}

bool BuildPickForm(const modBrackwell& model, const PickField& field, Dialogs& dialogs) {
    const std::string formPath = model.AppFilePath(kPickFormName);
    const std::string templatePath = model.AppFilePath(kPickFormTemplateName);
    // The program is built by now: the form is extra, so its failures warn and the setup goes on.
    // A form that could not be built again goes, as it carries the field of the last build.
    auto warn = [&dialogs, &formPath](const std::string& reason) {
        DeleteFileIfPresent(formPath);
        dialogs.Message(reason + kCrLf + "The pick form QUILLON.HTM for browsers was not built; QUILLON.EXE was "
                                         "built and can be sent as before.",
                        kRoutineTitle, MsgIcon::Exclamation);
        return false;
    };
    if (!FileExists(templatePath))
        return warn(std::string("** The file ") + kPickFormTemplateName + " is missing." + kCrLf + kInstalled);
    if (const auto refusal = fieldblock::FieldRefusal(field)) return warn(*refusal);
    switch (FillTemplate(templatePath, formPath, field, false, {})) {
    case CopyResult::Written: return true;
    case CopyResult::Unreadable: return warn(std::string("** Error - Couldn't read the file ") + kPickFormTemplateName);
    case CopyResult::CutShort:
        return warn(std::string("** Error - The file ") + kPickFormTemplateName +
                    " is damaged: it ends inside its field area." + kCrLf + kInstalled);
    case CopyResult::Unwritable: return warn("** Error - Couldn't write the file " + formPath);
    }
    return false;
}

}  // namespace brackwell
