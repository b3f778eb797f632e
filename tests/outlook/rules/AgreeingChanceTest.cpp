#include "outlook/rules/AgreeingChance.h"

#include <gtest/gtest.h>

#include "tests/outlook/rules/NamedPool.h"

namespace brackwell::testing {
namespace {

// The teams at every position when each open game, from the first round up, goes to its upper
// feeder's team or, where the outcome's bit is set, its lower one's.
PositionTeams Play(const OutlookField& field, std::uint64_t outcome) {
    PositionTeams teams = field.Team;
    for (std::size_t g = 0; g < field.OpenGames.size(); ++g) {
        const auto [upper, lower] = FeedingPositions(field.OpenGames[g]);
        teams[field.OpenGames[g]] = teams[(outcome >> g) & 1 ? lower : upper];
    }
    return teams;
}

double Chance(const OutlookField& field, const PositionTeams& teams) {
    double chance = 1.0;
    for (int game : field.UndecidedGames) chance *= WinnerChance(field, teams, game);
    for (int game : field.EnteredAbove) chance *= WinnerChance(field, teams, game);
    return chance;
}

class AgreeingChanceOf : public ::testing::TestWithParam<NamedPool> {};

// Winners taken from one outcome at some of the open games; every outcome that has them adds
// its chance.
TEST_P(AgreeingChanceOf, IsTheSumOfTheChancesOfTheOutcomesThatAgree) {
    const OutlookPool pool = MakePool(GetParam().recipe);
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    const std::uint64_t outcomes = std::uint64_t{1} << field.OpenGames.size();
    std::mt19937_64 random(GetParam().recipe.seed);
    for (int trial = 0; trial < 20; ++trial) {
        const PositionTeams played = Play(field, random() % outcomes);
        PositionTeams winners = field.Team;
        for (int game : field.OpenGames)
            if (random() % 3 == 0) winners[game] = played[game];
        double expected = 0;
        for (std::uint64_t o = 0; o < outcomes; ++o) {
            const PositionTeams teams = Play(field, o);
            bool agrees = true;
            for (int game : field.OpenGames) agrees = agrees && (winners[game] == 0 || winners[game] == teams[game]);
            if (agrees) expected += Chance(field, teams);
        }
        EXPECT_NEAR(expected, AgreeingChance(field, winners, SeedChances::Shared()), 1e-12 * (1 + expected)) << trial;
    }
}

// Each winner at each open game not chosen, from the one sum down the bracket, as choosing it too
// and summing again gives.
TEST_P(AgreeingChanceOf, WithEachWinnerIsTheSumWithThatWinnerChosen) {
    const OutlookPool pool = MakePool(GetParam().recipe);
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    std::mt19937_64 random(GetParam().recipe.seed + 1);
    for (int trial = 0; trial < 5; ++trial) {
        const PositionTeams played = Play(field, random() % (std::uint64_t{1} << field.OpenGames.size()));
        PositionTeams winners = field.Team;
        for (int game : field.OpenGames)
            if (random() % 4 == 0) winners[game] = played[game];
        AgreeingBracket bracket(field, winners, SeedChances::Shared());
        bracket.WithEachWinner();
        for (int game : field.OpenGames) {
            if (winners[game] != 0) continue;
            for (int team : field.Contenders[game]) {
                PositionTeams chosen = winners;
                chosen[game] = team;
                const double expected = AgreeingChance(field, chosen, SeedChances::Shared());
                EXPECT_NEAR(bracket.WithWinner(game, team), expected, 1e-12 * (1 + expected))
                    << "trial " << trial << " game " << game << " team " << team;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pools, AgreeingChanceOf,
    ::testing::Values(NamedPool{"RoundOf16On", {.seed = 31, .undecided = 12}},
                      NamedPool{"LaterResultsStand", {.seed = 32, .undecided = 14, .scattered = true}},
                      NamedPool{"ResultNoTeamCanReach", {.seed = 33, .undecided = 13, .scattered = true, .damaged = true}}),
    PoolName);

}  // namespace
}  // namespace brackwell::testing
