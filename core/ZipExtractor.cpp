#include "core/ZipExtractor.h"

#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <vector>

#include "core/FileSystem.h"

namespace brackwell {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct MemberCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveCloser>;
using MemberHandle = std::unique_ptr<zip_file_t, MemberCloser>;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The parts of a member's name below the target folder; nothing when the name would lead out
// of it: an absolute name, a drive, or a ".." part. Archives made on the platform the pool
// comes from may separate folders with "\", so both separators count.
std::optional<std::vector<std::string>> MemberParts(const std::string& name) {
    if (name.empty() || IsSeparator(name.front())) return std::nullopt;
    std::vector<std::string> parts;
    std::string part;
    auto take = [&]() {
        if (part == "..") return false;
        if (!part.empty() && part != ".") parts.push_back(part);
        part.clear();
        return true;
    };
    for (const char c : name) {
        if (!IsSeparator(c)) {
            part += c;
        } else if (!take()) {
            return std::nullopt;
        }
    }
    if (!take()) return std::nullopt;
    if (!parts.empty() && parts.front().size() == 2 && parts.front()[1] == ':') return std::nullopt;
    return parts;
}

// The Unix file mode an entry carries in its external attributes (0 for none), and whether it
// was made on a Unix system.
struct EntryMode {
    zip_uint32_t mode = 0;
    bool fromUnix = false;
};

EntryMode ModeOf(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0) return {};
    return {attributes >> 16, system == ZIP_OPSYS_UNIX};
}

// Walks the member's folders down from root, matching existing names without regard to case,
// and makes the missing ones when asked. An existing part that is a symbolic link could take
// the member out of root (kUnsafeMember); a file in the way is a write failure.
UnzipResult WalkFolders(FolderIndex& index, const std::string& root, const std::vector<std::string>& folders,
                        bool create, std::string& path) {
    path = root;
    for (const std::string& folder : folders) {
        const std::string name = index.Resolve(path, folder);
        const std::string next = path + "/" + name;
        struct stat info{};
        if (lstat(next.c_str(), &info) == 0) {
            if (S_ISLNK(info.st_mode)) return UnzipResult::kUnsafeMember;
            if (!S_ISDIR(info.st_mode)) return UnzipResult::kWriteFailed;
        } else if (errno != ENOENT || (create && mkdir(next.c_str(), 0777) != 0)) {
            return UnzipResult::kWriteFailed;
        } else if (create) {
            index.Add(path, name);
        }
        path = next;
    }
    return UnzipResult::kOk;
}

bool IsRegularFile(const std::string& path) {
    struct stat info{};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The archive opened through the one reader's open, so a pipe or device under its name is
// refused rather than waited on.
zip_t* OpenArchive(const std::string& path, int& error) {
    const int fd = OpenFileForReading(path);
    if (fd < 0) {
        error = errno == ENOENT ? ZIP_ER_NOENT : ZIP_ER_OPEN;
        return nullptr;
    }
    zip_t* archive = zip_fdopen(fd, ZIP_RDONLY, &error);
    if (archive == nullptr) close(fd);  // on success the archive owns the descriptor
    return archive;
}

const char* FolderFault(UnzipResult walked) {
    return walked == UnzipResult::kUnsafeMember ? "refused: a folder on its way is a symbolic link"
                                                : "cannot make its folder";
}

// A member's run bit follows the read bits of the written file, as a plain "chmod +x" would.
void MakeExecutable(const std::string& path) {
    struct stat info{};
    if (stat(path.c_str(), &info) != 0) return;
    const mode_t mode = info.st_mode & 07777;
    chmod(path.c_str(), mode | ((mode & 0444) >> 2));
}

}  // namespace

UnzipResult ZipExtractor::Fail(const std::string& member, UnzipResult result, const std::string& text) {
    messages_ += member + ": " + text + "\n";
    return result;
}

UnzipResult ZipExtractor::Extract(const std::string& archivePath, const std::string& folder) {
    messages_.clear();
    index_ = FolderIndex();
    wrote_ = false;
    int error = 0;
    ArchiveHandle archive(OpenArchive(archivePath, error));
    if (!archive) {
        zip_error_t detail;
        zip_error_init_with_code(&detail, error);
        const std::string text = zip_error_strerror(&detail);
        zip_error_fini(&detail);
        return Fail(archivePath, UnzipResult::kArchiveUnreadable, text);
    }

    // The sizes the directory states are checked before anything is written; ReadMember then
    // holds each member to its stated size, so no member can grow past the check.
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (static_cast<std::uint64_t>(count) > kMaxArchiveMembers)
        return Fail(archivePath, UnzipResult::kTooLarge,
                    "the archive has more than " + std::to_string(kMaxArchiveMembers) + " members");
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t entry;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &entry) != 0 ||
            (entry.valid & ZIP_STAT_SIZE) == 0)
            return Fail(archivePath, UnzipResult::kArchiveUnreadable, zip_strerror(archive.get()));
        if (entry.size > kMaxUnpackedBytes - total)
            return Fail(archivePath, UnzipResult::kTooLarge,
                        "the members expand past " + std::to_string(kMaxUnpackedBytes) + " bytes");
        total += entry.size;
    }

    UnzipResult result = UnzipResult::kOk;
    for (zip_int64_t i = 0; i < count; ++i) {
        const UnzipResult member = ExtractMember(archive.get(), static_cast<zip_uint64_t>(i), folder);
        if (member == UnzipResult::kCancelled) {
            result = member;
            break;
        }
        if (result == UnzipResult::kOk) result = member;
    }
    // The members were written without waiting for the disk one by one; one sync serves all.
    if (wrote_ && !SyncFileSystem(folder) && result == UnzipResult::kOk)
        result = Fail(folder, UnzipResult::kWriteFailed, "the files could not be synced to the disk");
    return result;
}

