#include <gtest/gtest.h>

#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::FieldOnly;
using testing::LowerTeamsWin;
using testing::ScriptedDialogs;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::UpperTeamsWin;
using testing::WithPlayer;

const PositionPoints kDefaultPoints = PointsPerPosition({1, 2, 4, 8, 12, 16});

TEST(PositionPoints, EachRoundPaysItsOwnValueAndStartingSlotsNothing) {
    const PositionPoints points = PointsPerPosition({1, 2, 4, 8, 12, 16});
    for (int p : {1, 16, 32, 47, 63, 109}) EXPECT_EQ(points[p], 0) << p;
    for (int p : {17, 24, 48, 117}) EXPECT_EQ(points[p], 1) << p;
    for (int p : {25, 28, 121}) EXPECT_EQ(points[p], 2) << p;
    for (int p : {29, 30, 123}) EXPECT_EQ(points[p], 4) << p;
    for (int p : {31, 62, 93, 124}) EXPECT_EQ(points[p], 8) << p;
    EXPECT_EQ(points[125], 12);
    EXPECT_EQ(points[126], 12);
    EXPECT_EQ(points[127], 16);
}

TEST(PositionPoints, CaptionsAreReadAsWholeNumbersInSixteenBits) {
    PlainBracketView view;
    view.points = {"3", "2.5", "3.5", "x", " 12abc", "99999"};
    const PositionPoints points = PointsFromView(view);
    EXPECT_EQ(points[17], 3);
    EXPECT_EQ(points[25], 2);
    EXPECT_EQ(points[29], 4);
    EXPECT_EQ(points[31], 0);
    EXPECT_EQ(points[125], 12);
    EXPECT_EQ(points[127], 32767);
}

TEST(ScoreLines, WithNoGamesPlayedEveryPickIsOpenAndReachable) {
    const ScoredLines scored = ScoreLines(UpperTeamsWin(), FieldOnly(), kDefaultPoints);
    EXPECT_EQ(scored.record.Score, 0);
    EXPECT_EQ(scored.record.Correct, 0);
    EXPECT_EQ(scored.record.Wrong, 0);
    EXPECT_EQ(scored.record.MaxScore, 168);
    EXPECT_TRUE(scored.eliminatedTeams.empty());
    EXPECT_EQ(scored.pickState[1], kPickCorrect);
    for (int p : {17, 25, 29, 31, 62, 93, 124, 125, 126}) EXPECT_EQ(scored.pickState[p], kPickReachable) << p;
    EXPECT_EQ(scored.pickState[127], kPickOpen);  // reachable, but the title game has no state of its own
}

TEST(ScoreLines, APerfectSelectionAndAWhollyWrongOne) {
    const ScoredLines perfect = ScoreLines(UpperTeamsWin(), UpperTeamsWin(), kDefaultPoints);
    EXPECT_EQ(perfect.record.Score, 168);
    EXPECT_EQ(perfect.record.MaxScore, 168);
    EXPECT_EQ(perfect.record.Correct, 63);
    EXPECT_EQ(perfect.record.Wrong, 0);

    const ScoredLines wrong = ScoreLines(LowerTeamsWin(), UpperTeamsWin(), kDefaultPoints);
    EXPECT_EQ(wrong.record.Score, 0);
    EXPECT_EQ(wrong.record.MaxScore, 0);
    EXPECT_EQ(wrong.record.Correct, 0);
    EXPECT_EQ(wrong.record.Wrong, 63);
    EXPECT_EQ(wrong.eliminatedTeams.size(), 32u);  // each first-round loser once
}

TEST(ScoreLines, AnEmptyPickIsWrongBeforeItsGameAndAddsNothing) {
    SelLinesArray picks = UpperTeamsWin();
    picks[20].clear();
    picks[127].clear();
    const ScoredLines scored = ScoreLines(picks, FieldOnly(), kDefaultPoints);
    EXPECT_EQ(scored.record.Wrong, 2);
    EXPECT_EQ(scored.record.MaxScore, 168 - 1 - 16);
    EXPECT_EQ(scored.pickState[20], kPickWrong);
    EXPECT_EQ(scored.pickState[26], kPickReachable);  // its other feeder is still open
    EXPECT_EQ(scored.pickState[127], kPickWrong);
}

