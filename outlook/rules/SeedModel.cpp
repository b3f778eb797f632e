#include "outlook/rules/SeedModel.h"

#include <cmath>

namespace brackwell {

double SeedWinChance(int seed, int opponentSeed) {
    if (seed <= 0 || opponentSeed <= 0) return 0.5;
    return 1.0 / (1.0 + std::exp(-kSeedModelSlope * (opponentSeed - seed)));
}

const SeedChances& SeedChances::Shared() {
    static const SeedChances table;
    return table;
}

SeedChances::SeedChances() {
    for (int a = 0; a < kSeeds; ++a)
        for (int b = 0; b < kSeeds; ++b) table_[a][b] = SeedWinChance(a, b);
}

}  // namespace brackwell
