// Entering and leaving demo mode in a fresh application folder, with the archive the build
// ships.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "core/DemoKeptPool.h"
#include "core/DemoSet.h"
#include "core/FileSystem.h"
#include "core/Settings.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;
using testing::TempFolder;

const std::string kDemoFolder = std::string(BRACKWELL_SOURCE_DIR) + "/data/demo";
const std::string kShippedArchive = std::string(BRACKWELL_APP_DIR) + "/" + kDemoArchiveName;

std::set<std::string> FileNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::set<std::string> WithArchive(std::set<std::string> names) {
    names.insert(kDemoArchiveName);
    return names;
}

// The pick program joins the demo set in builds that have its template (those with windows).
const bool kShipsPickProgram = fs::exists(std::string(BRACKWELL_APP_DIR) + "/QUILLON.OBJ");

// The files of the demo set: those kept in data/demo, and the pick program and form built from them.
std::set<std::string> DemoSetNames() {
    std::set<std::string> names = FileNames(kDemoFolder);
    if (kShipsPickProgram) names.insert({"QUILLON.EXE", "QUILLON.HTM"});
    return names;
}

// Every file of a folder with its bytes, folders marked as such.
std::map<std::string, std::string> Contents(const std::string& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] =
            entry.is_directory() ? "(folder)" : testing::ReadBytes(entry.path().string());
    return contents;
}

// The organiser's pool: files of every kind the demo set has, in any case, an entry under a
// sample participant's name, and a file the demo leaves alone.
void WriteOrganisersOwnFiles(const TempFolder& folder) {
    for (const char* name : {"poolstart.bkt", "BRACKWELL.BKT", "PLAYERNAMES.CSV", "QUILLON.EXE", "Quillon.htm",
                             "Smith_TM.BKS", "hollis_rt.bks", "NCAALIST.BKT", "Prizes.txt"})
        folder.Write(name, std::string("own ") + name);
}

class DemoSetTest : public ::testing::Test {
protected:
    TempFolder folder;
    modBrackwell model{folder.path()};
    ScriptedDialogs dialogs;

    void ShipArchive() const { fs::copy_file(kShippedArchive, folder.File(kDemoArchiveName)); }
};

TEST_F(DemoSetTest, ShippedArchiveUnpacksEveryDemoFileUnchanged) {
    ShipArchive();
    DemoSet(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    std::set<std::string> expected = WithArchive(DemoSetNames());
    expected.insert(kKeptPoolFolder);
    EXPECT_EQ(FileNames(folder.path()), expected);
    for (const std::string& name : FileNames(kDemoFolder))
        EXPECT_EQ(folder.Read(name), testing::ReadBytes(kDemoFolder + "/" + name)) << name;
    EXPECT_TRUE(DemoModeActive(model));
}

TEST_F(DemoSetTest, ResetRemovesOnlyTheDemoFilesInAnyCase) {
    ShipArchive();
    DemoSet(model, dialogs);
    folder.Write("Smith_TM.BKS", "own selection\r\n");
    folder.Write("NCAALIST.BKT", "*START*\r\n*END*\r\n");
    fs::rename(folder.File("Hollis_RT.BKS"), folder.File("HOLLIS_RT.bks"));
    if (kShipsPickProgram) {
        fs::rename(folder.File("QUILLON.EXE"), folder.File("quillon.exe"));
        fs::rename(folder.File("QUILLON.HTM"), folder.File("Quillon.htm"));
    } else {
        folder.Write("quillon.exe", "pick program");
        folder.Write("Quillon.htm", "pick form");
    }
    folder.Write("QUILLON-TEMPLATE.HTM", "the form's template stays");
    folder.Write("prizes.txt", "60\r\n40\r\n");
    DemoReset(model, dialogs);
    EXPECT_EQ(FileNames(folder.path()), WithArchive({"Smith_TM.BKS", "NCAALIST.BKT", "QUILLON-TEMPLATE.HTM"}));
    EXPECT_FALSE(DemoModeActive(model));
}

// A demo that was never reset (the program was killed, or the settings file went) is started
// again: the pool kept at the first start is still the organiser's.
TEST_F(DemoSetTest, TheOrganisersPoolIsKeptAsideAndComesBackByteForByte) {
    for (const int starts : {1, 2}) {
        SCOPED_TRACE(starts);
        TempFolder own;
        const modBrackwell ownModel(own.path());
        fs::copy_file(kShippedArchive, own.File(kDemoArchiveName));
        WriteOrganisersOwnFiles(own);
        const std::map<std::string, std::string> before = Contents(own.path());
        for (int start = 0; start < starts; ++start) {
            DemoSet(ownModel, dialogs);
            fs::remove(own.File("BRACKWELL.INI"));
        }
        EXPECT_TRUE(dialogs.calls().empty());
        for (const char* name : {"POOLSTART.BKT", "BRACKWELL.BKT", "PLAYERNAMES.CSV", "Hollis_RT.BKS"})
            EXPECT_EQ(own.Read(name), testing::ReadBytes(kDemoFolder + "/" + name)) << name;
        // The demo scores its four samples alone.
        EXPECT_EQ(ListFilesWithExtension(own.path(), ".BKS").size(), kDemoSelectionFiles.size());
        DemoReset(ownModel, dialogs);
        EXPECT_TRUE(dialogs.calls().empty());
        EXPECT_EQ(Contents(own.path()), before);
    }
}

TEST_F(DemoSetTest, AKeptFileWhoseNameIsTakenAtTheResetStaysKeptAndIsNamed) {
    WriteOrganisersOwnFiles(folder);
    ShipArchive();
    DemoSet(model, dialogs);
    folder.Write("SMITH_TM.BKS", "came in during the demo");
    dialogs.AllowMessages();
    DemoReset(model, dialogs);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "BRACKWELL - DemoReset");
    EXPECT_EQ(dialogs.messages()[0].text,
              "These files of your own pool are still kept in the folder DEMOKEPT,\r\n"
              "as files of the same names are in the application folder:\r\nSmith_TM.BKS");
    EXPECT_EQ(folder.Read("SMITH_TM.BKS"), "came in during the demo");
    EXPECT_EQ(folder.Read(std::string(kKeptPoolFolder) + "/Smith_TM.BKS"), "own Smith_TM.BKS");
}

