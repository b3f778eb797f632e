#include "pickapp/rules/SaveRules.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace brackwell::pick {

namespace {
constexpr const char* kSettingsName = "BRACKWELL.INI";

// The settings file's path in folder, whatever the case of its name there.
std::string SettingsPath(const std::string& folder) {
    std::string found = folder + "/" + kSettingsName;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (strcasecmp(entry->d_name, kSettingsName) == 0) {
                found = folder + "/" + entry->d_name;
                break;
            }
        }
        closedir(dir);
    }
    return found;
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The mode the saved file gets: an old file's own permission bits, else the usual ones for a
// new file of the user.
mode_t SavedFileMode(const std::string& path) {
    struct stat old{};
    if (lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) return old.st_mode & 0777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool SyncFolder(const std::string& folder) {
    const Descriptor dir{open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return dir.fd >= 0 && (fsync(dir.fd) == 0 || errno == EINVAL);
}
}  // namespace

bool DemoFlagSet(const std::string& folder) {
    // Only a regular file is read, and opening never waits: a pipe or a device of that name
    // would otherwise hold the save up for good.
    const Descriptor file{open(SettingsPath(folder).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    struct stat info{};
    if (file.fd < 0 || fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    char first = 0;
    ssize_t n = 0;
    do n = read(file.fd, &first, 1);
    while (n < 0 && errno == EINTR);
    return n == 1 && first == '1';
}

int LeadingNumber(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > 99999) break;  // far out of range already; keeps the sum from overflowing
    }
    return value;
}

std::optional<std::string> SaveRefusal(bool demoMode, const std::string& initials, const std::string& name,
                                       const std::string& totalPoints) {
    if (demoMode) return "DEMO Mode active, you cannot save the file.";
    if (initials.empty() || name.empty() || totalPoints.empty())
        return "Required fields are missing.  You must fill in the fields\n"
               "for *Initials*, *Name*, and *Total Points Prediction*.";
    const int total = LeadingNumber(totalPoints);
    if (total < kLowestTotal || total > kHighestTotal)
        return "Final Game - you must enter a valid prediction\n"
               "(between 50 & 250) for the total score of this game.";
    return std::nullopt;
}

std::string SuggestedFileName(const std::string& name, const std::string& initials) { return name + "_" + initials; }

bool WritePickSelection(const std::string& path, const PickBracket& bracket, const std::string& initials,
                        const std::string& name, const std::string& totalPoints) {
    // A file that is there but may not be written stays as it is, as if it could not be opened.
    if (access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0) return false;
    std::string contents;
    auto line = [&contents](const std::string& text) { contents.append(text).append("\r\n"); };
    for (int position = 1; position <= kPositionCount; ++position) line(bracket.Caption(position));
    line(initials);
    line(name);
    line(totalPoints);
    line("*END*");

    // The temporary is made under a fresh name beside the file and only if nothing of that name
    // is there (mkostemp opens with O_EXCL; O_NOFOLLOW on top), so a planted link is never
    // followed; the rename then puts the new file in place of whatever the name held.
    std::string temp = FolderOf(path) + "/." + NameOf(path) + "." + std::to_string(getpid()) + ".XXXXXX";
    Descriptor out{mkostemp(temp.data(), O_CLOEXEC | O_NOFOLLOW)};
    if (out.fd < 0) return false;
    bool ok = WriteAll(out.fd, contents) && fchmod(out.fd, SavedFileMode(path)) == 0 && fsync(out.fd) == 0;
    ok = close(out.fd) == 0 && ok;
    out.fd = -1;
    if (ok && rename(temp.c_str(), path.c_str()) == 0) {
        SyncFolder(FolderOf(path));
        return true;
    }
    unlink(temp.c_str());
    return false;
}

}  // namespace brackwell::pick