TEST(ScoreLines, ATeamThatLosesIsWrongInEveryRoundPickedAfter) {
    SelLinesArray results = FieldOnly();
    results[17] = "TEAM2";  // TEAM1, picked through to the title, loses its first game
    results[18] = "TEAM3";
    const ScoredLines scored = ScoreLines(UpperTeamsWin(), results, kDefaultPoints);
    for (int p : {17, 25, 29, 31, 125, 127}) EXPECT_EQ(scored.pickState[p], kPickWrong) << p;
    EXPECT_EQ(scored.pickState[18], kPickCorrect);
    EXPECT_EQ(scored.pickState[126], kPickReachable);
    EXPECT_EQ(scored.eliminatedTeams, std::vector<std::string>{"TEAM1"});
    EXPECT_EQ(scored.record.Wrong, 6);
    EXPECT_EQ(scored.record.Correct, 1);
    EXPECT_EQ(scored.record.Score, 1);
    EXPECT_EQ(scored.record.MaxScore, 168 - (1 + 2 + 4 + 8 + 12 + 16));
}

TEST(ScoreLines, StartingSlotsCountOnlyAsWrongWhenTheFieldDiffers) {
    StartLinesArray otherField = DefaultStartLines();
    otherField[0] = "Stranger";
    const ScoredLines scored = ScoreLines(UpperTeamsWin(otherField), UpperTeamsWin(), kDefaultPoints);
    EXPECT_EQ(scored.pickState[1], kPickWrong);
    EXPECT_EQ(scored.pickState[2], kPickCorrect);
    // The stranger is out from its slot on, so all six of its picks are wrong as well.
    EXPECT_EQ(scored.record.Wrong, 7);
    EXPECT_EQ(scored.record.Correct, 63 - 6);
    EXPECT_EQ(scored.record.Score, 168 - (1 + 2 + 4 + 8 + 12 + 16));
}

TEST(ScoreLines, PicksAboveEmptyOnesCannotBeReached) {
    SelLinesArray picks = FieldOnly();
    for (int p : {25, 29, 31}) picks[p] = "TEAM1";
    const ScoredLines scored = ScoreLines(picks, FieldOnly(), kDefaultPoints);
    for (int p : {25, 29, 31}) EXPECT_EQ(scored.pickState[p], kPickOpen) << p;
    EXPECT_EQ(scored.record.MaxScore, 0);
    EXPECT_EQ(scored.record.Wrong, 63 - 3);
}

TEST(ScoreLines, TieBreakIsTheFinalTotalRoundedHalfToEven) {
    const std::pair<std::string, int> cases[] = {{"145", 145},   {"", 0},         {"145abc", 145},
                                                 {"144.5", 144}, {"145.5", 146},  {"abc", 0},
                                                 {"99999", 32767}, {"-1e9", -32768}};
    for (const auto& [total, expected] : cases) {
        const ScoredLines scored =
            ScoreLines(WithPlayer(UpperTeamsWin(), "Smith", "TM", total), FieldOnly(), kDefaultPoints);
        EXPECT_EQ(scored.record.TieBreak, expected) << total;
    }
}

TEST(ScoreLines, PlayerChampionAndRunnerUp) {
    const ScoredLines upper = ScoreLines(WithPlayer(UpperTeamsWin(), "Smith", "TM", "140"), FieldOnly(), kDefaultPoints);
    EXPECT_EQ(upper.record.PlayerName, "Smith, TM");
    EXPECT_EQ(upper.record.Champion, "TEAM1");
    EXPECT_EQ(upper.record.RunnerUp, "TEAM33");  // the champion came from 125, so 126 is the runner-up

    const ScoredLines lower = ScoreLines(LowerTeamsWin(), FieldOnly(), kDefaultPoints);
    EXPECT_EQ(lower.record.Champion, "TEAM64");
    EXPECT_EQ(lower.record.RunnerUp, "TEAM32");  // the champion equals 126, so 125 is the runner-up
    EXPECT_EQ(lower.record.PlayerName, ", ");
}

TEST(ScoreLines, TeamNamesCompareAsExactBytes) {
    SelLinesArray picks = UpperTeamsWin();
    SelLinesArray results = FieldOnly();
    picks[17] = "duke";
    results[17] = "Duke";
    picks[18] = std::string("A\0B", 3);
    results[18] = std::string("A\0C", 3);
    picks[19] = results[19] = std::string("\xff\0\r", 3);
    const ScoredLines scored = ScoreLines(picks, results, kDefaultPoints);
    EXPECT_EQ(scored.pickState[17], kPickWrong);
    EXPECT_EQ(scored.pickState[18], kPickWrong);
    EXPECT_EQ(scored.pickState[19], kPickCorrect);
    EXPECT_EQ(scored.record.Correct, 1);
}

