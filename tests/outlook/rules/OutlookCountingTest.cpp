#include "outlook/rules/OutlookCounting.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brackwell::testing
