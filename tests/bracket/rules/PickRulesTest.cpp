#include "bracket/rules/PickRules.h"

#include <gtest/gtest.h>

#include <vector>

#include "bracket/rules/HighSeeds.h"

namespace brackwell {
namespace {

// The default field (TEAM1..TEAM64) on an otherwise empty bracket.
struct Bracket {
    modBrackwell model;
    PlainBracketView view;
    Bracket() {
        LoadDefaultStartLines(model.StartLines);
        ShowStartingField(model, view);
    }
    void Click(int label) { DropTeam(view, model.AdvanceTable, label, label, view.captions[label]); }
    void Drag(int origin, int target) { DropTeam(view, model.AdvanceTable, origin, target, view.captions[origin]); }
    void RightClick(int label) { TakeBackPick(view, model.AdvanceTable, label); }
    // The labels a team passes through from a starting label to the champion.
    std::vector<int> PathFrom(int label) const {
        std::vector<int> path;
        for (int k = model.AdvanceTable[label]; k != kNoAdvance; k = model.AdvanceTable[k]) path.push_back(k);
        return path;
    }
};

TEST(PickRules, AClickMovesATeamOneGameOnAndAgainFromThere) {
    Bracket b;
    b.Click(0);
    EXPECT_EQ(b.view.captions[16], "TEAM1");
    b.Click(16);
    EXPECT_EQ(b.view.captions[24], "TEAM1");
    b.Click(40);  // region 1, slot 9 (TEAM26)
    EXPECT_EQ(b.view.captions[51], "TEAM26");
}

TEST(PickRules, RepickingAGameWipesTheLoserFromItsLaterGamesOnly) {
    Bracket b;
    b.Drag(0, kChampionLabel);  // TEAM1 champion
    b.Drag(2, 24);              // TEAM3 beats TEAM1 in the second round
    for (int label : {24, 28, 30, 124, 126}) EXPECT_EQ(b.view.captions[label], label == 24 ? "TEAM3" : "") << label;
    EXPECT_EQ(b.view.captions[16], "TEAM1");  // its win before stays

    // Another team's later pick on the path is not touched by a wipe.
    Bracket c;
    c.Click(0);
    c.Click(16);            // TEAM1 at 24
    c.view.captions[28] = "TEAM5";
    c.Click(1);             // TEAM2 beats TEAM1 at 16
    EXPECT_EQ(c.view.captions[16], "TEAM2");
    EXPECT_EQ(c.view.captions[24], "");
    EXPECT_EQ(c.view.captions[28], "TEAM5");
}

TEST(PickRules, ClickingAnEmptyLabelEmptiesTheGameItFeeds) {
    Bracket b;
    b.Drag(0, 28);        // TEAM1 at 16, 24, 28
    b.Click(17);          // 17 is empty: 24 is emptied and TEAM1 wiped beyond
    EXPECT_EQ(b.view.captions[24], "");
    EXPECT_EQ(b.view.captions[28], "");
    EXPECT_EQ(b.view.captions[16], "TEAM1");
}

TEST(PickRules, ADragFillsEveryGameOnThePathUpToTheTarget) {
    Bracket b;
    b.Drag(5, 30);  // TEAM6 to its regional champion
    for (int label : b.PathFrom(5)) EXPECT_EQ(b.view.captions[label], label <= 30 ? "TEAM6" : "") << label;

    Bracket off;
    const PlainBracketView before = off.view;
    off.Drag(5, 24);   // 24 is fed by slots 0..3, not by slot 5
    off.Drag(40, 20);  // backwards
    off.Drag(5, 100);  // another region
    EXPECT_EQ(off.view.captions, before.captions);
}

TEST(PickRules, ADragOverAnotherTeamWipesThatTeamBeyondTheTarget) {
    Bracket b;
    b.Drag(0, kChampionLabel);
    b.Drag(3, 28);  // TEAM4 takes 17, 24 and 28 from TEAM1
    EXPECT_EQ(b.view.captions[16], "TEAM1");
    EXPECT_EQ(b.view.captions[17], "TEAM4");
    EXPECT_EQ(b.view.captions[28], "TEAM4");
    for (int label : {30, 124, 126}) EXPECT_EQ(b.view.captions[label], "") << label;
}

TEST(PickRules, TheChampionsLabelEndsEveryPath) {
    Bracket b;
    b.Drag(0, kChampionLabel);
    b.Drag(93, kChampionLabel);  // region 3's TEAM49 takes the final: nothing past 126 to wipe
    EXPECT_EQ(b.view.captions[kChampionLabel], "TEAM49");
    EXPECT_EQ(b.view.captions[124], "TEAM1");
    const PlainBracketView before = b.view;
    b.Click(kChampionLabel);
    EXPECT_EQ(b.view.captions, before.captions);
}

TEST(PickRules, ARightClickTakesAPickBackFromEveryRoundOnwards) {
    // For each region and each round a pick can be taken back at, a team carried to the
    // champion keeps its wins before that round and loses it and every later one.
    for (int region = 0; region < 4; ++region) {
        const int slot = 31 * region + 7;
        Bracket probe;
        const std::vector<int> path = probe.PathFrom(slot);
        ASSERT_EQ(path.size(), 6u);
        for (std::size_t round = 0; round < path.size(); ++round) {
            Bracket b;
            b.Drag(slot, kChampionLabel);
            b.RightClick(path[round]);
            for (std::size_t k = 0; k < path.size(); ++k)
                EXPECT_EQ(b.view.captions[path[k]], k < round ? b.view.captions[slot] : "")
                    << "region " << region << " round " << round + 1 << " label " << path[k];
        }
    }
}

TEST(PickRules, ARightClickLeavesStartingLabelsAndOtherTeamsAlone) {
    Bracket b;
    b.Drag(0, 24);
    b.view.captions[28] = "TEAM9";
    const PlainBracketView before = b.view;
    b.RightClick(0);
    b.RightClick(18);  // an empty pick label
    EXPECT_EQ(b.view.captions, before.captions);
    b.RightClick(16);
    EXPECT_EQ(b.view.captions[16], "");
    EXPECT_EQ(b.view.captions[24], "");
    EXPECT_EQ(b.view.captions[28], "TEAM9");
}

TEST(HighSeeds, AnEmptyBracketSendsSeedOneToEveryRegionalFinal) {
    Bracket b;
    std::array<std::string, 16> seeds;
    for (int k = 0; k < 16; ++k) seeds[k] = b.model.StartLines[kFirstSeedLine + k];
    SelectHighSeeds(b.view, b.model.AdvanceTable, seeds);
    for (int region = 0; region < 4; ++region) {
        EXPECT_EQ(b.view.captions[31 * region + 30], b.view.captions[31 * region]) << region;
        EXPECT_EQ(b.view.captions[31 * region + 16], b.view.captions[31 * region]);      // 1 over 16
        EXPECT_EQ(b.view.captions[31 * region + 17], b.view.captions[31 * region + 2]);  // 8 over 9
        EXPECT_EQ(b.view.captions[31 * region + 29], b.view.captions[31 * region + 14]); // 2 seed
    }
    for (int label : {124, 125, 126}) EXPECT_EQ(b.view.captions[label], "") << label;
}

TEST(HighSeeds, EqualSeedsSendTheLowerTeamAndPicksMadeAreKept) {
    Bracket b;
    std::array<std::string, 16> seeds;
    for (int k = 0; k < 16; ++k) seeds[k] = b.model.StartLines[kFirstSeedLine + k];
    seeds[1] = " 1";              // slots 0 and 1 both seeded 1
    b.view.captions[18] = "TEAM6";  // the 12 seed already picked over the 5 seed
    SelectHighSeeds(b.view, b.model.AdvanceTable, seeds);
    EXPECT_EQ(b.view.captions[16], "TEAM2");
    EXPECT_EQ(b.view.captions[18], "TEAM6");
    // The kept pick plays on with its own seed: 12 loses to the 4 seed (TEAM7).
    EXPECT_EQ(b.view.captions[25], "TEAM7");
}

}  // namespace
}  // namespace brackwell
