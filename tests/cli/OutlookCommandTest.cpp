#include <gtest/gtest.h>

#include <cstdio>

#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CliInvocation;
using testing::CliRun;
using testing::FieldOnly;
using testing::LowerTeamsWin;
using testing::RunCli;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::UpperTeamsWin;
using testing::WithPlayer;

const std::string kHeader =
    "FileName\tPlayerName\tScore\tMaxScore\tBestPlace\tWorstPlace\tFirstOutright\tFirstShared\tFirstShare\t"
    "ChanceSeeded\tChanceEven\tMethod\tFirstStatus\n";

// Every game played by the upper team but the final, between two first seeds. Smith and Copy
// picked the upper team throughout, Twin the same but the other finalist as champion, Adams
// the lower team of every game. If the upper finalist wins, Smith and Copy tie for first on
// 168 and Twin is third on 152; otherwise Twin is first alone and the other two tie on 152.
void WriteFinalOpen(const TempFolder& folder) {
    folder.Write(kStartFileName, StartFileContents(DefaultStartLines()));
    SelLinesArray results = WithPlayer(UpperTeamsWin(), "FinalResults", "A", "");
    results[127].clear();
    folder.Write(kResultsFileName, SelectionFileBytes(results));
    SelLinesArray twin = UpperTeamsWin();
    twin[127] = twin[126];
    folder.Write("Smith_TM.BKS", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "Smith", "TM", "")));
    folder.Write("copy_CC.bks", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "copy", "CC", "")));
    folder.Write("Twin_TT.BKS", SelectionFileBytes(WithPlayer(twin, "Twin", "TT", "")));
    folder.Write("Adams_BB.BKS", SelectionFileBytes(WithPlayer(LowerTeamsWin(), "Adams", "BB", "")));
}

TEST(OutlookCommand, CountsEveryOutcomeOfTheOpenGamesForEachFileInTheStandingsOrder) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    const CliRun run = RunCli({"outlook", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kHeader +
                           "Adams_BB.BKS\tAdams, BB\t0\t0\t4\t4\t0\t0.000000\t0.00\t0.00\t0.00\texact\teliminated\n"
                           "copy_CC.bks\tcopy, CC\t152\t168\t1\t2\t0\t0.500000\t25.00\t25.00\t25.00\texact\talive\n"
                           "Smith_TM.BKS\tSmith, TM\t152\t168\t1\t2\t0\t0.500000\t25.00\t25.00\t25.00\texact\talive\n"
                           "Twin_TT.BKS\tTwin, TT\t152\t168\t1\t3\t1\t1.000000\t50.00\t50.00\t50.00\texact\talive\n");
}

// With 10 and 5 paid: if the upper finalist wins, Smith and Copy share 15; otherwise Twin takes
// 10 and the two share the 5 of second place.
TEST(OutlookCommand, APayoutSharesTiedPlacesPrizes) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    const CliRun run = RunCli({"outlook", "--folder", folder.path(), "--payout", "10,5"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* row : {"copy, CC\t152\t168\t1\t2\t0\t0.500000\t25.00\t25.00\t25.00\texact\talive\t5.00\t5.00\tclinched\n",
                            "Twin, TT\t152\t168\t1\t3\t1\t1.000000\t50.00\t50.00\t50.00\texact\talive\t5.00\t5.00\talive\n"})
        EXPECT_NE(run.out.find(row), std::string::npos) << row;
}

TEST(OutlookCommand, AScenarioIsTheResultsFileThatPutsTheParticipantFirst) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    SelLinesArray won = WithPlayer(UpperTeamsWin(), "FinalResults", "A", "");
    won[127] = won[126];
    const CliRun twin = RunCli({"outlook", "--folder", folder.path(), "--scenario", "twin_tt.bks"});
    EXPECT_EQ(twin.exitCode, 0) << twin.err;
    EXPECT_EQ(twin.out, SelectionFileBytes(won));
    const CliRun adams = RunCli({"outlook", "--folder", folder.path(), "--scenario", "Adams_BB.BKS"});
    EXPECT_EQ(adams.exitCode, 3);
    EXPECT_EQ(adams.out, "copy, CC (copy_CC.bks) already has 152 points, more than the 0 Adams_BB.BKS can still reach\n");
}

TEST(OutlookCommand, TheRootingGuideSplitsFirstPlacesByEachResult) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    const SelLinesArray results = UpperTeamsWin();
    const CliRun run = RunCli({"outlook", "--folder", folder.path(), "--root", "Twin_TT.BKS"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Position\tRound\tTeam\tFirstShared\tChanceEven\tChanceSeeded\n"
                       "127\t6\t" + results[125] + "\t0.000000\t0.00\t0.00\n"
                       "127\t6\t" + results[126] + "\t1.000000\t100.00\t100.00\n");
}

