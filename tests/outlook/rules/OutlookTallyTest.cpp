#include "outlook/rules/OutlookTally.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace brackwell::testing {
namespace {

// Blocks of random totals told to one tally a block at a time and to another one row at a time:
// the same places seen after every block. The first blocks have every place in question, the
// later ones few, so both ways of finding a block's places are taken; narrow spreads force ties.
TEST(OutlookTally, BlocksSeeThePlacesRowsSee) {
    for (const auto& [participants, spread, count] : {std::tuple{40, 6, 64}, {40, 60, 64}, {7, 3, 16}, {150, 200, 32}}) {
        const int lanes = (participants + 15) / 16 * 16;
        std::mt19937 random(participants * 1000 + spread);
        std::uniform_int_distribution<int> total(0, spread);
        OutlookTally blocks(participants), rows(participants);
        const std::vector<double> weights(count, 1.0);
        for (int b = 0; b < 12; ++b) {
            std::vector<std::int16_t> block(static_cast<std::size_t>(lanes) * count, kPaddingTotal);
            for (int r = 0; r < count; ++r) {
                std::int16_t* row = block.data() + static_cast<std::size_t>(r) * lanes;
                for (int i = 0; i < participants; ++i) row[i] = static_cast<std::int16_t>(total(random));
                rows.Add(row, lanes, 1.0);
            }
            blocks.AddBlock(FastestKernel(), block.data(), weights.data(), count, lanes);
            blocks.SeeBlockPlaces(FastestKernel(), block.data(), count, lanes);
            for (int i = 0; i < participants; ++i) {
                ASSERT_EQ(blocks.BestPlace(i), rows.BestPlace(i)) << participants << " block " << b << " participant " << i;
                ASSERT_EQ(blocks.WorstPlace(i), rows.WorstPlace(i)) << participants << " block " << b << " participant " << i;
            }
        }
    }
}

}  // namespace
}  // namespace brackwell::testing
