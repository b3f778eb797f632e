#include "outlook/rules/Outlook.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <numeric>

#include "outlook/rules/OutlookTable.h"
#include "tests/outlook/rules/BruteForce.h"
#include "tests/outlook/rules/NamedPool.h"

namespace brackwell::testing {
namespace {

void ExpectSameOutlook(const OutlookResult& expected, const OutlookResult& actual) {
    EXPECT_EQ(expected.UndecidedGames, actual.UndecidedGames);
    EXPECT_EQ(expected.Outcomes, actual.Outcomes);
    ASSERT_EQ(expected.Rows.size(), actual.Rows.size());
    for (std::size_t i = 0; i < expected.Rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const OutlookRow& e = expected.Rows[i];
        const OutlookRow& a = actual.Rows[i];
        EXPECT_EQ(e.FileName, a.FileName);
        EXPECT_EQ(e.PlayerName, a.PlayerName);
        EXPECT_EQ(e.Score, a.Score);
        EXPECT_EQ(e.MaxScore, a.MaxScore);
        EXPECT_EQ(e.BestPlace, a.BestPlace);
        EXPECT_EQ(e.WorstPlace, a.WorstPlace);
        EXPECT_EQ(e.FirstOutright, a.FirstOutright);
        EXPECT_NEAR(e.FirstShared, a.FirstShared, 1e-6);
        EXPECT_NEAR(e.FirstShare, a.FirstShare, 1e-9);
        EXPECT_NEAR(e.ChanceEven, a.ChanceEven, 1e-9);
        EXPECT_NEAR(e.ChanceSeeded, a.ChanceSeeded, 1e-9);
    }
}

// What must hold of any outlook, exact or estimated.
void ExpectConsistent(const OutlookResult& outlook) {
    double shared = 0, seeded = 0;
    for (const OutlookRow& row : outlook.Rows) {
        shared += row.FirstShared;
        seeded += row.ChanceSeeded;
        EXPECT_LE(row.FirstOutright, row.FirstShared + 1e-9);
        EXPECT_LE(1, row.BestPlace);
        EXPECT_LE(row.BestPlace, row.WorstPlace);
        EXPECT_LE(row.WorstPlace, static_cast<int>(outlook.Rows.size()));
        for (const OutlookRow& other : outlook.Rows)
            if (row.MaxScore < other.Score) {
                EXPECT_EQ(row.FirstShared, 0) << row.FileName;
                EXPECT_GE(row.BestPlace, 2) << row.FileName;
            }
    }
    if (outlook.Rows.empty()) return;
    EXPECT_NEAR(shared, static_cast<double>(outlook.Outcomes), 1e-6 * static_cast<double>(outlook.Outcomes));
    EXPECT_NEAR(seeded, 100.0, 1e-6);
}

class AgainstBruteForce : public ::testing::TestWithParam<NamedPool> {};

TEST_P(AgainstBruteForce, CountsEveryOutcomeAsScoringWould) {
    const OutlookPool pool = MakePool(GetParam().recipe);
    const std::optional<OutlookResult> outlook = ComputeOutlook(pool, OutlookOptions{});
    ASSERT_TRUE(outlook);
    EXPECT_TRUE(outlook->Exact);
    EXPECT_EQ(outlook->MarginPercent, 0);
    ExpectSameOutlook(BruteForceOutlook(pool), *outlook);
    ExpectConsistent(*outlook);
}

constexpr std::array<std::int16_t, 6> kUsualPoints{1, 2, 4, 8, 12, 16};

INSTANTIATE_TEST_SUITE_P(
    RandomPools, AgainstBruteForce,
    ::testing::Values(
        NamedPool{"AllPlayed", {.seed = 1, .undecided = 0, .participants = 5}},
        NamedPool{"OneLeft", {.seed = 2, .undecided = 1, .participants = 3}},
        NamedPool{"OneParticipant", {.seed = 3, .undecided = 6, .participants = 1}},
        NamedPool{"FinalFourOn", {.seed = 4, .undecided = 7, .participants = 9, .roundPoints = kUsualPoints}},
        NamedPool{"SweetSixteenOn", {.seed = 5, .undecided = 15, .participants = 10}},
        NamedPool{"ManyParticipants", {.seed = 12, .undecided = 15, .participants = 40, .roundPoints = kUsualPoints, .copies = false}},
        NamedPool{"ManyTies", {.seed = 6, .undecided = 12, .participants = 12, .roundPoints = kFlatPoints}},
        NamedPool{"NoPoints", {.seed = 7, .undecided = 5, .participants = 4, .roundPoints = {0, 0, 0, 0, 0, 0}}},
        NamedPool{"LaterResultsStand", {.seed = 8, .undecided = 13, .participants = 8, .scattered = true}},
        // Every game worth as much, so that who loses to a result entered above decides places.
        NamedPool{"LaterResultsDecide",
                  {.seed = 17, .undecided = 14, .participants = 8, .scattered = true, .roundPoints = kFlatPoints}},
        NamedPool{"DamagedPicks", {.seed = 9, .undecided = 11, .participants = 9, .damaged = true}},
        NamedPool{"ResultNoTeamCanReach",
                  {.seed = 10, .undecided = 14, .participants = 7, .scattered = true, .damaged = true}},
        NamedPool{"TotalsAtTheLimit", {.seed = 11, .undecided = 8, .participants = 5, .roundPoints = kHugePoints}}),
    PoolName);

// Games 29 and 30 open, 31 entered: its seed-11 winner came through 30 and beat whoever won 29,
// a seed 8 or a seed 12. The result entered there weighs the two ways 29 can go (without it, 8
// beats 12 with 65.73%), in the count and in the estimate alike.
TEST(Outlook, SeededChanceWeighsTheResultsEnteredAboveOpenGames) {
    OutlookPool pool = MakePool({.seed = 16, .undecided = 0, .participants = 0});
    for (const auto& [position, team] : {std::pair{18, 3}, {25, 3}, {19, 6}, {26, 6}, {21, 10}, {27, 10}, {31, 10}})
        pool.Results[position] = pool.Results[team];
    pool.Results[29].clear();
    pool.Results[30].clear();
    for (const int winnerAt29 : {3, 6}) {
        OutlookEntrant entrant{.FileName = "E" + std::to_string(winnerAt29) + ".BKS", .PlayerName = "E", .Picks = pool.Results};
        entrant.Picks[29] = pool.Results[winnerAt29];
        entrant.Picks[30] = pool.Results[10];
        pool.Entrants.push_back(entrant);
    }
    for (const OutlookOptions& options : {OutlookOptions{}, OutlookOptions{.ExactLimit = 0, .Simulations = 400'000}}) {
        const std::optional<OutlookResult> outlook = ComputeOutlook(pool, options);
        ASSERT_TRUE(outlook);
        const double margin = outlook->Exact ? 0.005 : outlook->MarginPercent;
        EXPECT_NEAR(outlook->Rows[0].ChanceSeeded, 57.43, margin);
        EXPECT_NEAR(outlook->Rows[1].ChanceSeeded, 42.57, margin);
    }
}

TEST(Outlook, NoEntrantsGiveNoRows) {
    OutlookPool pool = MakePool({.seed = 12, .undecided = 5, .participants = 0});
    const std::optional<OutlookResult> outlook = ComputeOutlook(pool, OutlookOptions{});
    ASSERT_TRUE(outlook);
    EXPECT_TRUE(outlook->Rows.empty());
    EXPECT_EQ(outlook->UndecidedGames, 5);
}

TEST(Outlook, EstimateAgreesWithTheExactCountWithinItsMargin) {
    const OutlookPool pool = MakePool({.seed = 13, .undecided = 20, .participants = 30});
    const std::optional<OutlookResult> exact = ComputeOutlook(pool, OutlookOptions{});
    const std::optional<OutlookResult> estimate =
        ComputeOutlook(pool, OutlookOptions{.ExactLimit = 19, .Simulations = 200'000, .RandomSeed = 7});
    ASSERT_TRUE(exact && estimate);
    ASSERT_TRUE(exact->Exact);
    ASSERT_FALSE(estimate->Exact);
    EXPECT_EQ(estimate->Outcomes, 200'000u);
    EXPECT_GT(estimate->MarginPercent, 0);
    ExpectConsistent(*estimate);
    for (std::size_t i = 0; i < exact->Rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const OutlookRow& e = exact->Rows[i];
        const OutlookRow& s = estimate->Rows[i];
        EXPECT_NEAR(e.ChanceEven, s.ChanceEven, estimate->MarginPercent);
        EXPECT_NEAR(e.ChanceSeeded, s.ChanceSeeded, estimate->MarginPercent);
        // Sampled outcomes are among the outcomes: the places seen lie within the exact ones.
        EXPECT_GE(s.BestPlace, e.BestPlace);
        EXPECT_LE(s.WorstPlace, e.WorstPlace);
        EXPECT_EQ(s.Score, e.Score);
    }
    const std::optional<OutlookResult> again =
        ComputeOutlook(pool, OutlookOptions{.ExactLimit = 19, .Simulations = 200'000, .RandomSeed = 7});
    ASSERT_TRUE(again);
    for (std::size_t i = 0; i < exact->Rows.size(); ++i) EXPECT_EQ(again->Rows[i].ChanceSeeded, estimate->Rows[i].ChanceSeeded);
}

// Identical selections tie in every outcome: each shares exactly a third of them, to the last
// printed decimal however many outcomes are added up.
TEST(Outlook, SharedFirstPlacesAreExact) {
    for (const int undecided : {19, 20}) {
        OutlookPool pool = MakePool({.seed = 15, .undecided = undecided, .participants = 4, .copies = false});
        pool.Entrants[1].Picks = pool.Entrants[2].Picks = pool.Entrants[3].Picks = pool.Entrants[0].Picks;
        const std::optional<OutlookResult> outlook = ComputeOutlook(pool, OutlookOptions{});
        ASSERT_TRUE(outlook);
        const std::uint64_t outcomes = std::uint64_t{1} << undecided;
        const std::string quarter = std::to_string(outcomes / 4) + ".000000";
        for (const OutlookRow& row : outlook->Rows) EXPECT_EQ(FixedDecimals(row.FirstShared, kSharedDecimals), quarter);

        pool.Entrants.pop_back();
        const std::optional<OutlookResult> three = ComputeOutlook(pool, OutlookOptions{});
        ASSERT_TRUE(three);
        const std::string third = std::to_string(outcomes / 3) + (outcomes % 3 == 1 ? ".333333" : ".666667");
        for (const OutlookRow& row : three->Rows) EXPECT_EQ(FixedDecimals(row.FirstShared, kSharedDecimals), third);
    }
}

TEST(Outlook, CancelStopsPromptly) {
    const OutlookPool pool = MakePool({.seed = 14, .undecided = 31, .participants = 100});
    for (const OutlookOptions& options : {OutlookOptions{}, OutlookOptions{.ExactLimit = 0, .Simulations = 1'000'000'000}}) {
        std::atomic<int> calls{0}, inside{0};
        bool overlapped = false;
        // Timed from the refusal: the set-up before the first call is not the cancel's.
        std::chrono::steady_clock::time_point cancelled;
        const std::optional<OutlookResult> outlook = ComputeOutlook(pool, options, [&](std::uint64_t done, std::uint64_t total) {
            overlapped |= inside++ != 0;
            EXPECT_LE(done, total);
            --inside;
            if (++calls < 3) return true;
            cancelled = std::chrono::steady_clock::now();
            return false;
        });
        EXPECT_FALSE(outlook);
        EXPECT_FALSE(overlapped);
        EXPECT_EQ(calls, 3);
        EXPECT_LT(std::chrono::steady_clock::now() - cancelled, std::chrono::seconds(1));
    }
}

}  // namespace
}  // namespace brackwell::testing
