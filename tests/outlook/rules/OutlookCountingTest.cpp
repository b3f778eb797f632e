#include "outlook/rules/OutlookCounting.h"

#include <gtest/gtest.h>

#include "outlook/rules/OutlookTable.h"

#include "tests/outlook/rules/OutlookPools.h"

namespace brackwell::testing {
namespace {

void ExpectSameTally(const OutlookTally& a, const OutlookTally& b, int participants) {
    EXPECT_EQ(a.Outcomes(), b.Outcomes());
    EXPECT_EQ(a.Weight(), b.Weight());
    for (int i = 0; i < participants; ++i) {
        EXPECT_EQ(a.FirstOutright(i), b.FirstOutright(i));
        EXPECT_EQ(a.FirstShared(i), b.FirstShared(i));
        EXPECT_EQ(a.SeededShared(i), b.SeededShared(i));
        EXPECT_EQ(a.BestPlace(i), b.BestPlace(i));
        EXPECT_EQ(a.WorstPlace(i), b.WorstPlace(i));
    }
}

// The same numbers, to the last bit, from the fallback kernel on one thread as from the
// fastest kernel on several: each piece of work is summed on its own and merged in order.
TEST(OutlookCounting, SameTalliesWhateverKernelAndThreads) {
    const OutlookPool pool = MakePool({.seed = 21, .undecided = 16, .participants = 37, .scattered = true});
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    const OutlookPoints points(pool, field);
    OutlookWork one(0, {}, 1), three(0, {}, 3);
    const auto portable = CountOutcomes(field, points, PortableKernel(), one);
    const auto fastest = CountOutcomes(field, points, FastestKernel(), three);
    ASSERT_TRUE(portable && fastest);
    ExpectSameTally(*portable, *fastest, 37);

    const auto simulatedPortable = SimulateTournaments(field, points, PortableKernel(), 50'000, 3, one);
    const auto simulatedFastest = SimulateTournaments(field, points, FastestKernel(), 50'000, 3, three);
    ASSERT_TRUE(simulatedPortable && simulatedFastest);
    ExpectSameTally(simulatedPortable->Even, simulatedFastest->Even, 37);
    ExpectSameTally(simulatedPortable->Seeded, simulatedFastest->Seeded, 37);
}

// Millions of ties for first, three and seven ways, still share exactly: added up one by one in
// doubles they would drift into the printed decimals.
TEST(OutlookCounting, SharedFirstPlacesDoNotDrift) {
    constexpr int kRows = 1024, kBlocks = 8192;
    std::vector<std::int16_t> rows(static_cast<std::size_t>(kRows) * OutlookPoints::kLaneBlock, kPaddingTotal);
    for (int r = 0; r < kRows; ++r)
        for (int i = 0; i < 8; ++i) rows[static_cast<std::size_t>(r) * OutlookPoints::kLaneBlock + i] = i < 3 || r % 2 ? 9 : 1;
    const std::vector<double> weights(kRows, 1.0);
    OutlookTally tally(8);
    for (int b = 0; b < kBlocks; ++b) tally.AddBlock(FastestKernel(), rows.data(), weights.data(), kRows, OutlookPoints::kLaneBlock);
    // Half the rows tie three ways, half eight ways; 2^22 of each.
    constexpr std::uint64_t kHalf = std::uint64_t{kRows} * kBlocks / 2;
    static_assert(kHalf == 1 << 22);
    // 4194304/3 + 4194304/8 = 1398101.333333 + 524288 for the three; 524288 for the others.
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(FixedDecimals(tally.FirstShared(i), 6), i < 3 ? "1922389.333333" : "524288.000000") << i;
}

}  // namespace
}  // namespace brackwell::testing
