#pragma once
// Pools for the outlook's tests: a field played out at random, some games cleared again, and
// participants who mostly pick the better seed, with duplicates, near duplicates and damage.

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "outlook/rules/Outlook.h"

namespace brackwell::testing {

struct PoolRecipe {
    std::uint64_t seed = 1;
    int undecided = 10;     // games cleared, the latest first
    int participants = 8;
    bool scattered = false;  // clear games anywhere, leaving later results standing above them
    bool damaged = false;    // blank, mis-cased and foreign picks; a later result naming no team
    std::array<std::int16_t, 6> roundPoints{1, 2, 4, 8, 16, 32};
    bool copies = true;      // a quarter of the brackets copies, a quarter copies but for one game
    StartLinesArray start = DefaultStartLines();
    bool coinPicks = false;  // every pick a coin toss, not mostly the better seed
    std::vector<int> cleared{};  // when given, these positions are cleared, not `undecided` games
};

OutlookPool MakePool(const PoolRecipe& recipe);

// Every game worth as much, so that ties are many and who loses to a later result decides places.
inline constexpr std::array<std::int16_t, 6> kFlatPoints{1, 1, 1, 1, 1, 1};
// Large enough that totals stop at the 16-bit limit part way, as scoring's do.
inline constexpr std::array<std::int16_t, 6> kHugePoints{-3, 5000, 9000, 20000, 30000, 32767};

// A pick favouring the better seed, as the participants of a real pool mostly do.
bool UpperPicked(std::mt19937_64& random, int upperSeed, int lowerSeed);

}  // namespace brackwell::testing
