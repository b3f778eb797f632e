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
    row.FirstStatus = OutlookStatus::Alive;
    row.PrizeSeeded = 41.254;
    row.PrizeEven = 7;
    row.PrizeStatus = OutlookStatus::Clinched;
    for (const bool prizes : {false, true}) {
        const std::vector<OutlookGridCell> cells = OutlookGridCells(row, prizes);
        ASSERT_EQ(cells.size(), OutlookGridCaptions(prizes).size());
        std::vector<std::string> texts;
        for (const OutlookGridCell& cell : cells) texts.push_back(cell.text);
        std::vector<std::string> expected{"Tab Name, X", "12", "140", "1", "3", "62.5%", "<0.1%", "alive"};
        if (prizes) expected.insert(expected.end(), {"41.25", "7.00", "clinched"});
        EXPECT_EQ(texts, expected);
        EXPECT_FALSE(cells[0].numeric);
        EXPECT_TRUE(cells[6].numeric);
        EXPECT_DOUBLE_EQ(cells[6].value, 0.01);
    }
    EXPECT_EQ(OutlookGridCaptions(true)[8], "Expected prize");
}

std::vector<std::string> Captions(const std::vector<SeasonStage>& stages) {
    std::vector<std::string> captions;
    for (const SeasonStage& stage : stages) captions.push_back(stage.caption + "@" + std::to_string(stage.afterRound));
    return captions;
}

TEST(OutlookSeason, StagesAreTheCompletedRoundsThenWhereThePoolStandsNow) {
    EXPECT_EQ(Captions(SeasonStages(0, true)), (std::vector<std::string>{"Start@0", "Now@-1"}));
    EXPECT_EQ(Captions(SeasonStages(2, true)), (std::vector<std::string>{"Start@0", "Round 1@1", "Round 2@2", "Now@-1"}));
    EXPECT_EQ(Captions(SeasonStages(6, false)),
              (std::vector<std::string>{"Start@0", "Round 1@1", "Round 2@2", "Round 3@3", "Round 4@4", "Round 5@5",
                                        "Final@6"}));
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
