#include <gtest/gtest.h>

#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "outlook/rules/OutlookPool.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::FieldOnly;
using testing::LowerTeamsWin;
using testing::ScriptedDialogs;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::UpperTeamsWin;
using testing::WithPlayer;

// TEAM2 beat TEAM1 so far; the start field pays 3 for a first-round game and seeds slot 1 as 5.
void WritePool(const TempFolder& folder) {
    StartLinesArray start = DefaultStartLines();
    start[kFirstPointsLine] = "3";
    start[kFirstSeedLine] = "5";
    folder.Write(kStartFileName, StartFileContents(start));
    SelLinesArray results = WithPlayer(FieldOnly(), "FinalResults", "A", "");
    results[17] = "TEAM2";
    folder.Write(kResultsFileName, SelectionFileBytes(results));
    folder.Write("smith_TM.bks", SelectionFileBytes(WithPlayer(UpperTeamsWin(), "Smith", "TM", "150")));
    folder.Write("Adams_BB.BKS", SelectionFileBytes(WithPlayer(LowerTeamsWin(), "Adams", "BB", "144")));
}

TEST(OutlookPool, TakesTheResultsPointsSeedsAndEverySelectionInTheStandingsOrder) {
    const TempFolder folder;
    WritePool(folder);
    ScriptedDialogs dialogs;
    const std::optional<OutlookPool> pool = ReadOutlookPool(folder.path(), dialogs);
    ASSERT_TRUE(pool);
    EXPECT_TRUE(dialogs.calls().empty());

    EXPECT_EQ(pool->Results[17], "TEAM2");
    EXPECT_EQ(pool->Results[18], "");
    EXPECT_EQ(pool->Results[1], "TEAM1");
    EXPECT_EQ(pool->Points[17], 3);
    EXPECT_EQ(pool->Points[25], 2);
    EXPECT_EQ(pool->Points[1], 0);
    // Slot 1 of every region takes the first seed line; slot 2 keeps the default 16.
    EXPECT_EQ(pool->Seeds[1], 5);
    EXPECT_EQ(pool->Seeds[32], 5);
    EXPECT_EQ(pool->Seeds[2], 16);
    EXPECT_EQ(pool->Seeds[17], 0);

    ASSERT_EQ(pool->Entrants.size(), 2u);
    EXPECT_EQ(pool->Entrants[0].FileName, "Adams_BB.BKS");
    EXPECT_EQ(pool->Entrants[0].PlayerName, "Adams, BB");
    EXPECT_EQ(pool->Entrants[0].Picks, WithPlayer(LowerTeamsWin(), "Adams", "BB", "144"));
    EXPECT_EQ(pool->Entrants[1].FileName, "smith_TM.bks");
    EXPECT_EQ(pool->Entrants[1].Picks[127], UpperTeamsWin()[127]);
}

TEST(OutlookPool, ADamagedSelectionIsReportedOnceAndTakesPartWithWhatWasRead) {
    const TempFolder folder;
    WritePool(folder);
    folder.Write("Baker_CC.BKS", "TEAM1\r\nTEAM2\r\n");
    ScriptedDialogs dialogs;
    dialogs.AllowMessages();
    const std::optional<OutlookPool> pool = ReadOutlookPool(folder.path(), dialogs);
    ASSERT_TRUE(pool);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "** ERROR IN OPENING FILE - ReadSelections Routine **");
    EXPECT_NE(dialogs.messages()[0].text.find("Baker_CC.BKS"), std::string::npos);
    ASSERT_EQ(pool->Entrants.size(), 3u);
    EXPECT_EQ(pool->Entrants[1].FileName, "Baker_CC.BKS");
    EXPECT_EQ(pool->Entrants[1].Picks[2], "TEAM2");
    EXPECT_EQ(pool->Entrants[1].Picks[3], "");
}

TEST(OutlookPool, WithoutAResultsFileThereIsNoPoolAfterTheScoringMessage) {
    const TempFolder folder;
    WritePool(folder);
    std::remove(folder.File(kResultsFileName).c_str());
    ScriptedDialogs dialogs;
    dialogs.AllowMessages();
    EXPECT_FALSE(ReadOutlookPool(folder.path(), dialogs));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "INVALID REQUEST TO LOAD FILE");
}

}  // namespace
}  // namespace brackwell
