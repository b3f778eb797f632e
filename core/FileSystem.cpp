#include "core/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <utility>

#include "core/TextHelpers.h"

namespace brackwell {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t NewFileMode(mode_t bits) {
    // umask() is read only by setting it, and a file another thread (a print, an outlook, a
    // build) created in between would get no mask at all: the kernel's own account of the
    // process is read first.
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) != 0) continue;
        char* end = nullptr;
        const unsigned long mask = std::strtoul(line.c_str() + 6, &end, 8);
        if (end != line.c_str() + 6 && mask <= 0777) return bits & ~static_cast<mode_t>(mask);
        break;
    }
    static std::mutex reading;
    const std::lock_guard<std::mutex> lock(reading);
    const mode_t mask = umask(0);
    umask(mask);
    return bits & ~mask;
}

namespace {
std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (!visit(name)) break;
    }
    closedir(dir);
}
}  // namespace

std::string ResolveExistingName(const std::string& path) {
    struct stat info{};
    if (lstat(path.c_str(), &info) == 0 || errno != ENOENT) return path;
    const std::string folder = FolderOf(path);
    const std::string wanted = NameOf(path);
    // Folders made elsewhere may hold several cases of one name; the lowest in byte order is
    // taken so that every lookup agrees, whatever order the folder lists them in.
    std::string found;
    ForEachEntry(folder, [&](const std::string& name) {
        if (EqualsIgnoreCase(name, wanted) && (found.empty() || name < found)) found = name;
        return true;
    });
    return found.empty() ? path : JoinPath(path.find('/') == std::string::npos ? "" : folder, found);
}

bool FileExists(const std::string& path) {
    struct stat info{};
    return stat(ResolveExistingName(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool DeleteFileIfPresent(const std::string& path) {
    const std::string existing = ResolveExistingName(path);
    if (unlink(existing.c_str()) == 0) return true;
    return errno == ENOENT;
}

std::vector<std::string> ListFilesWithExtension(const std::string& folder, std::string_view extension) {
    std::vector<std::string> names;
    ForEachEntry(folder, [&](const std::string& name) {
        if (name.size() > extension.size() &&
            EqualsIgnoreCase(std::string_view(name).substr(name.size() - extension.size()), extension)) {
            struct stat info{};
            if (stat(JoinPath(folder, name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(name);
        }
        return true;
    });
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return CompareListOrder(a, b) < 0; });
    return names;
}

namespace {
constexpr std::size_t kTemporaryNameStem = 200;

std::string TemporaryStem(std::string_view name) {
    std::string stem(1, '.');
    stem += name.substr(0, kTemporaryNameStem);
    stem += '.';
    return stem;
}

bool SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder at all; there is nothing more to wait for then.
    const bool ok = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return ok;
}

// A writer killed between making its temporary and renaming it leaves the temporary behind;
// the next writer of the same name removes those whose process is gone.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
    const long self = static_cast<long>(getpid());
    std::vector<std::string> stale;
    ForEachEntry(folder, [&](const std::string& entry) {
        long writer = 0;
        if (IsTemporaryOf(entry, name, &writer) && writer != self && kill(static_cast<pid_t>(writer), 0) != 0 &&
            errno == ESRCH)
            stale.push_back(entry);
        return true;
    });
    for (const std::string& entry : stale) unlink(JoinPath(folder, entry).c_str());
}

bool WriteAll(int fd, std::string_view contents) {
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}
}  // namespace

bool IsTemporaryOf(std::string_view entry, std::string_view name, long* writer) {
    const std::string stem = TemporaryStem(name);
    if (entry.size() < stem.size() + 8 || entry.compare(0, stem.size(), stem) != 0) return false;
    std::string_view rest = entry.substr(stem.size());  // pid "." XXXXXX
    if (rest.size() < 8 || rest[rest.size() - 7] != '.') return false;
    const std::string_view digits = rest.substr(0, rest.size() - 7);
    if (digits.empty() || digits.size() > 10) return false;
    long pid = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        pid = pid * 10 + (c - '0');
    }
    if (writer != nullptr) *writer = pid;
    return true;
}

bool ReadInChunks(int fd, const std::function<bool(std::string_view)>& consume) {
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0 || !consume(std::string_view(buffer, static_cast<std::size_t>(n)))) return true;
    }
}

FileHandle::~FileHandle() {
    if (fd_ >= 0) close(fd_);
}

int OpenFileForReading(const std::string& path) {
    // O_NONBLOCK: opening a pipe without a writer, or a device, must not wait; it makes no
    // difference to reading a regular file.
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    // The exact name is tried first, so the common case costs one system call; the folder is
    // searched for another case of the name only when that fails.
    int fd = open(path.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
        const std::string existing = ResolveExistingName(path);
        if (existing == path) return -1;
        fd = open(existing.c_str(), kFlags);
    }
    if (fd < 0) return -1;
    struct stat info{};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::string ReplacementTarget(const std::string& path) {
    std::string target = ResolveExistingName(path);
    RemoveStaleTemporaries(FolderOf(target), NameOf(target));
    return target;
}

bool ReplaceFile(const std::string& path, std::string_view contents, Durability durability) {
    return ReplaceExactFile(ReplacementTarget(path), contents, durability);
}

bool ReplaceExactFile(const std::string& target, std::string_view contents, Durability durability) {
    FileReplacement replacement(target, durability);
    return replacement.Append(contents) && replacement.Commit();
}

std::string TemporaryTemplateFor(const std::string& target) {
    // The temporary name carries (the start of) the target's name, kept short enough that a
    // target with a long name can still be replaced, and the writer's process id, so that a
    // later writer can tell a crashed writer's temporary from one still being written.
    std::string tempName = TemporaryStem(NameOf(target));
    tempName += std::to_string(getpid());
    tempName += ".XXXXXX";
    return JoinPath(FolderOf(target), tempName);
}

FileReplacement::FileReplacement(std::string target, Durability durability)
    : target_(std::move(target)), temp_(TemporaryTemplateFor(target_)), durability_(durability) {
    fd_ = mkostemp(temp_.data(), O_CLOEXEC);
}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0) close(fd_);
    if (!committed_ && !temp_.empty()) unlink(temp_.c_str());
}

bool FileReplacement::Append(std::string_view bytes) {
    if (fd_ < 0 || !WriteAll(fd_, bytes)) failed_ = true;
    return !failed_;
}

bool FileReplacement::Commit() {
    if (fd_ < 0 || failed_ || committed_) return false;
    // A replaced file keeps its own permissions (never set-id or sticky bits); a new one, or one
    // that replaces a symbolic link (the link itself is replaced, and its target's bits are not
    // its own), gets the usual ones for the user.
    struct stat old{};
    const bool replaced = lstat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = replaced ? old.st_mode & 0777 : NewFileMode(0666);
    bool ok = fchmod(fd_, mode) == 0 && (durability_ == Durability::Deferred || fsync(fd_) == 0);
    ok = close(fd_) == 0 && ok;
    fd_ = -1;
    if (!ok || rename(temp_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return durability_ == Durability::Deferred || SyncFolder(FolderOf(target_));
}

bool SyncFileSystem(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = syncfs(fd) == 0;
    close(fd);
    return ok;
}

}  // namespace brackwell
