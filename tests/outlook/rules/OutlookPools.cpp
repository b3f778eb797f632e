#include "tests/outlook/rules/OutlookPools.h"

#include <algorithm>

#include "core/Numeric.h"
#include "tests/support/SampleBrackets.h"

namespace brackwell::testing {

namespace {

std::array<int, kPositionCount + 1> SlotSeeds(const StartLinesArray& start) {
    std::array<int, kPositionCount + 1> seeds{};
    for (int p = 1; p <= kPositionCount; ++p)
        if (IsStartingSlot(p)) seeds[p] = static_cast<int>(NumericValue(start[SeedLine(p)]));
    return seeds;
}

// Every game of `lines` from round 1 up decided by `upperWins(upperSeed, lowerSeed)`.
template <typename Choose>
void PlayOut(SelLinesArray& lines, const std::array<int, kPositionCount + 1>& slotSeeds, Choose upperWins) {
    std::array<int, kPositionCount + 1> seed = slotSeeds;
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p)) continue;
        const auto [upper, lower] = FeedingPositions(p);
        const bool up = upperWins(seed[upper], seed[lower]);
        lines[p] = lines[up ? upper : lower];
        seed[p] = seed[up ? upper : lower];
    }
}

}  // namespace

bool UpperPicked(std::mt19937_64& random, int upperSeed, int lowerSeed) {
    const double upperChance = upperSeed < lowerSeed ? 0.75 : upperSeed > lowerSeed ? 0.25 : 0.5;
    return std::bernoulli_distribution(upperChance)(random);
}

OutlookPool MakePool(const PoolRecipe& recipe) {
    std::mt19937_64 random(recipe.seed);
    const StartLinesArray& start = recipe.start;
    OutlookPool pool;
    pool.Seeds = SlotSeeds(start);
    pool.Points = PointsPerPosition(recipe.roundPoints);

    pool.Results = FieldOnly(start);
    PlayOut(pool.Results, pool.Seeds, [&](int up, int down) { return UpperPicked(random, up, down); });
    // The games in the order they are played, the latest first: the final, the semi-finals, ...
    std::vector<int> games;
    for (int round = 6; round >= 1; --round)
        for (int p = kPositionCount; p >= 1; --p)
            if (RoundOfPosition(p) == round) games.push_back(p);
    if (recipe.scattered) std::shuffle(games.begin(), games.end(), random);
    if (recipe.cleared.empty())
        for (int g = 0; g < recipe.undecided; ++g) pool.Results[games[g]].clear();
    for (int p : recipe.cleared) pool.Results[p].clear();
    if (recipe.damaged) {
        // A result above a cleared game that no team below can have reached.
        for (int p : games)
            if (!pool.Results[p].empty() && pool.Results[FeedingPositions(p).first].empty()) {
                pool.Results[p] = "Nobody";
                break;
            }
    }

    for (int i = 0; i < recipe.participants; ++i) {
        OutlookEntrant entrant;
        entrant.FileName = "P" + std::to_string(i) + ".BKS";
        entrant.PlayerName = "Player " + std::to_string(i) + ", P" + std::to_string(i);
        if (recipe.copies && i >= 2 && i % 4 == 0) {
            entrant.Picks = pool.Entrants[i - 1].Picks;  // the same bracket twice
        } else if (recipe.copies && i >= 2 && i % 4 == 1) {
            entrant.Picks = pool.Entrants[i - 2].Picks;  // one game picked the other way
            const int p = GamePosition(std::uniform_int_distribution<int>(0, kGameCount - 1)(random));
            const auto [upper, lower] = FeedingPositions(p);
            entrant.Picks[p] = entrant.Picks[p] == entrant.Picks[upper] ? entrant.Picks[lower] : entrant.Picks[upper];
        } else {
            entrant.Picks = FieldOnly(start);
            PlayOut(entrant.Picks, pool.Seeds, [&](int up, int down) {
                return recipe.coinPicks ? std::bernoulli_distribution(0.5)(random) : UpperPicked(random, up, down);
            });
        }
        if (recipe.damaged && i % 3 == 2) {
            std::uniform_int_distribution<int> position(17, kPositionCount);
            entrant.Picks[position(random)].clear();
            std::string& lowered = entrant.Picks[position(random)];
            std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) { return c | 0x20; });
            entrant.Picks[position(random)] = "Texas A&M";
        }
        pool.Entrants.push_back(std::move(entrant));
    }
    return pool;
}

}  // namespace brackwell::testing
