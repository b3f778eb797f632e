#pragma once
// Unpacks every member of a ZIP archive into a folder, keeping the members' folder names.
// Before a file is overwritten the user is asked; an encrypted member asks for its password.
// Nothing is ever written outside the folder, an archive that would expand past
// kMaxUnpackedBytes is refused whole, and each file is written atomically, so a damaged member
// never leaves half a file behind.

#include <cstdint>
#include <string>

#include "core/Dialogs.h"
#include "core/FolderIndex.h"

struct zip;  // the archive handle of libzip

namespace brackwell {

inline constexpr std::uint64_t kMaxUnpackedBytes = 64ull * 1024 * 1024;
// An archive with more members than this is refused whole, like one that is too large.
inline constexpr std::uint64_t kMaxArchiveMembers = 20000;

inline constexpr const char* kReplaceTitle = "VBUnZip32 - File Already Exists!";
inline constexpr const char* kPasswordPrompt = "Please Enter The Password!";

// The result number of an unpacking; the first failure met is the one reported, and the
// unpacking goes on with the next member except after kCancelled and the archive-wide ones.
enum class UnzipResult : int {
    kOk = 0,
    kArchiveUnreadable = 1,  // missing, not a ZIP archive, or its directory is damaged (nothing written)
    kMemberDamaged = 2,      // a member's data could not be read back intact, or its encryption is unknown
    kWriteFailed = 3,        // a member could not be written into the folder
    kUnsafeMember = 4,       // a member would land outside the folder, or is a symbolic link
    kTooLarge = 5,           // past kMaxUnpackedBytes or kMaxArchiveMembers (nothing written)
    kPasswordFailed = 6,     // an encrypted member got no password or the wrong one
    kCancelled = 7,          // the user chose Cancel at an overwrite question
};

class ZipExtractor {
public:
    explicit ZipExtractor(Dialogs& dialogs) : dialogs_(dialogs) {}

    // The overwrite question names the member as the archive names it: Yes overwrites the file,
    // No skips the member, Cancel stops. Executable members keep their run bit. The folder is
    // listed once and the files are synced to the disk once, at the end.
    UnzipResult Extract(const std::string& archivePath, const std::string& folder);

    // What went wrong in the last Extract, one line per fault: the member and the reason.
    const std::string& Messages() const { return messages_; }

private:
    Dialogs& dialogs_;
    std::string messages_;
    FolderIndex index_;
    bool wrote_ = false;

    // Records why a member (or the archive) failed and passes its result on.
    UnzipResult Fail(const std::string& member, UnzipResult result, const std::string& text);
    UnzipResult ExtractMember(::zip* archive, std::uint64_t index, const std::string& folder);
    UnzipResult ReadMember(::zip* archive, std::uint64_t index, const std::string& name, bool encrypted,
                           std::uint64_t size, std::string& contents);
};

}  // namespace brackwell
