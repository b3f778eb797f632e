// Unpacking archives made here with libzip: overwrite questions, passwords, folders, and the
// archives that must not get a byte onto the disk.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ZipExtractor.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;
using testing::TempFolder;

struct Entry {
    std::string name{};
    std::string_view data{};
    zip_uint32_t unixMode = 0;  // external attributes of a member made on a Unix system
    std::string password{};     // encrypted when set: AES-256, or the traditional method when stored
    bool folder = false;
    bool stored = false;        // uncompressed, so a test can find and damage the data
};

Entry File(std::string name, std::string_view data) { return {.name = std::move(name), .data = data}; }

void MakeArchive(const std::string& path, const std::vector<Entry>& entries) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(archive, nullptr);
    for (const Entry& entry : entries) {
        zip_int64_t index = -1;
        if (entry.folder) {
            index = zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* source = zip_source_buffer(archive, entry.data.data(), entry.data.size(), 0);
            index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_RAW);
        }
        ASSERT_GE(index, 0) << entry.name << ": " << zip_strerror(archive);
        const auto i = static_cast<zip_uint64_t>(index);
        if (entry.unixMode != 0) {
            ASSERT_EQ(zip_file_set_external_attributes(archive, i, 0, ZIP_OPSYS_UNIX, entry.unixMode << 16), 0);
        }
        if (!entry.password.empty()) {
            const zip_uint16_t method = entry.stored ? ZIP_EM_TRAD_PKWARE : ZIP_EM_AES_256;
            ASSERT_EQ(zip_file_set_encryption(archive, i, method, entry.password.c_str()), 0);
        }
        if (entry.stored) {
            ASSERT_EQ(zip_set_file_compression(archive, i, ZIP_CM_STORE, 0), 0);
        }
    }
    ASSERT_EQ(zip_close(archive), 0) << zip_strerror(archive);
}

std::set<std::string> FileNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(entry.path().lexically_relative(folder).string());
    return names;
}

class ZipExtractorTest : public ::testing::Test {
protected:
    TempFolder outside;                                 // holds the archive and the target folder
    std::string archive = outside.File("test.zip");
    std::string target = outside.File("app");
    ScriptedDialogs dialogs;
    ZipExtractor extractor{dialogs};

    void SetUp() override { fs::create_directory(target); }
    std::string InTarget(const std::string& name) const { return target + "/" + name; }
    UnzipResult Extract() { return extractor.Extract(archive, target); }
};

