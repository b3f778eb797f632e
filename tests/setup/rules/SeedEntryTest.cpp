#include "setup/rules/SeedEntry.h"

#include <gtest/gtest.h>

#include "tests/support/ScriptedDialogs.h"

namespace brackwell {
namespace {

SeedTexts Seeds(std::initializer_list<const char*> texts) {
    SeedTexts seeds;
    int k = 0;
    for (const char* text : texts) seeds[k++] = text;
    return seeds;
}

const SeedTexts kDefaultSeeds =
    Seeds({" 1", "16", " 8", " 9", " 5", "12", " 4", "13", " 6", "11", " 3", "14", " 7", "10", " 2", "15"});

TEST(SeedEntry, AcceptedSeedsAreStoredAsPlainNumbers) {
    EXPECT_EQ(NormalisedSeeds(kDefaultSeeds),
              Seeds({"1", "16", "8", "9", "5", "12", "4", "13", "6", "11", "3", "14", "7", "10", "2", "15"}));
    SeedTexts reverse;
    for (int k = 0; k < 16; ++k) reverse[k] = std::to_string(16 - k);
    EXPECT_EQ(NormalisedSeeds(reverse), reverse);
    SeedTexts padded = reverse;
    padded[9] = "07";
    padded[0] = "16 ";
    EXPECT_EQ((*NormalisedSeeds(padded))[9], "7");
    EXPECT_EQ((*NormalisedSeeds(padded))[0], "16");
}

TEST(SeedEntry, RefusesSeedsOutsideOneToSixteenOrTakenTwice) {
    for (const char* bad : {"0", "17", "", "x", "-1", "0.5", "16.6"}) {
        SeedTexts seeds = kDefaultSeeds;
        seeds[7] = bad;
        EXPECT_FALSE(NormalisedSeeds(seeds)) << '"' << bad << '"';
    }
    SeedTexts twice = kDefaultSeeds;
    twice[15] = "1";
    EXPECT_FALSE(NormalisedSeeds(twice));
    SeedTexts roundsOntoAnother = kDefaultSeeds;
    roundsOntoAnother[0] = "15.6";  // seed 16, already at box 1; seed 1 is then missing
    EXPECT_FALSE(NormalisedSeeds(roundsOntoAnother));
}

TEST(SeedEntry, ARefusalShowsTheOneMessage) {
    testing::ScriptedDialogs dialogs;
    dialogs.AllowMessages();
    SeedTexts seeds = kDefaultSeeds;
    seeds[3] = "";
    EXPECT_FALSE(CompleteSeedEntry(seeds, dialogs));
    EXPECT_TRUE(CompleteSeedEntry(kDefaultSeeds, dialogs));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "SEED Entry ERROR");
    EXPECT_EQ(dialogs.messages()[0].text,
              "You have entered invalid entries for the SEED postions.\r\n"
              "Numbers must be between 1 & 16 without duplicating");
}

}  // namespace
}  // namespace brackwell
