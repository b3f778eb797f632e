#include "core/DemoKeptPool.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

namespace {

constexpr const char* kDemoSetTitle = "BRACKWELL - DemoModeSet";
constexpr const char* kDemoResetTitle = "BRACKWELL - DemoReset";

// The files (and links) of a folder, not its folders.
std::vector<std::string> FileEntries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info{};
        if (lstat((folder + "/" + name).c_str(), &info) == 0 && (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode)))
            names.push_back(name);
    }
    closedir(dir);
    return names;
}

// A real folder, not a link to one elsewhere: files moved into it stay in the application folder.
bool IsOwnFolder(const std::string& path) {
    struct stat info{};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const std::string& path) {
    struct stat info{};
    return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

// Renames without ever replacing what is at to.
bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
    return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

// Moves every file of from into to, unless a file of its name (any case) was in to before.
// The names that stayed behind.
std::vector<std::string> MoveBack(const std::string& from, const std::string& to) {
    std::set<std::string> taken;
    for (const std::string& name : FileEntries(to)) taken.insert(UpperCase(name));
    std::vector<std::string> left;
    for (const std::string& name : FileEntries(from))
        if (taken.count(UpperCase(name)) != 0 || !MoveWithoutReplacing(from + "/" + name, to + "/" + name))
            left.push_back(name);
    rmdir(from.c_str());
    return left;
}

}  // namespace

bool IsOrganisersPoolFile(std::string_view name) {
    for (const char* own : {kStartFileName, kResultsFileName, kRosterFileName, "QUILLON.EXE", "QUILLON.HTM",
                             "PRIZES.TXT"})
        if (EqualsIgnoreCase(name, own)) return true;
    constexpr std::string_view kSelection = ".BKS";
    return name.size() > kSelection.size() && EqualsIgnoreCase(name.substr(name.size() - kSelection.size()), kSelection);
}

bool KeepOrganisersPool(const modBrackwell& model, Dialogs& dialogs) {
    const std::string folder = FolderOf(model.AppFilePath(kKeptPoolFolder));
    const std::string kept = model.AppFilePath(kKeptPoolFolder);
    const std::string keeping = model.AppFilePath(kKeepingPoolFolder);
    if (IsOwnFolder(kept)) return true;

    std::string failure;
    if (Exists(kept)) {
        failure = std::string(kKeptPoolFolder) + " is in the way: it is not a folder";
    } else if (mkdir(keeping.c_str(), 0700) != 0 && !(errno == EEXIST && IsOwnFolder(keeping))) {
        failure = std::string(kKeepingPoolFolder) + ": " + std::strerror(errno);
    } else {
        for (const std::string& name : FileEntries(folder)) {
            if (!IsOrganisersPoolFile(name)) continue;
            if (!MoveWithoutReplacing(folder + "/" + name, keeping + "/" + name)) {
                failure = name + ": " + std::strerror(errno);
                break;
            }
        }
        if (failure.empty() && std::rename(keeping.c_str(), kept.c_str()) != 0)
            failure = std::string(kKeepingPoolFolder) + ": " + std::strerror(errno);
    }
    if (failure.empty()) {
        SyncFileSystem(folder);
        return true;
    }
    if (IsOwnFolder(keeping)) MoveBack(keeping, folder);
    dialogs.Message("Your own pool could not be kept aside for the demo (" + failure + "),\r\nso DEMO Mode was not "
                    "started. Your files are as they were.",
                    kDemoSetTitle, MsgIcon::Exclamation);
    return false;
}

void PutBackOrganisersPool(const modBrackwell& model, Dialogs& dialogs) {
    const std::string kept = model.AppFilePath(kKeptPoolFolder);
    if (!IsOwnFolder(kept)) return;
    const std::vector<std::string> left = MoveBack(kept, FolderOf(kept));
    SyncFileSystem(FolderOf(kept));
    if (left.empty()) return;
    std::string text = std::string("These files of your own pool are still kept in the folder ") + kKeptPoolFolder +
                       ",\r\nas files of the same names are in the application folder:";
    for (const std::string& name : left) text += "\r\n" + name;
    dialogs.Message(text, kDemoResetTitle, MsgIcon::Exclamation);
}

}  // namespace brackwell