TEST_F(ZipExtractorTest, KeepsFolderNamesAndTheRunBit) {
    fs::create_directory(InTarget("Reports"));
    MakeArchive(archive, {File("reports/2000/notes.txt", "notes"),
                          {.name = "empty/", .folder = true},
                          File("windows\\style.txt", "back slashes"),
                          {.name = "QUILLON.EXE", .data = "program", .unixMode = 0100755}});
    EXPECT_EQ(Extract(), UnzipResult::kOk) << extractor.Messages();
    EXPECT_EQ(FileNames(target), (std::set<std::string>{"Reports", "Reports/2000", "Reports/2000/notes.txt", "empty",
                                                       "windows", "windows/style.txt", "QUILLON.EXE"}));
    EXPECT_EQ(testing::ReadBytes(InTarget("Reports/2000/notes.txt")), "notes");
    EXPECT_EQ(access(InTarget("QUILLON.EXE").c_str(), X_OK), 0);
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(ZipExtractorTest, ExistingFilesAreAskedAboutAndCancelStops) {
    testing::WriteBytes(InTarget("A.TXT"), "old a");
    testing::WriteBytes(InTarget("b.txt"), "old b");
    testing::WriteBytes(InTarget("c.txt"), "old c");
    MakeArchive(archive, {File("a.txt", "new a"), File("b.txt", "new b"), File("new.txt", "new"),
                          File("c.txt", "new c"), File("after.txt", "after")});
    dialogs.Answer(MsgAnswer::Yes).Answer(MsgAnswer::No).Answer(MsgAnswer::Cancel);
    EXPECT_EQ(Extract(), UnzipResult::kCancelled);
    ASSERT_EQ(dialogs.messages().size(), 3u);
    EXPECT_EQ(dialogs.messages()[0].text, "Overwrite a.txt?");
    EXPECT_EQ(dialogs.messages()[0].title, "VBUnZip32 - File Already Exists!");
    EXPECT_EQ(dialogs.messages()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(testing::ReadBytes(InTarget("A.TXT")), "new a") << "overwritten under its existing name";
    EXPECT_EQ(testing::ReadBytes(InTarget("b.txt")), "old b");
    EXPECT_EQ(testing::ReadBytes(InTarget("c.txt")), "old c");
    EXPECT_EQ(FileNames(target), (std::set<std::string>{"A.TXT", "b.txt", "c.txt", "new.txt"}));
}

TEST_F(ZipExtractorTest, NoSkipsOnlyThatMember) {
    testing::WriteBytes(InTarget("b.txt"), "old b");
    MakeArchive(archive, {File("b.txt", "new b"), File("after.txt", "after")});
    dialogs.Answer(MsgAnswer::No);
    EXPECT_EQ(Extract(), UnzipResult::kOk);
    EXPECT_EQ(testing::ReadBytes(InTarget("b.txt")), "old b");
    EXPECT_EQ(testing::ReadBytes(InTarget("after.txt")), "after");
}

TEST_F(ZipExtractorTest, MembersThatWouldLeaveTheFolderAreRefused) {
    fs::create_directory(outside.File("elsewhere"));
    fs::create_directory_symlink(outside.File("elsewhere"), InTarget("linked"));
    MakeArchive(archive, {File("../escaped.txt", "x"),
                          File(outside.File("absolute.txt"), "x"),
                          File("sub\\..\\..\\back.txt", "x"),
                          File("C:/drive.txt", "x"),
                          {.name = "link", .data = outside.File("elsewhere"), .unixMode = S_IFLNK | 0777},
                          File("linked/through.txt", "x"),
                          File("ok.txt", "fine")});
    EXPECT_EQ(Extract(), UnzipResult::kUnsafeMember);
    EXPECT_EQ(FileNames(outside.path()),
              (std::set<std::string>{"test.zip", "app", "app/linked", "app/ok.txt", "elsewhere"}));
    EXPECT_EQ(testing::ReadBytes(InTarget("ok.txt")), "fine");
    for (const char* name : {"../escaped.txt", "link", "linked/through.txt"})
        EXPECT_NE(extractor.Messages().find(name), std::string::npos) << extractor.Messages();
}

TEST_F(ZipExtractorTest, ArchiveExpandingPastTheLimitIsRefusedWhole) {
    const std::string half(kMaxUnpackedBytes / 2, '\0');
    MakeArchive(archive, {File("first.txt", "small"), File("one.bin", half), File("two.bin", half)});
    EXPECT_EQ(Extract(), UnzipResult::kTooLarge);
    EXPECT_TRUE(FileNames(target).empty());
}

TEST_F(ZipExtractorTest, ArchiveWithTooManyMembersIsRefusedWhole) {
    std::vector<Entry> entries;
    for (std::uint64_t i = 0; i <= kMaxArchiveMembers; ++i) entries.push_back(File(std::to_string(i), "x"));
    MakeArchive(archive, entries);
    EXPECT_EQ(Extract(), UnzipResult::kTooLarge);
    EXPECT_TRUE(FileNames(target).empty());
}

TEST_F(ZipExtractorTest, APipeInPlaceOfTheArchiveIsUnreadable) {
    ASSERT_EQ(mkfifo(archive.c_str(), 0644), 0);
    EXPECT_EQ(Extract(), UnzipResult::kArchiveUnreadable);
}

TEST_F(ZipExtractorTest, UnknownEncryptionIsDamagedWithoutAskingForAPassword) {
    if (!zip_encryption_method_supported(ZIP_EM_TRAD_PKWARE, 1))
        GTEST_SKIP() << "the installed libzip cannot write encrypted members";
    MakeArchive(archive, {{.name = "strong.txt", .data = "x", .password = "pool", .stored = true},
                          File("plain.txt", "plain")});
    // Flag the first member as strongly encrypted, in its local and its central header.
    std::string bytes = testing::ReadBytes(archive);
    for (const auto& [signature, flagsAt] : {std::pair{std::string("PK\x03\x04"), 6}, {std::string("PK\x01\x02"), 8}}) {
        const std::size_t header = bytes.find(signature);
        ASSERT_NE(header, std::string::npos);
        bytes[header + flagsAt] = static_cast<char>(bytes[header + flagsAt] | 0x40);
    }
    testing::WriteBytes(archive, bytes);
    EXPECT_EQ(Extract(), UnzipResult::kMemberDamaged);
    EXPECT_TRUE(dialogs.calls().empty()) << "no password is asked for";
    EXPECT_EQ(FileNames(target), (std::set<std::string>{"plain.txt"}));
}

TEST_F(ZipExtractorTest, DamagedMemberLeavesTheOldFileWhole) {
    testing::WriteBytes(InTarget("bad.txt"), "old contents");
    MakeArchive(archive,
                {{.name = "bad.txt", .data = "GOOD-DATA-0123456789", .stored = true}, File("next.txt", "next")});
    std::string bytes = testing::ReadBytes(archive);
    const std::size_t data = bytes.find("GOOD-DATA");
    ASSERT_NE(data, std::string::npos);
    bytes[data] = 'B';
    testing::WriteBytes(archive, bytes);
    dialogs.Answer(MsgAnswer::Yes);
    EXPECT_EQ(Extract(), UnzipResult::kMemberDamaged);
    EXPECT_EQ(testing::ReadBytes(InTarget("bad.txt")), "old contents");
    EXPECT_EQ(FileNames(target), (std::set<std::string>{"bad.txt", "next.txt"})) << "no temporary file left";
    EXPECT_NE(extractor.Messages().find("bad.txt: "), std::string::npos);
}

TEST_F(ZipExtractorTest, EncryptedMemberNeedsItsPassword) {
    if (!zip_encryption_method_supported(ZIP_EM_AES_256, 1))
        GTEST_SKIP() << "the installed libzip cannot write AES-encrypted members";
    MakeArchive(archive, {{.name = "secret.txt", .data = "the pool's secret", .password = "pool2000"}});
    struct Case {
        const char* typed;
        UnzipResult result;
    };
    for (const Case& c : {Case{"wrong", UnzipResult::kPasswordFailed}, Case{"", UnzipResult::kPasswordFailed},
                          Case{"pool2000", UnzipResult::kOk}}) {
        SCOPED_TRACE(c.typed);
        ScriptedDialogs asked;
        asked.Type(c.typed);
        ZipExtractor withPassword(asked);
        EXPECT_EQ(withPassword.Extract(archive, target), c.result);
        ASSERT_EQ(asked.calls().size(), 1u);
        EXPECT_EQ(asked.calls()[0].kind, testing::DialogKind::Input);
        EXPECT_EQ(asked.calls()[0].text, "Please Enter The Password!");
        EXPECT_EQ(fs::exists(InTarget("secret.txt")), c.result == UnzipResult::kOk);
    }
    EXPECT_EQ(testing::ReadBytes(InTarget("secret.txt")), "the pool's secret");
}

}  // namespace
}  // namespace brackwell
