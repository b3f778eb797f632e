// Prizes, both statuses, the rooting guide, the replay by round and the winning scenario, each
// against every outcome counted the slow way.
#include <gtest/gtest.h>

#include <map>

#include "outlook/rules/OutcomeSearch.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookReplay.h"
#include "outlook/rules/OutlookScenario.h"
#include "tests/outlook/rules/BruteForce.h"
#include "tests/outlook/rules/NamedPool.h"

namespace brackwell::testing {
namespace {

// A first place that pays nothing, shared places, and a list longer than some pools.
const std::vector<std::vector<double>> kPayouts{{50, 30, 20}, {0, 10}, {5, 4, 3, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};

void ExpectSameFirstsAndPrizes(const OutlookResult& expected, const OutlookResult& actual) {
    ASSERT_EQ(expected.Rows.size(), actual.Rows.size());
    for (std::size_t i = 0; i < expected.Rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const OutlookRow& e = expected.Rows[i];
        const OutlookRow& a = actual.Rows[i];
        EXPECT_EQ(e.FirstStatus, a.FirstStatus);
        // With prizes, a block's first places come from the ranking of its paid places.
        EXPECT_NEAR(e.FirstShared, a.FirstShared, 1e-6);
        EXPECT_NEAR(e.ChanceEven, a.ChanceEven, 1e-9);
        EXPECT_NEAR(e.ChanceSeeded, a.ChanceSeeded, 1e-9);
        if (!expected.Prizes) continue;
        EXPECT_NEAR(e.PrizeEven, a.PrizeEven, 1e-9);
        EXPECT_NEAR(e.PrizeSeeded, a.PrizeSeeded, 1e-9);
        EXPECT_EQ(e.PrizeStatus, a.PrizeStatus);
    }
}

// The rows by game and team name (a team of a damaged pool may share its name with another).
std::map<std::pair<int, std::string>, OutlookRootRow> ByResult(const std::vector<OutlookRootRow>& rows) {
    std::map<std::pair<int, std::string>, OutlookRootRow> by;
    for (const OutlookRootRow& row : rows) by[{row.Position, row.Team}] = row;
    return by;
}

class ExtrasAgainstBruteForce : public ::testing::TestWithParam<NamedPool> {};

TEST_P(ExtrasAgainstBruteForce, PrizesStatusesAndRootingAreTheBruteForces) {
    const OutlookPool pool = MakePool(GetParam().recipe);
    for (const std::vector<double>& payout : kPayouts) {
        // The first entrant, and the last (a copy of another in many pools: ties).
        for (const int rooted : {0, static_cast<int>(pool.Entrants.size()) - 1}) {
            SCOPED_TRACE("payout of " + std::to_string(payout.size()) + ", rooted " + std::to_string(rooted));
            OutlookOptions options;
            options.Payout = payout;
            options.Rooted = rooted;
            const std::optional<OutlookResult> outlook = ComputeOutlook(pool, options);
            ASSERT_TRUE(outlook);
            ASSERT_TRUE(outlook->Exact);
            const OutlookResult brute = BruteForceOutlook(pool, options);
            ExpectSameFirstsAndPrizes(brute, *outlook);
            const auto expected = ByResult(brute.Rooting);
            const auto actual = ByResult(outlook->Rooting);
            ASSERT_EQ(expected.size(), actual.size());
            for (const auto& [result, e] : expected) {
                SCOPED_TRACE("game " + std::to_string(result.first) + " won by " + result.second);
                ASSERT_TRUE(actual.count(result));
                const OutlookRootRow& a = actual.at(result);
                EXPECT_EQ(e.Round, a.Round);
                EXPECT_NEAR(e.FirstShared, a.FirstShared, 1e-6);
                EXPECT_NEAR(e.ChanceEven, a.ChanceEven, 1e-9);
                EXPECT_NEAR(e.ChanceSeeded, a.ChanceSeeded, 1e-9);
            }
        }
    }
}

// Estimated, every open game past the exact limit: a status the estimate gives is the true one,
// and on pools this small every first-place status is proven or found.
TEST_P(ExtrasAgainstBruteForce, EstimatedStatusesAreNeverWrong) {
    const OutlookPool pool = MakePool(GetParam().recipe);
    OutlookOptions options{.ExactLimit = 0, .Simulations = 3000};
    options.Payout = kPayouts[0];
    const std::optional<OutlookResult> estimate = ComputeOutlook(pool, options);
    ASSERT_TRUE(estimate);
    const OutlookResult brute = BruteForceOutlook(pool, options);
    for (std::size_t i = 0; i < brute.Rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const OutlookRow& e = brute.Rows[i];
        const OutlookRow& a = estimate->Rows[i];
        if (brute.UndecidedGames > 0) { EXPECT_NE(a.FirstStatus, OutlookStatus::Unknown); }
        if (a.FirstStatus != OutlookStatus::Unknown) { EXPECT_EQ(a.FirstStatus, e.FirstStatus); }
        if (a.PrizeStatus != OutlookStatus::Unknown) { EXPECT_EQ(a.PrizeStatus, e.PrizeStatus); }
    }
}

// The scenario, scored as the standings would: the entrant first, alone where any outcome allows
// it; every blank game decided and nothing entered changed; none exactly when none exists.
TEST_P(ExtrasAgainstBruteForce, EveryScenarioScoresItsEntrantFirst) {
    const OutlookPool pool = MakePool(GetParam().recipe);
    const OutlookResult brute = BruteForceOutlook(pool);
    for (std::size_t i = 0; i < pool.Entrants.size(); ++i) {
        SCOPED_TRACE("entrant " + std::to_string(i));
        const OutlookScenario scenario = FindScenario(pool, static_cast<int>(i));
        ASSERT_EQ(scenario.Found, brute.Rows[i].FirstStatus != OutlookStatus::Out);
        if (!scenario.Found) {
            EXPECT_FALSE(scenario.Reason.empty());
            continue;
        }
        EXPECT_EQ(scenario.Alone, brute.Rows[i].FirstOutright > 0);
        for (int p = 1; p <= kPositionCount; ++p) {
            EXPECT_FALSE(scenario.Results[p].empty()) << p;
            if (!pool.Results[p].empty()) { EXPECT_EQ(scenario.Results[p], pool.Results[p]) << p; }
        }
        const int own = ScoreLines(pool.Entrants[i].Picks, scenario.Results, pool.Points).record.Score;
        for (std::size_t j = 0; j < pool.Entrants.size(); ++j) {
            if (j == i) continue;
            const int other = ScoreLines(pool.Entrants[j].Picks, scenario.Results, pool.Points).record.Score;
            EXPECT_LE(other, own) << j;
            if (scenario.Alone) { EXPECT_LT(other, own) << j; }
        }
    }
}

// A cancel asked for before the scenario search starts gives nothing; a search whose work is
// cancelled stops at once, by bounds or outcome by outcome (points at the 16-bit limit).
TEST(OutlookScenario, ACancelStopsTheSearch) {
    const OutlookPool pool = MakePool({.seed = 34, .undecided = 31, .participants = 40});
    int calls = 0;
    EXPECT_FALSE(FindScenario(pool, 0, [&](std::uint64_t, std::uint64_t) { return ++calls, false; }));
    EXPECT_EQ(calls, 1);
    for (const OutlookPool& searched : {pool, MakePool({.seed = 35, .undecided = 8, .participants = 5, .roundPoints = kHugePoints})}) {
        const OutlookField field = ReadOutlookField(searched.Results, searched.Seeds);
        const OutlookPoints points(searched, field);
        OutlookWork work(0, [](std::uint64_t, std::uint64_t) { return false; });
        ASSERT_FALSE(work.Finish());
        const SearchOutcome search =
            SearchForOutcome(field, OutlookPlan(field), points, FastestKernel(), 0, SearchGoal::FirstTied, 0, &work);
        EXPECT_TRUE(search.cancelled);
        EXPECT_FALSE(search.done);
        EXPECT_FALSE(search.found);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RandomPools, ExtrasAgainstBruteForce,
    ::testing::Values(
        NamedPool{"AllPlayed", {.seed = 21, .undecided = 0, .participants = 5}},
        NamedPool{"FlatPointsTie", {.seed = 22, .undecided = 12, .participants = 12, .roundPoints = kFlatPoints}},
        NamedPool{"FewerThanPaid", {.seed = 23, .undecided = 9, .participants = 2}},
        NamedPool{"EliteEight", {.seed = 24, .undecided = 11, .participants = 20, .copies = false}},
        NamedPool{"LaterResultsDecide",
                  {.seed = 25, .undecided = 12, .participants = 9, .scattered = true, .roundPoints = kFlatPoints}},
        NamedPool{"DamagedPicks", {.seed = 26, .undecided = 10, .participants = 8, .scattered = true, .damaged = true}},
        NamedPool{"TotalsAtTheLimit", {.seed = 27, .undecided = 8, .participants = 5, .roundPoints = kHugePoints}}),
    PoolName);

// Rounds 1 to 4 played and one semi-final: after round 4 and 3 the replay is what counting the
// pool without the later results gives; the last round is the outlook itself.
TEST(OutlookReplay, EachRoundIsThePoolWithoutTheLaterResults) {
    const OutlookPool pool = MakePool({.seed = 28, .undecided = 2, .participants = 7, .roundPoints = kFlatPoints});
    ASSERT_EQ(CompletedRounds(pool), 4);
    const OutlookOptions options{.ExactLimit = 15, .Simulations = 1000};
    const std::optional<OutlookResult> current = ComputeOutlook(pool, options);
    ASSERT_TRUE(current);
    const std::optional<std::vector<OutlookResult>> rounds = ReplayRounds(pool, options, *current);
    ASSERT_TRUE(rounds);
    ASSERT_EQ(rounds->size(), 5u);
    for (const int round : {3, 4}) {
        SCOPED_TRACE("round " + std::to_string(round));
        OutlookPool earlier = pool;
        for (int p = 1; p <= kPositionCount; ++p)
            if (RoundOfPosition(p) > round) earlier.Results[p].clear();
        const OutlookResult brute = BruteForceOutlook(earlier);
        const OutlookResult& replayed = (*rounds)[round];
        EXPECT_EQ(replayed.UndecidedGames, brute.UndecidedGames);
        for (std::size_t i = 0; i < brute.Rows.size(); ++i) EXPECT_NEAR(replayed.Rows[i].ChanceSeeded, brute.Rows[i].ChanceSeeded, 1e-9);
        ExpectSameFirstsAndPrizes(brute, replayed);
    }
    EXPECT_FALSE((*rounds)[0].Exact);
}

// Enough open games for subtrees above the blocks, and more entrants than a lane block: leaders
// settled whole, the rest counted for the places below theirs in fewer lanes or where they are.
TEST(OutlookExtras, PlacesBelowSettledLeadersAreTheBruteForces) {
    const OutlookPool pool = MakePool({.seed = 31, .undecided = 15, .participants = 18, .copies = false});
    OutlookOptions options;
    options.Payout = {50, 30, 20};
    const std::optional<OutlookResult> outlook = ComputeOutlook(pool, options);
    ASSERT_TRUE(outlook && outlook->Exact);
    ExpectSameFirstsAndPrizes(BruteForceOutlook(pool, options), *outlook);
}

// Pools too large for the brute force, where the count settles and narrows whole subtrees: every
// outcome pays the whole payout out, and each game's results split the rooted entrant's firsts.
TEST(OutlookExtras, LargePoolsPayEverythingOutAndSplitEveryFirst) {
    for (const PoolRecipe& recipe : {PoolRecipe{.seed = 31, .undecided = 22, .participants = 60},
                                     PoolRecipe{.seed = 32, .undecided = 20, .participants = 40, .roundPoints = kFlatPoints}}) {
        const OutlookPool pool = MakePool(recipe);
        for (const int rooted : {0, 7}) {
            OutlookOptions options;
            options.Payout = {60, 25, 15};
            options.Rooted = rooted;
            const std::optional<OutlookResult> outlook = ComputeOutlook(pool, options);
            ASSERT_TRUE(outlook && outlook->Exact);
            double even = 0, seeded = 0;
            for (const OutlookRow& row : outlook->Rows) {
                even += row.PrizeEven;
                seeded += row.PrizeSeeded;
                if (row.PrizeStatus == OutlookStatus::Out) {
                    EXPECT_EQ(row.PrizeEven, 0);
                }
            }
            EXPECT_NEAR(even, 100, 1e-9);
            EXPECT_NEAR(seeded, 100, 1e-9);
            std::map<int, double> firsts;
            for (const OutlookRootRow& row : outlook->Rooting) firsts[row.Position] += row.FirstShared;
            EXPECT_EQ(firsts.size(), static_cast<std::size_t>(outlook->UndecidedGames));
            for (const auto& [position, shared] : firsts)
                EXPECT_NEAR(shared, outlook->Rows[rooted].FirstShared, 1e-6) << position;
        }
    }
}

// Past the brute force's reach, where the favourite wins whole subtrees alone: each row of its
// rooting guide is what the plain count gives with that result entered. With 17 open games the
// blocks gather rows above the independent games at the bottom and build those by doubling.
TEST(OutlookExtras, EachRootingRowIsTheCountWithItsResultEntered) {
    for (const PoolRecipe& recipe :
         {PoolRecipe{.seed = 33, .undecided = 20, .participants = 30}, PoolRecipe{.seed = 36, .undecided = 17, .participants = 30}}) {
        const OutlookPool pool = MakePool(recipe);
        const std::optional<OutlookResult> plain = ComputeOutlook(pool, OutlookOptions{});
        ASSERT_TRUE(plain);
        int favourite = 0;
        for (std::size_t i = 0; i < plain->Rows.size(); ++i)
            if (plain->Rows[i].ChanceSeeded > plain->Rows[favourite].ChanceSeeded) favourite = static_cast<int>(i);
        OutlookOptions options;
        options.Rooted = favourite;
        const std::optional<OutlookResult> rooted = ComputeOutlook(pool, options);
        ASSERT_TRUE(rooted);
        int checked = 0;
        for (const OutlookRootRow& row : rooted->Rooting) {
            // The final, decided first, and the rounds of 32 and 16, settled within the subtrees.
            if (row.Round != 6 && row.Round > 3) continue;
            SCOPED_TRACE("game " + std::to_string(row.Position) + " won by " + row.Team);
            OutlookPool entered = pool;
            entered.Results[row.Position] = row.Team;
            const std::optional<OutlookResult> given = ComputeOutlook(entered, OutlookOptions{});
            ASSERT_TRUE(given);
            const OutlookRow& expected = given->Rows[favourite];
            EXPECT_NEAR(row.FirstShared, expected.FirstShared, 1e-6);
            EXPECT_NEAR(row.ChanceEven, expected.ChanceEven, 1e-9);
            EXPECT_NEAR(row.ChanceSeeded, expected.ChanceSeeded, 1e-9);
            ++checked;
        }
        EXPECT_GT(checked, 20);
    }
}

}  // namespace
}  // namespace brackwell::testing