TEST(ScoreLines, SumsStopAtTheEndsOfTheSixteenBitRange) {
    const ScoredLines high = ScoreLines(UpperTeamsWin(), UpperTeamsWin(), PointsPerPosition({30000, 30000, 30000, 30000, 30000, 30000}));
    EXPECT_EQ(high.record.Score, 32767);
    EXPECT_EQ(high.record.MaxScore, 32767);
    const ScoredLines open = ScoreLines(UpperTeamsWin(), FieldOnly(), PointsPerPosition({-30000, -30000, -30000, -30000, -30000, -30000}));
    EXPECT_EQ(open.record.Score, 0);
    EXPECT_EQ(open.record.MaxScore, -32768);
}

TEST(ScoreLines, AnyLinesScoreWithoutFailing) {
    const ScoredLines empty = ScoreLines(SelLinesArray{}, SelLinesArray{}, kDefaultPoints);
    EXPECT_EQ(empty.record.Wrong, 127);
    EXPECT_EQ(empty.record.MaxScore, 0);
    EXPECT_EQ(empty.record.PlayerName, ", ");
    EXPECT_EQ(empty.record.TieBreak, 0);

    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    SelLinesArray noise{};
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = allBytes.substr(i % 256) + allBytes.substr(0, i % 256);
    const ScoredLines scored = ScoreLines(noise, UpperTeamsWin(), kDefaultPoints);
    EXPECT_EQ(scored.record.Wrong, 127);
    EXPECT_EQ(scored.record.Score, 0);
    EXPECT_EQ(scored.record.Champion, noise[127]);
}

class ScoreSelectionTest : public ::testing::Test {
protected:
    TempFolder folder;
    modBrackwell model{folder.path()};
    PlainBracketView view;
    ScriptedDialogs dialogs;

    // The results of TEAM1 losing its first game while TEAM3 wins its own.
    static SelLinesArray Results() {
        SelLinesArray results = FieldOnly();
        results[17] = "TEAM2";
        results[18] = "TEAM3";
        return results;
    }
    void Show(const SelLinesArray& lines) {
        model.SelLines = lines;
        SelectionToWindow(model, view);
    }
    void ExpectScoredAgainstResults(const ScoreRecord& record) {
        EXPECT_EQ(record.PlayerName, "Smith, TM");
        EXPECT_EQ(record.Score, 1);
        EXPECT_EQ(record.MaxScore, 125);
        EXPECT_EQ(record.Wrong, 6);
        EXPECT_EQ(model.PickState[17], kPickWrong);
        EXPECT_EQ(model.PickState[18], kPickCorrect);
        EXPECT_EQ(model.PickState[126], kPickReachable);
        EXPECT_EQ(model.EliminatedTeams, std::vector<std::string>{"TEAM1"});
    }
};

TEST_F(ScoreSelectionTest, TheBracketWindowScoresItsSelectionAgainstTheResultsFile) {
    folder.Write(kResultsFileName, SelectionFileBytes(Results()));
    Show(WithPlayer(UpperTeamsWin(), "Smith", "TM", "150"));
    view.initials = "tm";
    model.SelLines = SelLinesArray{};  // what the window shows counts, not what was in memory
    const ScoreRecord record = ScoreSelection(model, view, dialogs, kResultsFileName, ScoringContext::BracketWindow);
    EXPECT_EQ(record.FileName, kResultsFileName);
    EXPECT_EQ(record.TieBreak, 150);
    ExpectScoredAgainstResults(record);
    SelLinesArray shown = WithPlayer(UpperTeamsWin(), "Smith", "TM", "150");
    shown[kSelectionEndLine].clear();  // the window holds no end marker
    EXPECT_EQ(model.SelLines, shown);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ScoreSelectionTest, TheStandingsScoreAFileAgainstTheResultsShown) {
    folder.Write("Smith_TM.BKS", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "Smith", "TM", "150")));
    Show(Results());
    model.SelLines = SelLinesArray{};
    const ScoreRecord record = ScoreSelection(model, view, dialogs, "Smith_TM.BKS", ScoringContext::Standings);
    EXPECT_EQ(record.FileName, "Smith_TM.BKS");
    ExpectScoredAgainstResults(record);
    modBrackwell shown;
    WindowToSelection(view, shown);
    EXPECT_EQ(model.SelLines, shown.SelLines);
    EXPECT_EQ(model.SelLines[17], "TEAM2");
}

