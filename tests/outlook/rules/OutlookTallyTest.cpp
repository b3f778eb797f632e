#include "outlook/rules/OutlookTally.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace brackwell::testing {
namespace {

// Blocks of random totals told to one tally a block at a time and to another one row at a time:
// the same first places and the same places seen after every block. The first blocks have every
// place in question, the later ones few, so both ways of finding a block's places are taken;
// narrow spreads force ties.
TEST(OutlookTally, BlocksSeeWhatRowsSee) {
    struct Case {
        int participants;
        int spread;
        int blockRows;
    };
    for (const Case c : {Case{40, 6, 64}, Case{40, 60, 64}, Case{7, 3, 16}, Case{150, 200, 32}}) {
        SCOPED_TRACE(c.participants);
        const int lanes = (c.participants + 15) / 16 * 16;
        std::mt19937 random(c.participants * 1000 + c.spread);
        std::uniform_int_distribution<int> total(0, c.spread);
        OutlookTally blocks(c.participants);
        OutlookTally rows(c.participants);
        const OutlookKernel& kernel = FastestKernel();
        for (int b = 0; b < 12; ++b) {
            std::vector<std::int16_t> block(static_cast<std::size_t>(lanes) * c.blockRows, kPaddingTotal);
            std::vector<double> weights(c.blockRows);
            for (int r = 0; r < c.blockRows; ++r) {
                // Some blocks have one participant well ahead, as the block count takes whole.
                const int lead = b % 4 == 3 ? 3 * c.spread : 0;
                for (int i = 0; i < c.participants; ++i)
                    block[static_cast<std::size_t>(r) * lanes + i] = static_cast<std::int16_t>(total(random) + (i == 0 ? lead : 0));
                weights[r] = 1.0 / (r + 1);
                rows.Add(block.data() + static_cast<std::size_t>(r) * lanes, weights[r]);
            }
            blocks.AddBlock(kernel, block.data(), weights.data(), c.blockRows, lanes);
            blocks.SeeBlockPlaces(kernel, block.data(), c.blockRows, lanes);
            for (int i = 0; i < c.participants; ++i) {
                ASSERT_EQ(blocks.BestPlace(i), rows.BestPlace(i)) << "block " << b << " participant " << i;
                ASSERT_EQ(blocks.WorstPlace(i), rows.WorstPlace(i)) << "block " << b << " participant " << i;
                ASSERT_EQ(blocks.FirstOutright(i), rows.FirstOutright(i));
                ASSERT_EQ(blocks.FirstShared(i), rows.FirstShared(i));
                ASSERT_NEAR(blocks.SeededShared(i), rows.SeededShared(i), 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace brackwell::testing
