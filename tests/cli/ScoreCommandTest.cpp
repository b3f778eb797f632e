#include <gtest/gtest.h>

#include <filesystem>

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

const std::string kHeader = "FileName\tPlayerName\tScore\tMaxScore\tCorrect\tWrong\tChampion\tRunnerUp\tTieBreak\n";

// A pool in which TEAM2 beat TEAM1 and TEAM3 beat TEAM4 so far, with three players:
// Smith picked the upper team of every game, Adams the lower one, baker nothing at all.
void WritePool(const TempFolder& folder) {
    SelLinesArray results = WithPlayer(FieldOnly(), "FinalResults", "A", "");
    results[17] = "TEAM2";
    results[18] = "TEAM3";
    folder.Write(kResultsFileName, SelectionFileBytes(results));
    folder.Write("smith_TM.bks", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "Smith", "TM", "150")));
    folder.Write("Adams_BB.BKS", SelectionFileBytes(WithPlayer(LowerTeamsWin(), "Adams", "BB", "144.5")));
    folder.Write("baker_CC.BKS", SelectionFileBytes(WithPlayer(FieldOnly(), "baker", "CC", "")));
    folder.Write("notes.txt", "not a selection\r\n");
}

// With the default points (1, 2, 4, 8, 12, 16): 168 at most.
const std::string kSmithRow = "smith_TM.bks\tSmith, TM\t1\t125\t1\t6\tTEAM1\tTEAM33\t150\n";
const std::string kAdamsRow = "Adams_BB.BKS\tAdams, BB\t1\t165\t1\t2\tTEAM64\tTEAM32\t144\n";
const std::string kBakerRow = "baker_CC.BKS\tbaker, CC\t0\t0\t0\t63\t\t\t0\n";