UnzipResult ZipExtractor::ExtractMember(zip_t* archive, std::uint64_t index, const std::string& folder) {
    zip_stat_t entry;
    if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &entry) != 0 || (entry.valid & ZIP_STAT_NAME) == 0)
        return Fail("#" + std::to_string(index), UnzipResult::kMemberDamaged, zip_strerror(archive));
    const std::string name = entry.name;
    const auto parts = MemberParts(name);
    const bool isFolder = !name.empty() && IsSeparator(name.back());
    const EntryMode mode = ModeOf(archive, index);
    if (!parts || (parts->empty() && !isFolder) || (mode.mode & S_IFMT) == S_IFLNK)
        return Fail(name, UnzipResult::kUnsafeMember, "refused: it would be written outside the target folder");

    std::string path;
    if (isFolder) {
        const UnzipResult walked = WalkFolders(index_, folder, *parts, true, path);
        return walked == UnzipResult::kOk ? walked : Fail(name, walked, FolderFault(walked));
    }

    const std::vector<std::string> folders(parts->begin(), parts->end() - 1);
    if (const UnzipResult walked = WalkFolders(index_, folder, folders, false, path); walked != UnzipResult::kOk)
        return Fail(name, walked, FolderFault(walked));
    const std::string fileName = index_.Resolve(path, parts->back());
    const std::string target = path + "/" + fileName;
    if (IsRegularFile(target)) {
        const MsgAnswer answer =
            dialogs_.MessageBox("Overwrite " + name + "?", MsgButtons::YesNoCancel, MsgIcon::None, kReplaceTitle);
        if (answer == MsgAnswer::No) return UnzipResult::kOk;
        if (answer != MsgAnswer::Yes) return UnzipResult::kCancelled;
    }

    const bool encrypted = (entry.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && entry.encryption_method != ZIP_EM_NONE;
    // A method the library cannot decrypt (strong encryption among them) is refused before a
    // password is asked for: opening such a member fails inside the library, and leaks there.
    if (encrypted && zip_encryption_method_supported(entry.encryption_method, 0) == 0)
        return Fail(name, UnzipResult::kMemberDamaged, "its encryption method is not supported");
    std::string contents;
    if (const UnzipResult read = ReadMember(archive, index, name, encrypted, entry.size, contents);
        read != UnzipResult::kOk)
        return read;

    if (const UnzipResult walked = WalkFolders(index_, folder, folders, true, path); walked != UnzipResult::kOk)
        return Fail(name, walked, FolderFault(walked));
    if (!ReplaceExactFile(target, contents, Durability::Deferred))
        return Fail(name, UnzipResult::kWriteFailed, "cannot write " + target);
    index_.Add(path, fileName);
    wrote_ = true;
    if (mode.fromUnix && (mode.mode & 0111) != 0) MakeExecutable(target);
    return UnzipResult::kOk;
}

UnzipResult ZipExtractor::ReadMember(zip_t* archive, std::uint64_t index, const std::string& name, bool encrypted,
                                     std::uint64_t size, std::string& contents) {
    MemberHandle member;
    if (encrypted) {
        const std::string password = dialogs_.InputBox(kPasswordPrompt, kAppTitle, "");
        if (password.empty()) return Fail(name, UnzipResult::kPasswordFailed, "no password given");
        member.reset(zip_fopen_index_encrypted(archive, index, 0, password.c_str()));
    } else {
        member.reset(zip_fopen_index(archive, index, 0));
    }
    if (!member) {
        const int code = zip_error_code_zip(zip_get_error(archive));
        const bool password = code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_NOPASSWD;
        return Fail(name, password ? UnzipResult::kPasswordFailed : UnzipResult::kMemberDamaged,
                    zip_strerror(archive));
    }

    // Read one byte past the stated size: the library checks the CRC at the end of the data,
    // and a member that holds more than it states is damaged.
    contents.resize(static_cast<std::size_t>(size) + 1);
    std::size_t got = 0;
    while (got < contents.size()) {
        const zip_int64_t n = zip_fread(member.get(), contents.data() + got, contents.size() - got);
        if (n < 0) return Fail(name, UnzipResult::kMemberDamaged, zip_file_strerror(member.get()));
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got != size) return Fail(name, UnzipResult::kMemberDamaged, "the data does not match its stated size");
    contents.resize(got);
    return UnzipResult::kOk;
}

}  // namespace brackwell
