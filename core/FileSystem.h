#pragma once
// Files of the application folder. Names are matched without regard to case, as on the
// platform the file formats come from; replacing a file never leaves half of it behind.

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brackwell {

// The path of an existing file whose name matches the last part of path without regard to
// case (the exact name wins); path itself when nothing matches.
std::string ResolveExistingName(const std::string& path);
// True when path names an existing regular file (any case of its name).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Deletes the file if it is there (any case of its name); true when it is gone afterwards.
bool DeleteFileIfPresent(const std::string& path);

// File names (not paths) in folder that end in extension (".BKS", any case), sorted the way a
// file list shows them: case-insensitive alphabetical order.
std::vector<std::string> ListFilesWithExtension(const std::string& folder, std::string_view extension);

// Opens path (any case of its name) for reading without ever blocking: only a regular file is
// opened (a symbolic link to one is followed); a folder, pipe or device gives -1 with errno set
// (ENOENT when there is no such file). The check is made on the open descriptor, so nothing can
// be swapped in between. The caller closes the descriptor.
int OpenFileForReading(const std::string& path);

// Reads fd to its end in chunks, handing each to consume, which returns false to stop there.
// False on a read error.
bool ReadInChunks(int fd, const std::function<bool(std::string_view)>& consume);

// Closes a descriptor when it goes out of scope (nothing for a negative one).
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// How far a replacement waits for the disk.
enum class Durability {
    Synced,    // the data and the folder are synced before it returns
    Deferred,  // left to the caller: one SyncFileSystem after many files, or none for scratch
};

// Writes contents to a temporary file beside path and renames it over path (over the existing
// name when one matches without regard to case). Synced, the data and then the folder reach the
// disk, so the new file survives a power cut once this returns; a scratch file that is made
// again at will need not wait for that. A temporary left by a crashed writer of the same name is
// removed. On failure the old file is untouched and false is returned.
bool ReplaceFile(const std::string& path, std::string_view contents, Durability durability = Durability::Synced);

// ReplaceFile for a path already resolved to the name it is to have (no case look-up, no sweep
// of stale temporaries): for callers that keep their own index of the folder.
bool ReplaceExactFile(const std::string& path, std::string_view contents, Durability durability);
// The name a replacement of path is to have: the existing name when one matches without regard
// to case, else path. Temporaries of that name left by crashed writers are removed.
std::string ReplacementTarget(const std::string& path);

// The name of a fresh temporary for a replacement of target, as a template for mkostemp: beside
// target, "." + (the start of) its name + "." + this process's id + ".XXXXXX". Such temporaries
// are the ones ReplacementTarget sweeps away once their writer is gone.
std::string TemporaryTemplateFor(const std::string& target);

// A replacement written in pieces, for contents too large to hold at once: the pieces go to a
// temporary file beside target (a name as ReplacementTarget gives it), and Commit renames it
// over target. Dropped without a successful Commit, it leaves the old file and no temporary.
class FileReplacement {
public:
    FileReplacement(std::string target, Durability durability);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // False once any write has failed (and for every later call).
    bool Append(std::string_view bytes);
    bool Commit();

private:
    std::string target_;
    std::string temp_;
    Durability durability_;
    int fd_ = -1;
    bool failed_ = false;
    bool committed_ = false;
};

// Flushes everything written to the file system that holds folder; false when that fails.
bool SyncFileSystem(const std::string& folder);

// Whether a folder entry is a temporary that a replacement of the file named name writes
// first: "." + (the first 200 bytes of) name + "." + the writer's process id + "." + six random
// characters. The process id is that of the writer, returned through writer when it matches.
bool IsTemporaryOf(std::string_view entry, std::string_view name, long* writer = nullptr);

// The permission bits of a new file of the user: `bits` (0666, or 0777 for a program) less the
// process's file creation mask.
mode_t NewFileMode(mode_t bits);

// The folder part and the name part of a path.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

}  // namespace brackwell
