#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "standings/rules/DoSort.h"
#include "standings/rules/PointSummary.h"
#include "standings/rules/ScoreGrid.h"

namespace brackwell {
namespace {

TEST(ScoreGrid, FormatStringGivesHeadersWidthsAndAlignment) {
    const std::vector<GridColumn>& columns = ScoreDisplayColumns();
    ASSERT_EQ(columns.size(), 5u);
    const std::vector<std::string> headers{"File Name", "Player Name", "Score", "-MAX-", "Winning Pick"};
    const std::vector<int> widths{32, 19, 8, 6, 23};
    const std::vector<bool> right{false, false, true, true, false};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(columns[c].header, headers[c]);
        EXPECT_EQ(columns[c].widthChars, widths[c]) << headers[c];
        EXPECT_EQ(columns[c].alignRight, right[c]) << headers[c];
    }
}

TEST(ScoreGrid, MovingAColumnClosesUpTheOthers) {
    std::vector<ScoreRow> rows{{"a", "b", "c", "d", "e"}};
    MoveColumn(rows, 2, 0);
    EXPECT_EQ(rows[0], (ScoreRow{"c", "a", "b", "d", "e"}));
    MoveColumn(rows, 0, 4);
    EXPECT_EQ(rows[0], (ScoreRow{"a", "b", "d", "e", "c"}));
    MoveColumn(rows, 1, 1);
    EXPECT_EQ(rows[0], (ScoreRow{"a", "b", "d", "e", "c"}));
}

struct SortCase {
    const char* name;
    std::vector<ScoreRow> rows;
    std::vector<ScoreRow> sorted;
};

// Named by their case in test listings.
void PrintTo(const SortCase& c, std::ostream* out) { *out << c.name; }

class DoSortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(DoSortTest, OrdersTheRows) {
    std::vector<ScoreRow> rows = GetParam().rows;
    DoSort(rows);
    EXPECT_EQ(rows, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreGrid, DoSortTest,
    ::testing::Values(
        // Scores ranked highest first; the two 25s by -MAX-, since the text columns between are
        // all 0 as numbers.
        SortCase{"ScoreFirst",
                 {{"25", "b.BKS", "B, B", "90", "X"},
                  {"12", "a.BKS", "A, A", "50", "X"},
                  {"37", "c.BKS", "C, C", "40", "X"},
                  {"25", "d.BKS", "D, D", "95", "X"}},
                 {{"37", "c.BKS", "C, C", "40", "X"},
                  {"25", "d.BKS", "D, D", "95", "X"},
                  {"25", "b.BKS", "B, B", "90", "X"},
                  {"12", "a.BKS", "A, A", "50", "X"}}},
        SortCase{"NumbersAsTextWhenTheFirstIsZero",
                 {{"0", "z.BKS", "", "", ""}, {"37", "a.BKS", "", "", ""}, {"125", "b.BKS", "", "", ""},
                  {"0", "c.BKS", "", "", ""}},
                 {{"0", "c.BKS", "", "", ""}, {"0", "z.BKS", "", "", ""}, {"125", "b.BKS", "", "", ""},
                  {"37", "a.BKS", "", "", ""}}},
        SortCase{"TextAscendingWithTiesByTheNextColumn",
                 {{"Smith, TM", "b.BKS", "1", "", ""}, {"Adams, BB", "c.BKS", "2", "", ""},
                  {"Smith, TM", "a.BKS", "3", "", ""}, {"baker, CC", "d.BKS", "4", "", ""}},
                 {{"Adams, BB", "c.BKS", "2", "", ""}, {"Smith, TM", "a.BKS", "3", "", ""},
                  {"Smith, TM", "b.BKS", "1", "", ""}, {"baker, CC", "d.BKS", "4", "", ""}}},
        SortCase{"RowsEqualOnEveryKeyKeepTheirOrder",
                 {{"5", "x", "", "", "1"}, {"5", "y", "", "", "1"}, {"5", "z", "", "", "1"}},
                 {{"5", "x", "", "", "1"}, {"5", "y", "", "", "1"}, {"5", "z", "", "", "1"}}},
        SortCase{"OneRowIsLeftAlone", {{"0", "b", "", "", ""}}, {{"0", "b", "", "", ""}}},
        SortCase{"NoRows", {}, {}}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

TEST(PointSummary, DateIsDayMonthNameTwoDigitYear) {
    EXPECT_EQ(SummaryDate(2026, 12, 8), "8-December-26");
    EXPECT_EQ(SummaryDate(2002, 3, 21), "21-March-02");
    EXPECT_EQ(SummaryDate(2000, 1, 1), "1-January-00");
}

TEST(PointSummary, ColumnsArePaddedToTheirLongestCellAfterTheDateLine) {
    const std::vector<ScoreRow> rows{{"File Name", "Player Name", "Score", "-MAX-", "Winning Pick"},
                                     {"Smith_TM.BKS", "Smith, TM", "37", "120", "Duke"},
                                     {"Lee_A.BKS", "Lee, A", "5", "9", ""}};
    const std::vector<std::string> expected{
        "                BRACKWELL POINT SUMMARY: 8-December-26",
        "",
        "",
        "     File Name     Player Name  Score  -MAX-  Winning Pick",
        "     Smith_TM.BKS  Smith, TM    37     120    Duke        ",
        "     Lee_A.BKS     Lee, A       5      9                  ",
    };
    EXPECT_EQ(PointSummaryLines(rows, "8-December-26"), expected);
}

}  // namespace
}  // namespace brackwell
