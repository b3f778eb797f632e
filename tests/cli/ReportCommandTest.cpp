#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "core/FileSystem.h"
#include "core/SelectionFile.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CliRun;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;

const std::string kGoldens = BRACKWELL_SOURCE_DIR "/tests/reports/rules/data/demo/";

void CopyDemo(const TempFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(BRACKWELL_SOURCE_DIR "/data/demo"))
        std::filesystem::copy_file(entry.path(), folder.File(entry.path().filename().string()));
}

TEST(ReportCommand, WritesTheNamedReportsInTheWindowsOrder) {
    const TempFolder folder;
    CopyDemo(folder);
    const CliRun run = RunCli({"report", "--folder", folder.path(), "PlayerListing", "0"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, folder.File("RPTOPT1.TXT") + "\n" + folder.File("RPTOPT2.TXT") + "\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(folder.Read("RPTOPT1.TXT"), ReadBytes(kGoldens + "TournamentStandings.TXT"));
    EXPECT_EQ(folder.Read("RPTOPT2.TXT"), ReadBytes(kGoldens + "PlayerListing.TXT"));
    EXPECT_EQ(folder.Read("TEMPPRT.TXT"), folder.Read("RPTOPT2.TXT"));
}

TEST(ReportCommand, AllSkipsTheProjectionsOnceAChampionIsEntered) {
    const TempFolder folder;
    CopyDemo(folder);
    const CliRun run = RunCli({"report", "--folder=" + folder.path(), "--all", "--title", "Office Pool"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* written : {"RPTOPT1.TXT", "RPTOPT2.TXT", "RPTOPT3.TXT", "RPTOPT4.TXT", "RPTOPT5.TXT"})
        EXPECT_TRUE(folder.Exists(written)) << written;
    EXPECT_FALSE(folder.Exists("RPTOPT6.TXT"));
    EXPECT_FALSE(folder.Exists("RPTOPT7.TXT"));
    EXPECT_NE(folder.Read("RPTOPT1.TXT").find("Office Pool\r\n"), std::string::npos);
    EXPECT_NE(run.err.find("a projection isn't meaningful"), std::string::npos);
}

// Another run (the report window, or a second brackwell-cli) holds the folder's report lock.
TEST(ReportCommand, WhileAnotherRunWritesTheFoldersReportsNothingIsWritten) {
    const TempFolder folder;
    CopyDemo(folder);
    const int other = open(folder.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    const CliRun busy = RunCli({"report", "--folder", folder.path(), "--all"});
    EXPECT_EQ(busy.exitCode, 1);
    EXPECT_EQ(busy.out, "");
    EXPECT_EQ(busy.err, "brackwell-cli report: Another run is writing the reports of this folder.\nTry again when it "
                        "has finished.\n");
    EXPECT_FALSE(folder.Exists("TEMPPRT.TXT"));
    EXPECT_FALSE(folder.Exists("RPTOPT1.TXT"));
    close(other);
    EXPECT_EQ(RunCli({"report", "--folder", folder.path(), "0"}).exitCode, 0);
    EXPECT_EQ(folder.Read("RPTOPT1.TXT"), ReadBytes(kGoldens + "TournamentStandings.TXT"));
}

TEST(ReportCommand, AFailedReportEndsWithOneAndAWrongCommandLineWithTwo) {
    const TempFolder folder;
    CopyDemo(folder);
    std::filesystem::remove(folder.File(kResultsFileName));
    const CliRun failed = RunCli({"report", "--folder", folder.path(), "TournamentStandings", "PlayerListing"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("Game Results have not been entered"), std::string::npos);
    EXPECT_FALSE(folder.Exists("RPTOPT1.TXT"));
    EXPECT_TRUE(folder.Exists("RPTOPT2.TXT"));

    EXPECT_EQ(RunCli({"report", "--folder", folder.path(), "Standings"}).exitCode, 2);
    EXPECT_EQ(RunCli({"report", "--folder", folder.path()}).exitCode, 2);
    EXPECT_EQ(RunCli({"report", "--folder", folder.File("missing"), "--all"}).exitCode, 1);
}

// The reports of one command read the pool once: a faulty file's message comes once.
TEST(ReportCommand, AllTellsOfAFaultySelectionFileOnce) {
    const TempFolder folder;
    CopyDemo(folder);
    const std::string faulty = ListFilesWithExtension(folder.path(), ".BKS").front();
    folder.Write(faulty, "Texas\r\n");
    const CliRun run = RunCli({"report", "--folder", folder.path(), "--all"});
    EXPECT_EQ(run.exitCode, 0);
    const std::string message = "There is a problem opening: " + folder.File(faulty);
    const std::size_t first = run.err.find(message);
    ASSERT_NE(first, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(message, first + 1), std::string::npos) << run.err;
}

}  // namespace
}  // namespace brackwell
