#include <gtest/gtest.h>

#include <set>

#include "core/Model.h"

namespace brackwell {
namespace {

TEST(BracketGeometry, DefaultFieldPutsFirstAndLastTeamsAtTheirPositions) {
    const StartLinesArray lines = DefaultStartLines();
    EXPECT_EQ(lines[StartTeamLine(1)], "TEAM1");
    EXPECT_EQ(lines[StartTeamLine(109)], "TEAM64");
    EXPECT_EQ(lines[StartTeamLine(32)], "TEAM17");
    EXPECT_EQ(lines[kTitleLine], "2002 NCAA Tournament");
    EXPECT_EQ(lines[kFirstRegionNameLine + 3], "West Region");
    EXPECT_EQ(lines[kFirstSeedLine], " 1");
    EXPECT_EQ(lines[kFirstSeedLine + 15], "15");
    EXPECT_EQ(lines[kFinalizedLine], "0");
    EXPECT_EQ(lines[kStartEndLine], "*END*");
    EXPECT_TRUE(lines[95].empty());
}

TEST(BracketGeometry, PositionsFeedTheNextRoundAndTheFinalFour) {
    EXPECT_EQ(FeedingPositions(17), std::make_pair(1, 2));
    EXPECT_EQ(FeedingPositions(25), std::make_pair(17, 18));
    EXPECT_EQ(FeedingPositions(29), std::make_pair(25, 26));
    EXPECT_EQ(FeedingPositions(31), std::make_pair(29, 30));
    EXPECT_EQ(FeedingPositions(125), std::make_pair(31, 62));
    EXPECT_EQ(FeedingPositions(126), std::make_pair(93, 124));
    EXPECT_EQ(FeedingPositions(127), std::make_pair(125, 126));
    EXPECT_EQ(FeedingPositions(48), std::make_pair(32, 33));
    for (int p = 1; p <= 126; ++p) {
        const int next = NextPosition(p);
        const auto [a, b] = FeedingPositions(next);
        EXPECT_TRUE(a == p || b == p) << p;
    }
    EXPECT_EQ(NextPosition(127), 0);
}

TEST(BracketGeometry, GameNumbersAndRounds) {
    EXPECT_EQ(GameNumber(17), 0);
    EXPECT_EQ(GameNumber(31), 14);
    EXPECT_EQ(GameNumber(48), 15);
    EXPECT_EQ(GameNumber(124), 59);
    EXPECT_EQ(GameNumber(125), 60);
    EXPECT_EQ(GameNumber(127), 62);
    EXPECT_EQ(GameNumber(16), -1);
    std::set<int> games;
    for (int p = 1; p <= 127; ++p) {
        if (IsStartingSlot(p)) continue;
        games.insert(GameNumber(p));
        EXPECT_EQ(GamePosition(GameNumber(p)), p);
    }
    EXPECT_EQ(games.size(), 63u);
    EXPECT_EQ(RoundOfPosition(24), 1);
    EXPECT_EQ(RoundOfPosition(25), 2);
    EXPECT_EQ(RoundOfPosition(30), 3);
    EXPECT_EQ(RoundOfPosition(93), 4);
    EXPECT_EQ(RoundOfPosition(126), 5);
    EXPECT_EQ(RoundOfPosition(127), 6);
    EXPECT_EQ(RoundOfPosition(94), 0);
}

TEST(BracketGeometry, StartingSlotsAreTheSixteenOfEachRegion) {
    int count = 0;
    for (int p = 1; p <= 127; ++p) count += IsStartingSlot(p) ? 1 : 0;
    EXPECT_EQ(count, 64);
    EXPECT_TRUE(IsStartingSlot(16));
    EXPECT_FALSE(IsStartingSlot(17));
    EXPECT_TRUE(IsStartingSlot(32));
    EXPECT_TRUE(IsStartingSlot(109));
    EXPECT_FALSE(IsStartingSlot(110));
    EXPECT_TRUE(IsStartingLabel(93));
    EXPECT_EQ(PickLabels().front(), 16);
    EXPECT_EQ(PickLabels().back(), 126);
}

TEST(BracketGeometry, FirstRoundPairsSeedsOneWithSixteenAndSoOn) {
    const StartLinesArray lines = DefaultStartLines();
    const std::set<std::pair<int, int>> expected{{1, 16}, {8, 9}, {5, 12}, {4, 13}, {6, 11}, {3, 14}, {7, 10}, {2, 15}};
    std::set<std::pair<int, int>> pairs;
    for (int p = 17; p <= 24; ++p) {
        const auto [a, b] = FeedingPositions(p);
        pairs.insert({std::stoi(lines[SeedLine(a)]), std::stoi(lines[SeedLine(b)])});
    }
    EXPECT_EQ(pairs, expected);
}

TEST(AdvanceTable, MatchesTheFeedingRuleInLabelIndices) {
    const modBrackwell model;
    EXPECT_EQ(model.AdvanceTable[0], 16);
    EXPECT_EQ(model.AdvanceTable[1], 16);
    EXPECT_EQ(model.AdvanceTable[28], 30);
    EXPECT_EQ(model.AdvanceTable[30], 124);
    EXPECT_EQ(model.AdvanceTable[61], 124);
    EXPECT_EQ(model.AdvanceTable[92], 125);
    EXPECT_EQ(model.AdvanceTable[123], 125);
    EXPECT_EQ(model.AdvanceTable[124], 126);
    EXPECT_EQ(model.AdvanceTable[125], 126);
    EXPECT_EQ(model.AdvanceTable[126], kNoAdvance);
    for (int label = 0; label < 126; ++label) EXPECT_EQ(model.AdvanceTable[label], NextPosition(label + 1) - 1) << label;
}

TEST(AppFilePath, JoinsFolderAndNameWithOneSeparator) {
    EXPECT_EQ(modBrackwell("/pool").AppFilePath("POOLSTART.BKT"), "/pool/POOLSTART.BKT");
    EXPECT_EQ(modBrackwell("/pool/").AppFilePath("POOLSTART.BKT"), "/pool/POOLSTART.BKT");
}

}  // namespace
}  // namespace brackwell
