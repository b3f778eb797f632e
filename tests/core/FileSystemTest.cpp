#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/FileSystem.h"
#include "core/FolderScoring.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::TempFolder;

std::size_t EntryCount(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(FileNames, MatchWithoutRegardToCaseAndTheExactNameWins) {
    TempFolder folder;
    folder.Write("Smith_TM.bks", "x");
    EXPECT_TRUE(FileExists(folder.File("SMITH_TM.BKS")));
    EXPECT_EQ(ResolveExistingName(folder.File("SMITH_TM.BKS")), folder.File("Smith_TM.bks"));
    EXPECT_EQ(ResolveExistingName(folder.File("Jones_AB.BKS")), folder.File("Jones_AB.BKS"));
    EXPECT_FALSE(FileExists(folder.File("Jones_AB.BKS")));

    folder.Write("SMITH_TM.BKS", "y");
    EXPECT_EQ(ResolveExistingName(folder.File("SMITH_TM.BKS")), folder.File("SMITH_TM.BKS"));
    // Neither is exact: the same one is chosen every time, the lowest in byte order.
    EXPECT_EQ(ResolveExistingName(folder.File("smith_tm.bks")), folder.File("SMITH_TM.BKS"));
}

TEST(FileNames, AFolderIsNoFileAndBarePathsResolveInPlace) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("Sub.BKS"));
    EXPECT_FALSE(FileExists(folder.File("SUB.BKS")));
    EXPECT_TRUE(FolderExists(folder.File("Sub.BKS")));
    EXPECT_FALSE(FolderExists(folder.File("none")));
    EXPECT_EQ(ResolveExistingName("no-such-file-here.txt"), "no-such-file-here.txt");
}

