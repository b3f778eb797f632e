#include "core/TextFit.h"

#include <gtest/gtest.h>

namespace brackwell {
namespace {

// A text 10 points per character wide at 10 points, narrowing with the size.
double WidthOfTwelveCharacters(double points) { return 12 * points; }

TEST(TextFit, TheLargestSizeThatFitsElseTheSmallestCutShort) {
    struct Case {
        double points, smallest, room;
        TextFit expected;
    };
    const Case cases[] = {
        {8, 6, 96, {8, false}},     // fits at its own size, exactly
        {8, 6, 95, {7.5, false}},   // one half point smaller
        {8, 6, 72, {6, false}},     // fits only at the floor: not cut
        {8, 6, 71, {6, true}},      // not even there: the floor, cut short
        {8.25, 6, 90, {7.25, false}},  // steps keep the odd quarter until the floor
        {8, 10, 50, {8, true}},     // a floor above the size is the size itself
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitText(c.points, c.smallest, c.room, WidthOfTwelveCharacters), c.expected)
            << c.points << " in " << c.room;
}

}  // namespace
}  // namespace brackwell
