#include "bracket/rules/MenuRules.h"

#include <gtest/gtest.h>

namespace brackwell {
namespace {

MenuState Loaded(const std::string& finalized, bool results, bool demo) {
    MenuState state;
    ApplyLoadRules(state, MenuFlags{finalized, results, demo});
    return state;
}

TEST(MenuRules, LoadRulesFollowTheSetupTheResultsAndDemoMode) {
    struct Row {
        const char* finalized;
        bool results, demo;
        // new/open/save, game results, score, reports, setup, demo menu, demo start, demo reset, quillon, caption
        bool entry, gameResults, score, reports, setup, demoMenu, demoSet, demoReset, quillon, caption;
    };
    const Row rows[] = {
        {"0", false, false, false, false, false, false, true, true, true, false, false, false},
        {"0", true, false, false, false, false, false, true, true, true, false, false, false},
        {"x", false, false, false, false, false, false, true, true, true, false, false, false},  // numeric 0
        {"2", false, false, false, false, false, false, true, true, false, false, false, false},
        {"1", false, false, true, true, false, true, false, false, false, false, true, false},
        {"1", true, false, true, true, true, true, false, false, false, false, true, false},
        {"1", true, true, true, true, true, true, true, true, false, true, true, true},
        {"0", false, true, false, false, false, false, true, true, false, true, true, true},
    };
    for (const Row& row : rows) {
        const MenuState s = Loaded(row.finalized, row.results, row.demo);
        SCOPED_TRACE(::testing::Message() << "finalized " << row.finalized << " results " << row.results << " demo "
                                          << row.demo);
        EXPECT_EQ(s.newSelection, row.entry);
        EXPECT_EQ(s.openSelection, row.entry);
        EXPECT_EQ(s.saveSelection, row.entry);
        EXPECT_EQ(s.gameResults, row.gameResults);
        EXPECT_EQ(s.scoreSelections, row.score);
        EXPECT_EQ(s.reports, row.reports);
        EXPECT_EQ(s.outlook, row.reports);  // the outlook comes with the reports
        EXPECT_EQ(s.setup, row.setup);
        EXPECT_EQ(s.demoMenu, row.demoMenu);
        EXPECT_EQ(s.demoSet, row.demoSet);
        EXPECT_EQ(s.demoReset, row.demoReset);
        EXPECT_EQ(s.picsTest, row.quillon);
        EXPECT_EQ(s.picsPrint, row.quillon);
        EXPECT_EQ(s.picsEmail, row.quillon);
        EXPECT_EQ(s.demoCaptionShown, row.caption);
        EXPECT_FALSE(s.returnShown);
    }
}

TEST(MenuRules, CommandsMoveBetweenEntryResultsAndTheScoredView) {
    MenuState s = Loaded("1", false, false);
    AfterGameResults(s);
    EXPECT_FALSE(s.gameResults);
    EXPECT_TRUE(s.scoreSelections);
    EXPECT_TRUE(s.saveSelection);

    AfterOpenSelection(s, false);
    EXPECT_TRUE(s.gameResults);
    EXPECT_FALSE(s.scoreSelections);

    AfterOpenSelection(s, true);
    AfterScoredView(s);
    EXPECT_TRUE(s.returnShown);
    EXPECT_FALSE(s.saveSelection);
    EXPECT_FALSE(s.scoreSelections);

    AfterReturn(s);
    EXPECT_FALSE(s.returnShown);
    EXPECT_TRUE(s.saveSelection);
    EXPECT_TRUE(s.scoreSelections);

    AfterScoredView(s);
    AfterNewSelection(s, "1", MenuFlags{"1", false, false});
    EXPECT_TRUE(s.gameResults);
    EXPECT_FALSE(s.scoreSelections);
    EXPECT_FALSE(s.returnShown);
    EXPECT_TRUE(s.saveSelection);
}

TEST(MenuRules, ANewSelectionOnAnUnfinalizedSetupStillOpensSaving) {
    // Saving is then refused by the save command's own check, with its message.
    MenuState s = Loaded("0", false, true);
    AfterNewSelection(s, "0", MenuFlags{"0", false, true});
    EXPECT_FALSE(s.gameResults);
    EXPECT_TRUE(s.saveSelection);
}

}  // namespace
}  // namespace brackwell
