// The demo pool of the 2000 tournament, unpacked from the shipped archive as a new user gets
// it and scored by brackwell-cli, gives every sample participant the score of a hand count.
//
// How the expected numbers were reached: each sample selection was compared, game by game and
// round by round, with the real 2000 results, counting the correct picks per round and paying
// 1, 2, 4, 8, 12 and 16 points for rounds 1 to 6. Per round (Midwest / West / East / South):
//   Brennan:   R1 8/7/7/8 = 30 x1, R2 3/1/3/1 = 8 x2, R3 2/1/1/0 = 4 x4, regional finals
//              Michigan State and Florida 2 x8, semifinals 2 x12, champion Michigan State 16:
//              30 + 16 + 16 + 16 + 24 + 16 = 118, 47 correct.
//   Hollis:    R1 8/7/6/8 = 29, R2 3/1/2/1 = 7 x2, R3 2/0/0/0 = 2 x4, regional final 1 x8,
//              semifinals 1 x12, champion 16: 29 + 14 + 8 + 8 + 12 + 16 = 87, 41 correct.
//   Delgado:   R1 4/3/4/3 = 14, R2 3/2/1/1 = 7 x2, R3 0/0/0/1 = 1 x4, regional final 1 x8,
//              nothing later: 14 + 14 + 4 + 8 = 40, 23 correct.
//   Whitfield: R1 2/3/2/3 = 10, R2 0/1/0/0 = 1 x2, nothing later: 12, 11 correct.
// Every game has been played, so the maximum equals the score and the wrong picks are the
// other 63 - correct games (the field matches, so no starting slot counts).

#include <gtest/gtest.h>

#include "core/DemoSet.h"
#include "core/Model.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

TEST(DemoPoolScores, EachSampleParticipantScoresAsTheHandCountGives) {
    testing::TempFolder folder;
    testing::WriteBytes(folder.File("DEMOSET.ZIP"), testing::ReadBytes(std::string(BRACKWELL_APP_DIR) + "/DEMOSET.ZIP"));
    const modBrackwell model(folder.path());
    testing::ScriptedDialogs dialogs;
    DemoSet(model, dialogs);
    EXPECT_TRUE(dialogs.calls().empty());

    const testing::CliRun run = testing::RunCli({"score", "--folder", folder.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "FileName\tPlayerName\tScore\tMaxScore\tCorrect\tWrong\tChampion\tRunnerUp\tTieBreak\n"
              "Brennan_KJ.BKS\tBrennan, KJ\t118\t118\t47\t16\tMichigan State\tFlorida\t158\n"
              "Delgado_MV.BKS\tDelgado, MV\t40\t40\t23\t40\tGonzaga\tNorth Carolina\t171\n"
              "Hollis_RT.BKS\tHollis, RT\t87\t87\t41\t22\tMichigan State\tDuke\t150\n"
              "Whitfield_AL.BKS\tWhitfield, AL\t12\t12\t11\t52\tTemple\tArizona\t132\n");
}

}  // namespace
}  // namespace brackwell