TEST_F(ScoreSelectionTest, TheReportWindowScoresAgainstTheResultsInMemory) {
    folder.Write("Smith_TM.BKS", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "Smith", "TM", "150")));
    Show(LowerTeamsWin());  // the bracket window may show anything meanwhile
    view.points = {"2", "2", "4", "8", "12", "16"};
    model.SelLines = Results();
    const ScoreRecord record = ScoreSelection(model, view, dialogs, "Smith_TM.BKS", ScoringContext::Reports);
    EXPECT_EQ(record.Score, 2);  // the points still come from the window's labels
    EXPECT_EQ(record.MaxScore, 200 - (2 + 2 + 4 + 8 + 12 + 16));
    EXPECT_EQ(model.SelLines, Results());
}

TEST_F(ScoreSelectionTest, AFaultyFileIsReportedAndScoredWithWhatWasRead) {
    dialogs.AllowMessages();
    const SelLinesArray upper = UpperTeamsWin();
    std::string shortFile;
    for (int p = 1; p <= 20; ++p) shortFile += upper[p] + "\r\n";
    folder.Write("Short_X.BKS", shortFile);
    Show(FieldOnly());
    const ScoreRecord record = ScoreSelection(model, view, dialogs, "Short_X.BKS", ScoringContext::Standings);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "** ERROR IN OPENING FILE - ReadSelections Routine **");
    EXPECT_EQ(dialogs.messages()[0].text, "There is a problem opening: " + folder.File("Short_X.BKS") +
                                              "\r\n\r\n The program will attempt to continue ......");
    EXPECT_EQ(record.PlayerName, ", ");
    EXPECT_EQ(record.Wrong, 127 - 20);
    EXPECT_EQ(record.MaxScore, 4);

    const ScoreRecord missing = ScoreSelection(model, view, dialogs, "Nobody_X.BKS", ScoringContext::Standings);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(missing.FileName, "Nobody_X.BKS");
    EXPECT_EQ(missing.Wrong, 127);
    EXPECT_EQ(model.SelLines[1], "TEAM1");
}

TEST_F(ScoreSelectionTest, AnySelectionFileScoresAndLeavesTheResultsInPlace) {
    dialogs.AllowMessages();
    std::string allBytes;
    for (int b = 0; b < 256; ++b) allBytes += static_cast<char>(b);
    std::string tooLong = SelectionFileBytes(UpperTeamsWin());
    for (int i = 0; i < 200; ++i) tooLong += "more\r\n";
    StartLinesArray otherField = DefaultStartLines();
    for (int i = 0; i < 64; ++i) otherField[i] = "OTHER" + std::to_string(i);
    const std::pair<std::string, std::string> files[] = {
        {"Empty_X.BKS", ""},
        {"Long_X.BKS", tooLong},
        {"Bytes_X.BKS", allBytes + "\r\n" + allBytes + "\n\r\r\n" + allBytes},
        {"Huge_X.BKS", std::string(200000, 'A')},
        {"Other_X.BKS", SelectionFileBytes(UpperTeamsWin(otherField))},
    };
    Show(Results());
    for (const auto& [name, bytes] : files) {
        folder.Write(name, bytes);
        const ScoreRecord record = ScoreSelection(model, view, dialogs, name, ScoringContext::Standings);
        EXPECT_EQ(record.FileName, name);
        EXPECT_GE(record.MaxScore, record.Score) << name;
        EXPECT_GE(record.Wrong, 0) << name;
        EXPECT_LE(record.Wrong, 127) << name;
        EXPECT_EQ(model.SelLines[17], "TEAM2") << name;
    }
    const ScoreRecord other = ScoreSelection(model, view, dialogs, "Other_X.BKS", ScoringContext::Standings);
    EXPECT_EQ(other.Wrong, 127);
    EXPECT_EQ(other.Score, 0);
    EXPECT_EQ(other.MaxScore, 0);
}

}  // namespace
}  // namespace brackwell
