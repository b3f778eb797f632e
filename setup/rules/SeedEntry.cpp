#include "setup/rules/SeedEntry.h"

#include <bitset>

#include "core/Numeric.h"
#include "core/TextHelpers.h"

namespace brackwell {

std::optional<SeedTexts> NormalisedSeeds(const SeedTexts& typed) {
    std::array<double, kSeedCount> values{};
    for (int k = 0; k < kSeedCount; ++k) {
        values[k] = NumericValue(typed[k]);
        if (values[k] < 1 || values[k] > 16) return std::nullopt;
    }
    // A seed is the whole number of its value, so "7.6" is seed 8 and cannot sit beside an 8.
    SeedTexts seeds;
    std::bitset<17> used;
    for (int k = 0; k < kSeedCount; ++k) {
        const int seed = static_cast<int>(RoundHalfEven(values[k]));
        if (used[seed]) return std::nullopt;
        used[seed] = true;
        seeds[k] = std::to_string(seed);
    }
    return seeds;
}

std::optional<SeedTexts> CompleteSeedEntry(const SeedTexts& typed, Dialogs& dialogs) {
    std::optional<SeedTexts> seeds = NormalisedSeeds(typed);
    if (!seeds)
        dialogs.Message(std::string("You have entered invalid entries for the SEED postions.") + kCrLf +
                            "Numbers must be between 1 & 16 without duplicating",
                        "SEED Entry ERROR");
    return seeds;
}

}  // namespace brackwell
