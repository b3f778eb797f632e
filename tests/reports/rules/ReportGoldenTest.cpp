#include <gtest/gtest.h>

#include "reports/rules/RunPool.h"
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

// All seven in one run share what it read and scored, and each writes what it writes alone:
// with the champion entered the projections skip themselves, with the semi-finals open the
// standings are not among the golden files.
TEST(ReportGolden, TheReportsOfOneRunWriteWhatEachWritesAlone) {
    struct State {
        std::vector<int> clearedResults;
        std::vector<std::pair<const char*, const char*>> goldens;  // key, golden file
    } const states[] = {
        {{},
         {{"TournamentStandings", "demo/TournamentStandings.TXT"}, {"PlayerListing", "demo/PlayerListing.TXT"},
          {"TeamSelectionSummary", "demo/TeamSelectionSummary.TXT"},
          {"TeamSelectionDetail", "demo/TeamSelectionDetail.TXT"},
          {"PlayerSelectionDetail", "demo/PlayerSelectionDetail.TXT"}}},
        {{125, 126, 127},
         {{"TeamSelectionSummary", "demo/TeamSelectionSummary.TXT"},
          {"TeamSelectionDetail", "demo/TeamSelectionDetail.TXT"},
          {"PlayerSelectionDetail", "demo/PlayerSelectionDetail.TXT"},
          {"ResultsByPlayer", "semis-open/ResultsByPlayer.TXT"},
          {"ResultsByTeam", "semis-open/ResultsByTeam.TXT"}}},
    };
    for (const State& state : states) {
        ReportPool pool;
        pool.ClearResults(state.clearedResults);
        pool.dialogs.AllowMessages();
        reports::RunPool shared;
        std::size_t compared = 0;
        for (int index = 0; index < kReportCount; ++index) {
            const ReportOutcome outcome = RunReportGenerator(index, pool.model, pool.dialogs, pool.Request(), shared);
            for (const auto& [key, golden] : state.goldens) {
                if (key != std::string(ReportAt(index).key)) continue;
                ASSERT_EQ(outcome, ReportOutcome::Written) << key;
                EXPECT_EQ(pool.WorkFile(), Golden(golden)) << key;
                ++compared;
            }
        }
        EXPECT_EQ(compared, state.goldens.size());
    }
}

}  // namespace
}  // namespace brackwell
