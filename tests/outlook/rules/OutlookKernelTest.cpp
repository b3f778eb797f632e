#include "outlook/rules/OutlookKernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace brackwell {
namespace {

using Row = std::vector<std::int16_t>;

// Both builds of every kernel against the plain loop it stands for, on rows of three lane blocks
// with many ties (totals from a narrow range) and a padding lane at the end.
TEST(OutlookKernel, EachBuildAgreesWithThePlainLoop) {
    constexpr int kLanes = 48, kRows = 5;
    std::mt19937 random(7);
    const auto total = [&] { return static_cast<std::int16_t>(static_cast<int>(random() % 9) - 4); };
    for (const OutlookKernel* kernel : {&PortableKernel(), &FastestKernel()}) {
        SCOPED_TRACE(kernel->Name);
        for (int trial = 0; trial < 200; ++trial) {
            Row rows(kLanes * kRows), gain(kLanes);
            std::generate(rows.begin(), rows.end(), total);
            std::generate(gain.begin(), gain.end(), total);
            for (int r = 0; r < kRows; ++r) rows[r * kLanes + kLanes - 1] = kPaddingTotal;
            const std::int16_t* row = rows.data();
            const std::int16_t value = total();

            Row sums(rows.size());
            kernel->AddRows(sums.data(), row, kRows, gain.data(), kLanes);
            for (std::size_t k = 0; k < rows.size(); ++k)
                ASSERT_EQ(sums[k], static_cast<std::int16_t>(rows[k] + gain[k % kLanes])) << k;
            Row added(kLanes);
            const int counted = kernel->AddCountAbove(added.data(), row, gain.data(), kLanes, value);
            EXPECT_EQ(counted, std::count_if(added.begin(), added.end(), [&](std::int16_t x) { return x > value; }));
            EXPECT_TRUE(std::equal(added.begin(), added.end(), sums.begin()));

            const std::int16_t top = *std::max_element(row, row + kLanes);
            int tied = 0;
            EXPECT_EQ(kernel->Top(row, kLanes, tied), top);
            EXPECT_EQ(tied, std::count(row, row + kLanes, top));
            EXPECT_EQ(kernel->Find(row, kLanes, top), std::find(row, row + kLanes, top) - row);
            EXPECT_EQ(kernel->CountAbove(row, kLanes, value), std::count_if(row, row + kLanes, [&](std::int16_t x) { return x > value; }));
            std::int16_t below = kPaddingTotal;
            for (int i = 0; i < kLanes; ++i)
                if (row[i] < value) below = std::max(below, row[i]);
            EXPECT_EQ(kernel->TopBelow(row, kLanes, value, tied), below);
            EXPECT_EQ(tied, below == kPaddingTotal ? 0 : std::count(row, row + kLanes, below));

            Row low(kLanes), high(kLanes);
            kernel->Bounds(row, kRows, kLanes, low.data(), high.data());
            for (int i = 0; i < kLanes; ++i) {
                std::int16_t lo = row[i], hi = row[i];
                for (int r = 1; r < kRows; ++r) lo = std::min(lo, row[r * kLanes + i]), hi = std::max(hi, row[r * kLanes + i]);
                EXPECT_EQ(low[i], lo);
                EXPECT_EQ(high[i], hi);
            }
            std::vector<int> outside(kLanes), expected;
            for (int i = 0; i < kLanes; ++i)
                if (row[i] > gain[i] || row[i] < value) expected.push_back(i);
            const Row floor(kLanes, value);
            outside.resize(kernel->Outside(row, gain.data(), floor.data(), kLanes, outside.data()));
            EXPECT_EQ(outside, expected);
        }
    }
}

// Columns of lanes from three lane blocks, of 16 rows and of fewer (the last one repeated).
TEST(OutlookKernel, ColumnsAreTheLanesOfEachRow) {
    constexpr int kLanes = 48;
    Row rows(kLanes * 16);
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = static_cast<std::int16_t>(k);
    const std::vector<int> wanted = {0, 3, 5, 15, 16, 40, 46};
    const int n = static_cast<int>(wanted.size());
    for (const OutlookKernel* kernel : {&PortableKernel(), &FastestKernel()})
        for (const int count : {16, 7, 1}) {
            Row columns(16 * wanted.size());
            kernel->Columns(rows.data(), count, kLanes, wanted.data(), n, columns.data());
            for (int k = 0; k < n; ++k)
                for (int r = 0; r < 16; ++r)
                    ASSERT_EQ(columns[16 * k + r], rows[std::min(r, count - 1) * kLanes + wanted[k]])
                        << kernel->Name << " count " << count << " column " << k << " row " << r;
        }
}

// The ranks of 16 rows by their highest totals, for every number of places the switch of the
// kernel tells apart, against counting every pair: ties are frequent with totals from a narrow range.
TEST(OutlookKernel, TopRanksAgreeWithCountingEveryPair) {
    std::mt19937 random(11);
    for (const OutlookKernel* kernel : {&PortableKernel(), &FastestKernel()}) {
        SCOPED_TRACE(kernel->Name);
        for (const int n : {1, 2, 5, 16, 23})
            for (int levels = 1; levels <= 8; ++levels) {
                Row columns(16 * n);
                for (auto& total : columns) total = static_cast<std::int16_t>(random() % 6);
                Row above(columns.size()), tied(columns.size());
                std::vector<std::uint16_t> among(n);
                kernel->TopRanks(columns.data(), n, levels, above.data(), tied.data(), among.data());
                for (int k = 0; k < n; ++k)
                    for (int r = 0; r < 16; ++r) {
                        int a = 0, t = 0;
                        for (int j = 0; j < n; ++j) a += columns[16 * j + r] > columns[16 * k + r], t += columns[16 * j + r] == columns[16 * k + r];
                        const bool ranked = a < levels;
                        SCOPED_TRACE(testing::Message() << "n " << n << " levels " << levels << " k " << k << " r " << r);
                        EXPECT_EQ(above[16 * k + r], ranked ? a : levels);
                        EXPECT_EQ(tied[16 * k + r], ranked ? t : 0);
                        EXPECT_EQ((among[k] >> r) & 1, ranked ? 1 : 0);
                    }
            }
    }
}

}  // namespace
}  // namespace brackwell