// Without an archive, with one that cannot be read, with a damaged member after others were
// written, or with a file or a link to elsewhere planted under the kept folder's name: the
// start says why and the folder is as it was (nothing of it moved out of the folder).
TEST_F(DemoSetTest, AStartThatCannotBeMadeLeavesTheFolderAsItWas) {
    const std::string shipped = testing::ReadBytes(kShippedArchive);
    std::string damagedMember = shipped;
    damagedMember[shipped.size() / 3] = static_cast<char>(shipped[shipped.size() / 3] ^ 0x55);
    TempFolder elsewhere;
    struct Case {
        std::string archive;  // none when empty
        const char* planted;  // "file", "link" or nothing
        std::string message;  // a result number when empty
    };
    const std::string missing =
        "The DEMOSET.ZIP file is missing from the application\r\ndirectory.  Verify the installation of BRACKWELL.";
    const std::string inTheWay =
        "Your own pool could not be kept aside for the demo (DEMOKEPT is in the way: it is not a folder),\r\n"
        "so DEMO Mode was not started. Your files are as they were.";
    const Case cases[] = {{"", "", missing},
                          {"PK\3\4 not really an archive", "", ""},
                          {shipped.substr(0, shipped.size() / 2), "", ""},
                          {damagedMember, "", ""},
                          {shipped, "file", inTheWay},
                          {shipped, "link", inTheWay}};
    for (const Case& test : cases) {
        TempFolder other;
        WriteOrganisersOwnFiles(other);
        if (!test.archive.empty()) other.Write("demoset.zip", test.archive);
        if (test.planted == std::string("file")) other.Write(kKeptPoolFolder, "in the way");
        if (test.planted == std::string("link")) fs::create_directory_symlink(elsewhere.path(), other.File(kKeptPoolFolder));
        const std::map<std::string, std::string> before = Contents(other.path());
        ScriptedDialogs shown;
        shown.AllowMessages();
        DemoSet(modBrackwell(other.path()), shown);
        ASSERT_EQ(shown.messages().size(), 1u);
        const std::string text = shown.messages()[0].text;
        EXPECT_EQ(shown.messages()[0].title, test.message.empty() ? kAppTitle : "BRACKWELL - DemoModeSet");
        if (test.message.empty())
            EXPECT_TRUE(text != "0" && text.find_first_not_of("0123456789") == std::string::npos) << text;
        else
            EXPECT_EQ(text, test.message);
        EXPECT_EQ(Contents(other.path()), before);
    }
    EXPECT_TRUE(fs::is_empty(elsewhere.path()));
}

}  // namespace
}  // namespace brackwell
