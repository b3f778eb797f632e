#include <gtest/gtest.h>

#include "outlook/rules/OutlookGrid.h"
#include "outlook/rules/OutlookSeason.h"

namespace brackwell {
namespace {

OutlookRow Row(const char* name, double seeded, double even, int score = 0, int most = 0) {
    OutlookRow row;
    row.PlayerName = name;
    row.ChanceSeeded = seeded;
    row.ChanceEven = even;
    row.Score = score;
    row.MaxScore = most;
    return row;
}

TEST(OutlookGrid, APercentageThatIsThereButRoundsAwayIsNotShownAsProof) {
    const struct {
        double percent;
        const char* text;
    } cases[] = {{0, "0.0%"},      {0.01, "<0.1%"},      {0.05, "0.1%"},    {12.44, "12.4%"},
                 {12.45, "12.4%"}, {99.94, "99.9%"},     {99.96, ">99.9%"}, {100, "100.0%"}};
    for (const auto& c : cases) EXPECT_EQ(PercentText(c.percent), c.text) << c.percent;
}

TEST(OutlookGrid, RowsGoByChanceOfFirstThenCoinTossThenPointsThenPoolOrder) {
    const std::vector<OutlookRow> rows{Row("A", 10, 5, 3), Row("B", 40, 1), Row("C", 10, 5, 7),
                                       Row("D", 10, 9), Row("E", 10, 5, 3)};
    EXPECT_EQ(OutlookGridOrder(rows), (std::vector<std::size_t>{1, 3, 2, 0, 4}));
}

TEST(OutlookGrid, CellsInWordsWithNumbersToSortBy) {
    OutlookRow row = Row("Tab\tName, X", 62.5, 0.01, 12, 140);
    row.BestPlace = 1;
    row.WorstPlace = 3;
    const std::vector<OutlookGridCell> cells = OutlookGridCells(row);
    ASSERT_EQ(cells.size(), OutlookGridCaptions().size());
    EXPECT_EQ(OutlookGridCaptions()[0], "Player");
    std::vector<std::string> texts;
    for (const OutlookGridCell& cell : cells) texts.push_back(cell.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Tab Name, X", "12", "140", "1", "3", "62.5%", "<0.1%"}));
    EXPECT_FALSE(cells[0].numeric);
    EXPECT_TRUE(cells[6].numeric);
    EXPECT_DOUBLE_EQ(cells[6].value, 0.01);
}

// Results for every game of rounds 1..full, and `extra` games of the round after.
SelLinesArray Entered(int full, int extra) {
    SelLinesArray results{};
    for (int position = 1; position <= kPositionCount; ++position) {
        const int round = RoundOfPosition(position);
        if (round >= 1 && round <= full) results[position] = "Team";
        if (round == full + 1 && extra > 0) {
            results[position] = "Team";
            --extra;
        }
    }
    return results;
}

std::vector<std::string> Captions(const std::vector<SeasonStage>& stages) {
    std::vector<std::string> captions;
    for (const SeasonStage& stage : stages) captions.push_back(stage.caption + "@" + std::to_string(stage.afterRound));
    return captions;
}

TEST(OutlookSeason, StagesAreTheCompletedRoundsThenWhereThePoolStandsNow) {
    EXPECT_EQ(CompletedRounds(Entered(0, 0)), 0);
    EXPECT_EQ(Captions(SeasonStages(Entered(0, 0))), (std::vector<std::string>{"Start@0"}));
    EXPECT_EQ(Captions(SeasonStages(Entered(0, 31))), (std::vector<std::string>{"Start@0", "Now@-1"}));
    EXPECT_EQ(Captions(SeasonStages(Entered(2, 0))), (std::vector<std::string>{"Start@0", "Round 1@1", "Round 2@2"}));
    EXPECT_EQ(Captions(SeasonStages(Entered(2, 3))),
              (std::vector<std::string>{"Start@0", "Round 1@1", "Round 2@2", "Now@-1"}));
    EXPECT_EQ(CompletedRounds(Entered(6, 0)), 6);
    EXPECT_EQ(Captions(SeasonStages(Entered(6, 0))),
              (std::vector<std::string>{"Start@0", "Round 1@1", "Round 2@2", "Round 3@3", "Round 4@4", "Round 5@5",
                                        "Final@-1"}));
    // A later result with a gap before it leaves the gap's round open.
    SelLinesArray gap = Entered(1, 0);
    gap[kPositionCount] = "Team";
    EXPECT_EQ(Captions(SeasonStages(gap)), (std::vector<std::string>{"Start@0", "Round 1@1", "Now@-1"}));
}

TEST(OutlookSeason, TheChartFollowsEveryEarlierLeaderAndTheBestNowUpToItsLimit) {
    OutlookResult start, now;
    start.Rows = {Row("Early", 60, 0), Row("Late", 10, 0), Row("Mid", 20, 0), Row("Rest", 10, 0)};
    now.Rows = {Row("Early", 0, 0), Row("Late", 70, 0), Row("Mid", 20, 0), Row("Rest", 10, 0)};
    const std::vector<SeasonLine> lines = SeasonLines({start, now}, 3);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].player, "Late");
    EXPECT_EQ(lines[1].player, "Mid");
    EXPECT_EQ(lines[2].player, "Early");  // fell away, but led once
    EXPECT_EQ(lines[2].chances, (std::vector<double>{60, 0}));
    EXPECT_EQ(SeasonDescription({{0, "Start"}, {-1, "Now"}}, {lines[0]}),
              "Chance of first by stage. Late: Start 10.0%, Now 70.0%.");
    EXPECT_TRUE(SeasonLines({}, 3).empty());
}

}  // namespace
}  // namespace brackwell
