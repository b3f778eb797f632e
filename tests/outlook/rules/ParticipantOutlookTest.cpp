#include <gtest/gtest.h>

#include "outlook/rules/ParticipantOutlook.h"

namespace brackwell {
namespace {

OutlookRootRow Root(int position, const char* team, double seeded) {
    OutlookRootRow row;
    row.Position = position;
    row.Round = RoundOfPosition(position);
    row.Team = team;
    row.ChanceSeeded = seeded;
    return row;
}

TEST(ParticipantOutlook, TheRootingGuideNamesEachNextGameBiggestSwingFirst) {
    const std::vector<OutlookRootRow> rows{
        Root(17, "Kansas", 27.6), Root(17, "Duke", 40.0),                         // Duke matters
        Root(18, "Ohio", 10.0),   Root(18, "Iowa", 10.01),                        // no difference
        Root(19, "Utah", 50.0),   Root(19, "Yale", 1.0),                          // matters most
        Root(25, "Utah", 50.0),   Root(25, "Yale", 1.0),  Root(25, "Duke", 3.0),  // a later game
    };
    EXPECT_EQ(RootingGuideLines(rows), (std::vector<std::string>{
                                           "Root for Utah over Yale: +49.0 points of chance",
                                           "Root for Duke over Kansas: +12.4 points of chance",
                                           "Iowa or Ohio: no difference to the chance of first",
                                       }));
    EXPECT_TRUE(RootingGuideLines({}).empty());
}

TEST(ParticipantOutlook, TheSummaryGivesTheStatusItsReasonAndThePrize) {
    OutlookRow row;
    row.PlayerName = "Smith, TM";
    row.ChanceSeeded = 12.44;
    row.ChanceEven = 20;
    row.PrizeSeeded = 12.5;
    row.PrizeEven = 10;
    row.PrizeStatus = OutlookStatus::Alive;
    OutlookScenario tiedOnly;
    tiedOnly.Found = true;
    OutlookScenario none;
    none.Reason = "Jones, AB (Jones_AB.BKS) already has 90 points, more than the 80 Smith_TM.BKS can still reach";
    const std::string noneText = "Smith, TM is eliminated: " + none.Reason + ".";
    const struct {
        OutlookStatus status;
        const OutlookScenario* scenario;
        bool prizes;
        std::string text;
    } cases[] = {
        {OutlookStatus::Clinched, nullptr, false,
         "Smith, TM has clinched first place: first, alone or tied, however the remaining games go."},
        {OutlookStatus::Alive, nullptr, false,
         "Smith, TM can still come first: 12.4% chance of first with the better seeds favoured, 20.0% by coin toss."},
        {OutlookStatus::Alive, &tiedOnly, false,
         "Smith, TM can still come first: 12.4% chance of first with the better seeds favoured, 20.0% by coin toss. "
         "Only a tie for first is still possible."},
        {OutlookStatus::Out, &none, false, noneText},
        {OutlookStatus::Out, nullptr, false, "Smith, TM is eliminated: no way the remaining games can go puts them first."},
        {OutlookStatus::Out, &none, true,
         noneText + " Expected prize 12.50 (10.00 by coin toss); a prize is still possible."},
    };
    for (const auto& c : cases) {
        row.FirstStatus = c.status;
        EXPECT_EQ(ParticipantSummary(row, c.prizes, c.scenario), c.text);
    }
}

}  // namespace
}  // namespace brackwell
