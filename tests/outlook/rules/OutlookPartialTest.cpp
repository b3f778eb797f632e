#include "outlook/rules/OutlookPartial.h"

#include <gtest/gtest.h>

#include "outlook/rules/OutlookRooting.h"
#include "outlook/rules/OutlookTable.h"
#include "tests/outlook/rules/NamedPool.h"

namespace brackwell::testing {
namespace {

// The slices of a run, each written out and read back as the merge would get it from its file.
std::vector<NamedPartial> Slices(const OutlookPool& pool, const OutlookOptions& options, std::uint64_t parts) {
    std::vector<NamedPartial> slices;
    for (std::uint64_t part = 1; part <= parts; ++part) {
        const std::optional<OutlookPartial> partial = ComputeOutlookPartial(pool, options, {part, parts});
        EXPECT_TRUE(partial);
        if (!partial) return {};
        auto read = ReadOutlookPartial(OutlookPartialText(*partial));
        EXPECT_TRUE(std::holds_alternative<OutlookPartial>(read)) << std::get<std::string>(read);
        slices.push_back({"part" + std::to_string(part), std::get<OutlookPartial>(std::move(read))});
    }
    return slices;
}

struct SlicedPool {
    NamedPool pool;
    OutlookOptions options;
    std::uint64_t parts;
};

void PrintTo(const SlicedPool& sliced, std::ostream* os) { *os << sliced.pool.name; }

class SlicesMerged : public ::testing::TestWithParam<SlicedPool> {};

TEST_P(SlicesMerged, GiveTheTableOfTheWholeRun) {
    const OutlookPool pool = MakePool(GetParam().pool.recipe);
    const OutlookOptions& options = GetParam().options;
    const std::optional<OutlookResult> whole = ComputeOutlook(pool, options);
    ASSERT_TRUE(whole);
    // Given in any order.
    std::vector<NamedPartial> slices = Slices(pool, options, GetParam().parts);
    std::reverse(slices.begin(), slices.end());
    ASSERT_EQ(CheckOutlookPartials(pool, slices), "");
    const OutlookResult merged = MergeOutlookPartials(pool, slices);
    EXPECT_EQ(OutlookTableText(merged), OutlookTableText(*whole));
    EXPECT_EQ(OutlookRootingText(merged.Rooting), OutlookRootingText(whole->Rooting));
    EXPECT_EQ(merged.Rooting.empty(), options.Rooted < 0);
    EXPECT_EQ(merged.Outcomes, whole->Outcomes);
    // To the last bit, not only to the printed decimals.
    for (std::size_t i = 0; i < whole->Rows.size(); ++i) {
        EXPECT_EQ(merged.Rows[i].FirstShared, whole->Rows[i].FirstShared) << i;
        EXPECT_EQ(merged.Rows[i].ChanceSeeded, whole->Rows[i].ChanceSeeded) << i;
        EXPECT_EQ(merged.Rows[i].PrizeSeeded, whole->Rows[i].PrizeSeeded) << i;
    }
}

constexpr OutlookOptions kEstimate{.ExactLimit = 10, .Simulations = 100'000, .RandomSeed = 5};

// A list rather than Values(...): GCC 12 at -O3 takes the recipes' temporaries there for
// uninitialised.
std::vector<SlicedPool> SlicedPools() {
    return {
        SlicedPool{{"SweetSixteenOn", {.seed = 21, .undecided = 15, .participants = 12}}, {}, 4},
        SlicedPool{{"OneSliceIsTheWhole", {.seed = 22, .undecided = 12, .participants = 6}}, {}, 1},
        SlicedPool{{"ManyParticipantsInSeven", {.seed = 23, .undecided = 17, .participants = 40, .copies = false}}, {}, 7},
        SlicedPool{{"MoreSlicesThanPieces", {.seed = 24, .undecided = 4, .participants = 5}}, {}, 40},
        SlicedPool{{"LaterResultsDamagedPicks",
                    {.seed = 25, .undecided = 14, .participants = 9, .scattered = true, .damaged = true}},
                   {},
                   3},
        // Places seen outcome by outcome, not by the search.
        SlicedPool{{"TotalsAtTheLimit", {.seed = 26, .undecided = 9, .participants = 5, .roundPoints = kHugePoints}}, {}, 4},
        SlicedPool{{"Estimate", {.seed = 27, .undecided = 30, .participants = 20}}, kEstimate, 5},
        SlicedPool{{"NoEntrants", {.seed = 28, .undecided = 8, .participants = 0}}, {}, 2},
        SlicedPool{{"Prizes", {.seed = 29, .undecided = 14, .participants = 15}}, {.Payout = {50, 30, 20}}, 3},
        SlicedPool{{"PrizesEstimated", {.seed = 30, .undecided = 25, .participants = 12}},
                   {.ExactLimit = 10, .Simulations = 50'000, .RandomSeed = 5, .Payout = {0.5, 0.25, 0.125}},
                   4},
        SlicedPool{{"RootedWithPrizes", {.seed = 31, .undecided = 14, .participants = 15}},
                   {.Payout = {50, 30, 20}, .Rooted = 3},
                   3},
        SlicedPool{{"RootedEstimated", {.seed = 32, .undecided = 25, .participants = 12}},
                   {.ExactLimit = 10, .Simulations = 50'000, .RandomSeed = 5, .Rooted = 0},
                   4}};
}

INSTANTIATE_TEST_SUITE_P(RandomPools, SlicesMerged, ::testing::ValuesIn(SlicedPools()),
                         [](const ::testing::TestParamInfo<SlicedPool>& info) { return std::string(info.param.pool.name); });

TEST(OutlookPartial, SlicesThatDoNotMakeOneRunAreRefused) {
    const OutlookPool pool = MakePool({.seed = 31, .undecided = 12, .participants = 6});
    const std::vector<NamedPartial> slices = Slices(pool, {}, 3);
    OutlookPool otherPool = pool;
    otherPool.Entrants[2].Picks[100] = "Nobody";
    ASSERT_NE(OutlookPoolFingerprint(otherPool), OutlookPoolFingerprint(pool));
    const std::vector<NamedPartial> otherSeed = Slices(pool, {.RandomSeed = 9}, 3);
    const std::vector<NamedPartial> inFour = Slices(pool, {}, 4);
    const std::vector<NamedPartial> otherPayout = Slices(pool, {.Payout = {1}}, 3);
    const std::vector<NamedPartial> otherRooted = Slices(pool, {.Rooted = 2}, 3);
    NamedPartial extraPiece = slices[1];
    extraPiece.Partial.Counted.push_back(slices[0].Partial.Counted[0]);
    NamedPartial placesLeftOut = slices[2];
    ASSERT_FALSE(placesLeftOut.Partial.Places.empty());
    placesLeftOut.Partial.Places.pop_back();
    NamedPartial placesOfAnother = slices[1];
    placesOfAnother.Partial.Places = slices[0].Partial.Places;
    const struct {
        const char* name;
        const OutlookPool& pool;
        std::vector<NamedPartial> partials;
        std::string says;
    } cases[] = {
        {"missing", pool, {slices[0], slices[2]}, "slice 2/3 is missing"},
        {"two missing", pool, {slices[1]}, "slices 1/3, 3/3 are missing"},
        {"twice", pool, {slices[0], slices[1], slices[2], slices[1]}, "slice 2/3 is given twice: part2 and part2"},
        {"another pool", otherPool, slices, "part1: counted for another pool"},
        {"other options", pool, {slices[0], otherSeed[1], slices[2]}, "part2: counted with other options than part1"},
        {"other payout", pool, {slices[0], otherPayout[1], slices[2]}, "part2: counted with other options than part1"},
        {"rooted", pool, {slices[0], otherRooted[1], slices[2]}, "part2: counted with other options than part1"},
        {"another split", pool, {slices[0], slices[1], inFour[2]}, "part3: slice 3/4 of a count split otherwise than part1"},
        {"pieces of another slice", pool, {slices[0], extraPiece, slices[2]}, "part2: holds other pieces than slice 2/3"},
        {"places left out", pool, {slices[0], slices[1], placesLeftOut}, "part3: holds the places of other participants than slice 3/3"},
        {"places of another slice", pool, {slices[0], placesOfAnother, slices[2]}, "part2: holds the places of other"},
        {"none", pool, {}, "no partial outlooks to merge"},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckOutlookPartials(c.pool, c.partials).rfind(c.says, 0), 0u) << c.name;
}

TEST(OutlookPartial, ADamagedTextIsRefused) {
    const OutlookPool pool = MakePool({.seed = 32, .undecided = 10, .participants = 4});
    const std::optional<OutlookPartial> partial = ComputeOutlookPartial(pool, {}, {2, 3});
    ASSERT_TRUE(partial);
    const std::string text = OutlookPartialText(*partial);
    ASSERT_EQ(text.rfind("brackwell outlook partial 1\npool ", 0), 0u);
    std::string flipped = text;
    flipped[text.size() / 2] ^= 1;
    std::string tieOfNone = text;
    tieOfNone.replace(tieOfNone.find("\ntally "), 1, "\npiece x\n");
    const struct {
        const char* name;
        std::string text;
        std::string says;
    } cases[] = {
        {"empty", "", "not a partial outlook"},
        {"a table", "FileName\tPlayerName\n", "not a partial outlook"},
        {"a later version", "brackwell outlook partial 2" + text.substr(text.find('\n')), "not a partial outlook"},
        {"a byte changed", flipped, "damaged at line"},
        {"cut short", text.substr(0, text.size() * 2 / 3), "damaged at line"},
        {"without its last line", text.substr(0, text.rfind("end ")), "it ends before its last line"},
        {"more after it", text + "piece 9\n", "there is more after its last line"},
        {"line ends of another system", [&] {
             std::string crlf;
             for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return crlf;
         }(), "its lines end in CR LF"},
        {"a stray line", tieOfNone, "damaged at line"},
    };
    for (const auto& c : cases) {
        const auto read = ReadOutlookPartial(c.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.name;
        EXPECT_NE(std::get<std::string>(read).find(c.says), std::string::npos) << c.name << ": " << std::get<std::string>(read);
    }
}

}  // namespace
}  // namespace brackwell::testing