TEST(ScoreCommand, ScoresEverySelectionFileOfTheFolderInFileListOrder) {
    const TempFolder folder;
    WritePool(folder);
    std::filesystem::create_directory(folder.File("Archive.BKS"));
    const CliRun run = RunCli({"score", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeader + kAdamsRow + kBakerRow + kSmithRow);
    EXPECT_EQ(run.err, "");
}

TEST(ScoreCommand, ThePointsComeFromTheStartField) {
    const TempFolder folder;
    WritePool(folder);
    StartLinesArray start = DefaultStartLines();
    start[kFirstPointsLine] = "3";
    folder.Write(kStartFileName, StartFileContents(start));
    const CliRun run = RunCli({"score", "--folder=" + folder.path(), "smith_TM.bks"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeader + "smith_TM.bks\tSmith, TM\t3\t187\t1\t6\tTEAM1\tTEAM33\t150\n");
}

TEST(ScoreCommand, FilesNamedAreScoredInTheOrderGivenInTheHomeFolder) {
    const TempFolder folder;
    WritePool(folder);
    const CliRun run = RunCli(CliInvocation{{"score", "SMITH_TM.BKS", "--", "Adams_BB.BKS"},
                                            {"BRACKWELL_HOME=" + folder.path()}, {}, {}});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeader + "SMITH_TM.BKS" + kSmithRow.substr(12) + kAdamsRow);
}

TEST(ScoreCommand, AFolderWithoutSelectionFilesPrintsOnlyTheHeader) {
    const TempFolder folder;
    folder.Write(kResultsFileName, SelectionFileBytes(FieldOnly()));
    const CliRun run = RunCli({"score", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeader);
    EXPECT_EQ(run.err, "");
}

TEST(ScoreCommand, WithoutResultsFileItStopsWithTheBracketWindowsMessage) {
    const TempFolder folder;
    folder.Write("Smith_TM.BKS", SelectionFileBytes(UpperTeamsWin()));
    const CliRun run = RunCli({"score", "--folder", folder.path()});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "INVALID REQUEST TO LOAD FILE: The file BRACKWELL.BKT is not present in the application directory!\n");
}

TEST(ScoreCommand, AFaultyFileIsReportedAndStillScored) {
    const TempFolder folder;
    WritePool(folder);
    folder.Write("Zed_ZZ.BKS", std::string("TEAM1\r\n\0\xff\r\n", 11));
    const CliRun run = RunCli({"score", "--folder", folder.path(), "Zed_ZZ.BKS", "Nobody_NN.BKS"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, kHeader + "Zed_ZZ.BKS\t, \t0\t0\t0\t126\t\t\t0\nNobody_NN.BKS\t, \t0\t0\t0\t127\t\t\t0\n");
    const std::string title = "** ERROR IN OPENING FILE - ReadSelections Routine **: There is a problem opening: ";
    const std::string rest = "\n\n The program will attempt to continue ......\n";
    EXPECT_EQ(run.err, title + folder.File("Zed_ZZ.BKS") + rest + title + folder.File("Nobody_NN.BKS") + rest);
}

TEST(ScoreCommand, NamesAreWrittenAsTheirStoredBytesAndNeverSplitARow) {
    const TempFolder folder;
    WritePool(folder);
    SelLinesArray picks = WithPlayer(UpperTeamsWin(), "M\xfcller", "\xc9X", "");
    picks[127] = "Caf\xe9 \x01";
    folder.Write("M\xfcller_\xc9X.BKS", SelectionFileBytes(picks));
    // Tabs and line breaks in a file name and in the stored names become blanks.
    SelLinesArray odd = WithPlayer(UpperTeamsWin(), "Tab\tName", "C\rR", "");
    folder.Write("Odd\tName\n_TN.BKS", SelectionFileBytes(odd));
    const CliRun run = RunCli({"score", "--folder", folder.path(), "M\xfcller_\xc9X.BKS", "Odd\tName\n_TN.BKS"});
    EXPECT_EQ(run.out, kHeader + "M\xfcller_\xc9X.BKS\tM\xfcller, \xc9X\t1\t141\t1\t5\tCaf\xe9  \tTEAM33\t0\n" +
                           "Odd Name _TN.BKS\tTab Name, C R\t1\t125\t1\t6\tTEAM1\tTEAM33\t0\n");
}

TEST(ScoreCommand, AWrongCommandLineIsRefusedClearly) {
    const TempFolder folder;
    WritePool(folder);
    const struct {
        std::vector<std::string> args;
        int exitCode;
        std::string says;
    } cases[] = {
        {{}, 2, "Usage: brackwell-cli score"},
        {{"standings"}, 2, "unknown command \"standings\""},
        {{"score", "--points", "3"}, 2, "unknown option \"--points\""},
        {{"score", "--folder"}, 2, "--folder needs a folder"},
        {{"score", "--folder", folder.File("missing")}, 1, "\"" + folder.File("missing") + "\" does not exist"},
        {{"score", "--folder", folder.path(), folder.File("smith_TM.bks")},
         2,
         "is not a file name of the application folder"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.says;
        EXPECT_EQ(run.out, "") << c.says;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

TEST(ScoreCommand, HelpExplainsUsageFolderAndColumns) {
    for (const auto& args : {std::vector<std::string>{"--help"}, std::vector<std::string>{"score", "--help"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        for (const char* text : {"Usage: brackwell-cli score [--folder DIR] [FILE...]", "BRACKWELL_HOME", "QUILLON.OBJ",
                                 "~/.local/share/Brackwell", "FileName", "PlayerName", "MaxScore", "Correct", "Wrong",
                                 "Champion", "RunnerUp", "TieBreak"})
            EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
}

TEST(ScoreCommand, LostOutputIsAFailure) {
    const TempFolder folder;
    WritePool(folder);
    const CliRun run = RunCli(CliInvocation{{"score", "--folder", folder.path()}, {}, {}, "/dev/full"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("could not be written"), std::string::npos) << run.err;
}

// A copy of the program in a folder of its own, to see which folder it picks by itself.
TEST(ScoreCommand, WithoutFolderOrHomeItUsesThePortableOrThePerUserFolder) {
    const TempFolder place;
    const std::string program = place.File("brackwell-cli");
    std::filesystem::copy_file(testing::BuiltCliPath(), program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const TempFolder dataHome;
    std::filesystem::create_directory(dataHome.File("Brackwell"));
    const CliInvocation invocation{{"score"}, {"XDG_DATA_HOME=" + dataHome.path()}, program, {}};

    EXPECT_NE(RunCli(invocation).err.find("INVALID REQUEST TO LOAD FILE"), std::string::npos);
    dataHome.Write("Brackwell/" + std::string(kResultsFileName), SelectionFileBytes(FieldOnly()));
    dataHome.Write("Brackwell/baker_CC.BKS", SelectionFileBytes(WithPlayer(FieldOnly(), "baker", "CC", "")));
    EXPECT_EQ(RunCli(invocation).out, kHeader + kBakerRow);

    WritePool(place);
    place.Write("QUILLON.OBJ", "template");
    EXPECT_EQ(RunCli(invocation).out, kHeader + kAdamsRow + kBakerRow + kSmithRow);
}

}  // namespace
}  // namespace brackwell
