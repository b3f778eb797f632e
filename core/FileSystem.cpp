#include "core/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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

bool ReplaceFile(const std::string& path, std::string_view contents) {
    const std::string target = ResolveExistingName(path);
    // The temporary name carries (the start of) the target's name, kept short enough that a
    // target with a long name can still be replaced.
    std::string temp = JoinPath(FolderOf(target), "." + NameOf(target).substr(0, 200) + ".XXXXXX");
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < contents.size()) {
        const ssize_t n = write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else written += static_cast<std::size_t>(n);
    }
    // A replaced file keeps its permissions; a new one gets the usual ones for the user.
    struct stat old{};
    mode_t mode = 0;
    if (stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && fchmod(fd, mode) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(temp.c_str(), target.c_str()) == 0) return true;
    unlink(temp.c_str());
    return false;
}

}  // namespace brackwell
