#include <gtest/gtest.h>

#include "tests/reports/rules/ReportPoolFixture.h"

namespace brackwell {
namespace {

using testing::Golden;
using testing::ReportPool;

struct GoldenCase {
    const char* key;
    const char* golden;
    std::vector<int> clearedResults;  // positions emptied in the demo results
};

class ReportGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(ReportGolden, WritesTheWorkFileOfTheDemoPool) {
    ReportPool pool;
    pool.ClearResults(GetParam().clearedResults);
    ASSERT_EQ(pool.Run(GetParam().key), ReportOutcome::Written);
    EXPECT_EQ(pool.WorkFile(), Golden(GetParam().golden));
    EXPECT_TRUE(pool.dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    DemoPool, ReportGolden,
    ::testing::Values(GoldenCase{"TournamentStandings", "demo/TournamentStandings.TXT", {}},
                      GoldenCase{"PlayerListing", "demo/PlayerListing.TXT", {}},
                      GoldenCase{"TeamSelectionSummary", "demo/TeamSelectionSummary.TXT", {}},
                      GoldenCase{"TeamSelectionDetail", "demo/TeamSelectionDetail.TXT", {}},
                      GoldenCase{"PlayerSelectionDetail", "demo/PlayerSelectionDetail.TXT", {}},
                      // Both semi-finals decided: only the two finalists have a line.
                      GoldenCase{"ResultsByPlayer", "final-open/ResultsByPlayer.TXT", {127}},
                      // Both open: two lines per Final Four team, eight finals by team.
                      GoldenCase{"ResultsByPlayer", "semis-open/ResultsByPlayer.TXT", {125, 126, 127}},
                      GoldenCase{"ResultsByTeam", "semis-open/ResultsByTeam.TXT", {125, 126, 127}}));

}  // namespace
}  // namespace brackwell
