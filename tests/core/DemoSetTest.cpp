// Entering and leaving demo mode in a fresh application folder, with the archive the build
// ships.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/DemoSet.h"
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

class DemoSetTest : public ::testing::Test {
protected:
    TempFolder folder;
    modBrackwell model{folder.path()};
    ScriptedDialogs dialogs;

    void ShipArchive() const { fs::copy_file(kShippedArchive, folder.File(kDemoArchiveName)); }
    void WriteOrganisersOwnFiles() const {
        folder.Write("poolstart.bkt", "own field\r\n");
        folder.Write("BRACKWELL.BKT", "own results\r\n");
        folder.Write("PLAYERNAMES.CSV", "own roster\r\n");
        folder.Write("Smith_TM.BKS", "own selection\r\n");
    }
};

TEST_F(DemoSetTest, ShippedArchiveUnpacksEveryDemoFileUnchanged) {
    ShipArchive();
    DemoSet(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(FileNames(folder.path()), WithArchive(DemoSetNames()));
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
    DemoReset(model);
    EXPECT_EQ(FileNames(folder.path()), WithArchive({"Smith_TM.BKS", "NCAALIST.BKT", "QUILLON-TEMPLATE.HTM"}));
    EXPECT_FALSE(DemoModeActive(model));
}

TEST_F(DemoSetTest, EnteringDemoModeReplacesTheOrganisersPoolButKeepsOwnSelections) {
    WriteOrganisersOwnFiles();
    ShipArchive();
    DemoSet(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty()) << "the reset leaves nothing to overwrite";
    EXPECT_FALSE(folder.Exists("poolstart.bkt"));
    for (const char* name : {"POOLSTART.BKT", "BRACKWELL.BKT", "PLAYERNAMES.CSV"})
        EXPECT_EQ(folder.Read(name), testing::ReadBytes(kDemoFolder + "/" + name)) << name;
    EXPECT_EQ(folder.Read("Smith_TM.BKS"), "own selection\r\n");
}

TEST_F(DemoSetTest, MissingArchiveIsReportedAfterTheReset) {
    WriteOrganisersOwnFiles();
    dialogs.AllowMessages();
    DemoSet(model, dialogs);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "BRACKWELL - DemoModeSet");
    EXPECT_EQ(dialogs.messages()[0].text,
              "The DEMOSET.ZIP file is missing from the application\r\n"
              "directory.  Verify the installation of BRACKWELL.");
    EXPECT_EQ(FileNames(folder.path()), std::set<std::string>{"Smith_TM.BKS"});
}

TEST_F(DemoSetTest, UnreadableArchiveShowsItsResultNumberAndWritesNothing) {
    const std::string shipped = testing::ReadBytes(kShippedArchive);
    const std::string damaged = "PK\3\4 not really an archive";
    for (const std::string& bytes : {damaged, shipped.substr(0, shipped.size() / 2)}) {
        TempFolder other;
        modBrackwell otherModel(other.path());
        other.Write("demoset.zip", bytes);
        ScriptedDialogs shown;
        shown.AllowMessages();
        DemoSet(otherModel, shown);
        ASSERT_EQ(shown.messages().size(), 1u);
        EXPECT_EQ(shown.messages()[0].text, "1");
        EXPECT_EQ(shown.messages()[0].title, kAppTitle);
        EXPECT_EQ(FileNames(other.path()), std::set<std::string>{"demoset.zip"});
    }
}

}  // namespace
}  // namespace brackwell
