// brackwell-cli check: one line per file with the program's own verdict, and an exit status
// that says whether all are well.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "core/TeamNames.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CliRun;
using testing::CrLf;
using testing::FieldOnly;
using testing::RunCli;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::UpperTeamsWin;
using testing::WithPlayer;

void WriteGoodPool(const TempFolder& folder) {
    folder.Write(kStartFileName, StartFileContents(DefaultStartLines()));
    folder.Write(kTeamListFileName, CrLf({kStartMarker, "Duke", kEndMarker}));
    folder.Write(kRosterFileName, CrLf({RosterHeaderLine()}));
    folder.Write(kResultsFileName, SelectionFileBytes(WithPlayer(FieldOnly(), "Results", "R", "")));
    folder.Write("Smith_TM.BKS", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "Smith", "TM", "150")));
}

TEST(CheckCommand, AWellPoolIsOkLineByLine) {
    const TempFolder folder;
    WriteGoodPool(folder);
    const CliRun run = RunCli({"check", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "POOLSTART.BKT: OK\nNCAALIST.BKT: OK\nPLAYERNAMES.CSV: OK\nBRACKWELL.BKT: OK\nSmith_TM.BKS: OK\n");
    EXPECT_EQ(run.err, "");
}

TEST(CheckCommand, EachFaultyFileGetsTheProgramsMessageOnOneLine) {
    const TempFolder folder;
    WriteGoodPool(folder);
    folder.Write(kStartFileName, CrLf({"not a start file"}));
    folder.Write(kRosterFileName, CrLf({RosterHeaderLine(), "short"}));
    ASSERT_EQ(mkfifo(folder.File("Pipe_PP.BKS").c_str(), 0644), 0);
    folder.Write("Adams_AB.BKS", CrLf({"TEAM1"}));
    std::filesystem::remove(folder.File(kTeamListFileName));
    const CliRun run = RunCli({"check", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 1);
    const std::string opening = "There is a problem opening: ";
    const std::string goOn = "   The program will attempt to continue ......";
    EXPECT_EQ(run.out,
              "POOLSTART.BKT: Problem with file, will use default values\n"
              "NCAALIST.BKT: Problem locating or Reading NCAALIST.BKT file  MODULE: modBrackwell - ReadTeamNames\n"
              "PLAYERNAMES.CSV: There is a problem found with the file containing your player names. Possibly "
              "someone has edited this file with another program.  The file: " +
                  folder.File(kRosterErrorFileName) +
                  "  is a copy of the original file with the error records identified.  You can either go back to "
                  "a backup copy of this file or attempt to correct the error(s) in this copy and then rename it to "
                  "PLAYERNAMES.CSV.  See the help file for additional instructions\n"
                  "BRACKWELL.BKT: OK\n"
                  "Adams_AB.BKS: " + opening + folder.File("Adams_AB.BKS") + goOn + "\n"
                  "Smith_TM.BKS: OK\n");
    EXPECT_TRUE(folder.Exists(kRosterErrorFileName)) << "the roster check writes its error copy";
}

TEST(CheckCommand, ACaseTwinIsNamedAsADuplicateAndScoredOnce) {
    const TempFolder folder;
    WriteGoodPool(folder);
    folder.Write("smith_tm.bks", folder.Read("Smith_TM.BKS"));
    const CliRun run = RunCli({"check", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.substr(run.out.find("Smith_TM.BKS")),
              "Smith_TM.BKS: OK\nsmith_tm.bks: a duplicate of Smith_TM.BKS (names are matched without regard to "
              "case): left out, Smith_TM.BKS is scored\n");
    const CliRun score = RunCli({"score", "--folder", folder.path()});
    EXPECT_EQ(std::count(score.out.begin(), score.out.end(), '\n'), 2) << score.out;
}

TEST(CheckCommand, PointsOutOfRangeAreNamed) {
    const TempFolder folder;
    WriteGoodPool(folder);
    StartLinesArray lines = DefaultStartLines();
    lines[kFinalizedLine] = "1";
    lines[kFirstPointsLine] = "-3";
    lines[kFirstPointsLine + 5] = "32767";
    folder.Write(kStartFileName, StartFileContents(lines));
    const CliRun run = RunCli({"check", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
              "POOLSTART.BKT: points per round must be 1 to 99, not round 1 \"-3\", round 6 \"32767\": Problem with "
              "file, will use default values (the default points of those rounds)");
}

TEST(CheckCommand, FilesThatCannotBeReadOrAreAbsentAreSaidSo) {
    const TempFolder folder;
    WriteGoodPool(folder);
    std::filesystem::remove(folder.File(kStartFileName));
    ASSERT_EQ(mkfifo(folder.File(kStartFileName).c_str(), 0644), 0);
    std::filesystem::remove(folder.File(kRosterFileName));
    std::filesystem::remove(folder.File(kResultsFileName));
    const CliRun run = RunCli({"check", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              "POOLSTART.BKT: cannot be read: the default field is used\n"
              "NCAALIST.BKT: OK\n"
              "PLAYERNAMES.CSV: not present: the program makes one holding the header alone\n"
              "BRACKWELL.BKT: not present: no results entered yet\n"
              "Smith_TM.BKS: OK\n");
    std::filesystem::remove(folder.File(kStartFileName));
    EXPECT_EQ(RunCli({"check", "--folder", folder.path()}).exitCode, 0) << "absent files are no fault";
}

TEST(CheckCommand, AWrongCommandLineIsRefused) {
    const TempFolder folder;
    for (const auto& [args, code] : {std::pair{std::vector<std::string>{"check", "--folder"}, 2},
                                     {{"check", "extra"}, 2},
                                     {{"check", "--folder", folder.File("missing")}, 1}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, code) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

}  // namespace
}  // namespace brackwell
