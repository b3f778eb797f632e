#include <gtest/gtest.h>

#include "outlook/rules/OutlookExplanation.h"
#include "outlook/rules/OutlookPage.h"
#include "outlook/rules/OutlookPool.h"

namespace brackwell {
namespace {

// With no game or one game left, the sentence says so instead of "all 1 ways the 0 games".
TEST(OutlookExplanation, SaysHowManyGamesAreLeftInWords) {
    const struct {
        int games;
        std::uint64_t outcomes;
        const char* window;
        const char* page;
    } cases[] = {
        {0, 1, "Every game has been played: the places are final. ", "Every game has been played: the places are final."},
        {1, 2, "Counted exactly: both ways the last remaining game can go. ",
         "Both ways the last open game can go are counted."},
        {3, 8, "Counted exactly: all 8 ways the 3 remaining games can go. ",
         "Every one of the 8 ways the open games can go is counted."},
    };
    for (const auto& c : cases) {
        OutlookResult result;
        result.Exact = true;
        result.UndecidedGames = c.games;
        result.Outcomes = c.outcomes;
        EXPECT_EQ(OutlookExplanation(result).rfind(c.window, 0), 0u) << c.games;
        EXPECT_NE(OutlookPage(OutlookPool{}, result, {}).find(c.page), std::string::npos) << c.games;
    }
}

}  // namespace
}  // namespace brackwell