// After the fourth round: the semi-finals and the final open, whatever was entered there.
TEST(OutlookCommand, AfterARoundLaterResultsAreLeftOut) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    const CliRun replayed = RunCli({"outlook", "--folder", folder.path(), "--after-round", "4", "--payout", "3,1"});
    SelLinesArray earlier = WithPlayer(UpperTeamsWin(), "FinalResults", "A", "");
    for (const int p : {125, 126, 127}) earlier[p].clear();
    folder.Write(kResultsFileName, SelectionFileBytes(earlier));
    const CliRun direct = RunCli({"outlook", "--folder", folder.path(), "--payout", "3,1"});
    EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
    EXPECT_EQ(replayed.out, direct.out);
    EXPECT_NE(replayed.out.find("\texact\t"), std::string::npos);
}

TEST(OutlookCommand, BeforeTheRoundOf32ItEstimatesAndTheSeedRepeatsTheEstimate) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    folder.Write(kResultsFileName, SelectionFileBytes(WithPlayer(FieldOnly(), "FinalResults", "A", "")));
    const std::vector<std::string> args{"outlook", "--folder", folder.path(), "--sims", "2000", "--seed=7"};
    const CliRun first = RunCli(args);
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out.rfind(kHeader, 0), 0u);
    EXPECT_NE(first.out.find("\testimate +-"), std::string::npos) << first.out;
    EXPECT_EQ(RunCli(args).out, first.out);
}

TEST(OutlookCommand, AWrongCommandLineOrAMissingFileIsRefusedClearly) {
    const TempFolder folder;
    WriteFinalOpen(folder);
    const TempFolder noResults;
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string says;
    } cases[] = {
        {{"outlook", "--sims"}, 2, "--sims needs a value"},
        {{"outlook", "--sims", "0"}, 2, "--sims needs a number of simulated tournaments, 1 to 9007199254740992, not \"0\""},
        {{"outlook", "--sims=-5"}, 2, "not \"-5\""},
        {{"outlook", "--sims", "10x"}, 2, "not \"10x\""},
        {{"outlook", "--sims", "99999999999999999999999"}, 2, "not \"99999999999999999999999\""},
        {{"outlook", "--seed", "1.5"}, 2, "--seed needs a whole number, 0 or more, not \"1.5\""},
        {{"outlook", "--seed="}, 2, "not \"\""},
        {{"outlook", "--exact=yes"}, 2, "unknown option \"--exact=yes\""},
        {{"outlook", "--folder="}, 2, "--folder needs a folder"},
        {{"outlook", "--folder", folder.File("missing")}, 1, "\"" + folder.File("missing") + "\" does not exist"},
        {{"outlook", "--folder", noResults.path()}, 1, "BRACKWELL.BKT is not present"},
        {{"outlook", "--payout", "5,-1"}, 2, "--payout needs the prizes of places 1, 2, ... as numbers 0 or more"},
        {{"outlook", "--payout", "5,,1"}, 2, "not \"5,,1\""},
        {{"outlook", "--after-round", "6"}, 2, "--after-round needs a round, 0 to 5, not \"6\""},
        {{"outlook", "--root", "a.BKS", "--scenario", "b.BKS"}, 2, "--root and --scenario do not go together"},
        {{"outlook", "--root", "a.BKS", "--merge", "x"}, 2, "--merge takes the counting options"},
        {{"outlook", "--scenario", "a.BKS", "--merge", "x"}, 2, "--scenario works on the whole count"},
        {{"outlook", "--html", "x.html", "--part", "1/2"}, 2, "--html writes the whole outlook"},
        {{"outlook", "--payout", "1", "--merge", "x"}, 2, "--merge takes the counting options"},
        {{"outlook", "--folder", folder.path(), "--root", "Nobody.BKS"}, 2, "\"Nobody.BKS\" is not a selection file"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.says;
        EXPECT_EQ(run.out, "") << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
    const CliRun lost = RunCli(CliInvocation{{"outlook", "--folder", folder.path()}, {}, {}, "/dev/full"});
    EXPECT_EQ(lost.exitCode, 1);
    EXPECT_NE(lost.err.find("could not be written"), std::string::npos) << lost.err;
}

TEST(OutlookCommand, HelpNamesTheCommandAndItsColumns) {
    const CliRun run = RunCli({"outlook", "--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* text : {"brackwell-cli outlook [--folder DIR] [--sims N] [--seed N]", "BestPlace", "FirstShared",
                             "ChanceSeeded", "estimate +-X%"})
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace brackwell