TEST(FileNames, FolderOfAndNameOf) {
    EXPECT_EQ(FolderOf("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(NameOf("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(FolderOf("/c.txt"), "/");
    EXPECT_EQ(FolderOf("c.txt"), ".");
    EXPECT_EQ(NameOf("c.txt"), "c.txt");
}

TEST(FileNames, DeleteTakesAnyCaseAndAMissingFileIsAlreadyGone) {
    TempFolder folder;
    folder.Write("Results.bkt", "x");
    EXPECT_TRUE(DeleteFileIfPresent(folder.File("RESULTS.BKT")));
    EXPECT_FALSE(folder.Exists("Results.bkt"));
    EXPECT_TRUE(DeleteFileIfPresent(folder.File("RESULTS.BKT")));
    std::filesystem::create_directory(folder.File("dir"));
    EXPECT_FALSE(DeleteFileIfPresent(folder.File("dir")));
}

TEST(FileListing, TakesEveryCaseOfTheExtensionInListOrderAndOnlyFiles) {
    TempFolder folder;
    for (const char* name : {"b_X.bks", "A_Y.BKS", "c_Z.Bks", "notes.txt", "x.BKSX", ".BKS"}) folder.Write(name, "");
    std::filesystem::create_directory(folder.File("Dir.BKS"));
    EXPECT_EQ(ListFilesWithExtension(folder.path(), ".BKS"), (std::vector<std::string>{"A_Y.BKS", "b_X.bks", "c_Z.Bks"}));
    EXPECT_TRUE(ListFilesWithExtension(folder.File("none"), ".BKS").empty());
}

TEST(FileListing, NamesDifferingOnlyInCaseAreOneEntrantTheOneOpeningResolvesTo) {
    TempFolder folder;
    for (const char* name : {"lower.bks", "LOWER.BKS", "Lower.Bks", "m_X.BKS", "a_B.bks"}) folder.Write(name, "");
    const SelectionFileListing listing = ListSelectionFiles(folder.path());
    EXPECT_EQ(listing.names, (std::vector<std::string>{"a_B.bks", "LOWER.BKS", "m_X.BKS"}));
    ASSERT_EQ(listing.twins.size(), 2u);
    EXPECT_EQ(listing.twins[0].name, "Lower.Bks");
    EXPECT_EQ(listing.twins[1].name, "lower.bks");
    EXPECT_EQ(listing.twins[1].taken, "LOWER.BKS");
    EXPECT_EQ(ResolveExistingName(folder.File("LoWeR.bks")), folder.File("LOWER.BKS"));
    EXPECT_EQ(SelectionFileNames(folder.path()), listing.names);
}

// The old file's own bits, never set-id or sticky ones; a link in the file's place is replaced
// by a new file with the bits of a new file (umask 022), not with its target's.
TEST(ReplaceFile, WritesOverTheExistingNameAndKeepsItsOwnPermissionBits) {
    const mode_t mask = umask(022);
    TempFolder elsewhere;
    elsewhere.Write("target", "old");
    chmod(elsewhere.File("target").c_str(), 04750);
    for (const auto& [oldMode, newMode] : {std::pair{0640, 0640}, {07750, 0750}, {0, 0644}}) {
        TempFolder folder;
        if (oldMode == 0) {
            std::filesystem::create_symlink(elsewhere.File("target"), folder.File("Smith_TM.bks"));
        } else {
            folder.Write("Smith_TM.bks", "old");
            chmod(folder.File("Smith_TM.bks").c_str(), static_cast<mode_t>(oldMode));
        }
        ASSERT_TRUE(ReplaceFile(folder.File("SMITH_TM.BKS"), "new"));
        EXPECT_EQ(folder.Read("Smith_TM.bks"), "new");
        EXPECT_EQ(EntryCount(folder.path()), 1u);
        struct stat info{};
        lstat(folder.File("Smith_TM.bks").c_str(), &info);
        EXPECT_EQ(info.st_mode, static_cast<mode_t>(S_IFREG | newMode)) << oldMode;
    }
    EXPECT_EQ(elsewhere.Read("target"), "old");
    umask(mask);
}

// The mask is read, not assumed: a new file follows whatever mask the user has set.
TEST(ReplaceFile, ANewFileFollowsTheUsersMask) {
    for (const mode_t userMask : {mode_t{077}, mode_t{002}}) {
        const mode_t saved = umask(userMask);
        TempFolder folder;
        ASSERT_TRUE(ReplaceFile(folder.File("NEW_AB.BKS"), "new"));
        struct stat info{};
        lstat(folder.File("NEW_AB.BKS").c_str(), &info);
        EXPECT_EQ(info.st_mode & 0777, 0666 & ~userMask) << userMask;
        EXPECT_EQ(NewFileMode(0777), 0777 & ~userMask) << userMask;
        EXPECT_EQ(umask(saved), userMask) << "the mask is left as it was";
    }
}

TEST(ReplaceFile, ANewFileKeepsItsNameAsGiven) {
    TempFolder folder;
    ASSERT_TRUE(ReplaceFile(folder.File("New_AB.BKS"), std::string("a\0b", 3)));
    EXPECT_EQ(folder.Read("New_AB.BKS"), std::string("a\0b", 3));
    const std::string longName(250, 'n');
    ASSERT_TRUE(ReplaceFile(folder.File(longName), "long"));
    EXPECT_EQ(folder.Read(longName), "long");
    EXPECT_EQ(EntryCount(folder.path()), 2u);
}

TEST(ReplaceFile, OnFailureTheOldFileStaysWholeAndNoTemporaryIsLeft) {
    TempFolder folder;
    folder.Write("keep.txt", "old contents");
    testing::MakeReadOnly(folder.path());
    EXPECT_TRUE(testing::RunWithoutFileOverride([&] { return !ReplaceFile(folder.File("keep.txt"), "new"); }));
    testing::MakeWritable(folder.path());
    EXPECT_EQ(folder.Read("keep.txt"), "old contents");
    EXPECT_EQ(EntryCount(folder.path()), 1u);

    // A folder in the file's place is not replaced either.
    std::filesystem::create_directory(folder.File("dir"));
    EXPECT_FALSE(ReplaceFile(folder.File("dir"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir")));
    EXPECT_EQ(EntryCount(folder.path()), 2u);
    EXPECT_FALSE(ReplaceFile(folder.File("none/x.txt"), "x"));
}

}  // namespace
}  // namespace brackwell
