#include <gtest/gtest.h>

#include "core/RosterFile.h"
#include "reports/rules/ReportLayout.h"
#include "reports/rules/ReportPool.h"
#include "reports/rules/WorkBox.h"
#include "tests/reports/rules/ReportPoolFixture.h"

namespace brackwell {
namespace {

using testing::ReportPool;

TEST(ReportLayout, CentringRoundsHalvesToEvenAndNeverGoesNegative) {
    struct Case {
        double width;
        std::size_t length;
        std::size_t indent;
    } const cases[] = {{87, 20, 34}, {69, 20, 24}, {69, 27, 21}, {70, 21, 24}, {10, 30, 0}};
    for (const Case& c : cases) EXPECT_EQ(reports::CentringIndent(c.width, c.length), c.indent) << c.width << "/" << c.length;
    EXPECT_EQ(reports::HalfRoundedIndent(57.5, 20), 48u);  // round(47.5)
    EXPECT_EQ(reports::HalfRoundedIndent(37, 21), 27u);    // round(37 - round(10.5))
    EXPECT_EQ(reports::HalfRoundedIndent(37, 80), 0u);
}

TEST(ReportLayout, NumbersHaveAtLeastThreeDigits) {
    EXPECT_EQ(reports::Padded3(7), "007");
    EXPECT_EQ(reports::Padded3(123), "123");
    EXPECT_EQ(reports::Padded3(1000), "1000");
    EXPECT_EQ(reports::Padded3(-5), "-005");
    EXPECT_EQ(reports::Fit("Texas A&M", 5), "Texas");
    EXPECT_EQ(reports::Fit("UCLA", 6), "UCLA  ");
}

TEST(WorkBox, SortsWithoutRegardToCaseAndKeepsEqualItemsInTheirOrder) {
    reports::WorkBox box;
    box.Add("duke,B,1", 0);
    box.Add("Arizona,A,1", 1);
    box.Add("DUKE,A,2", 2);
    box.Add("duke,B,1", 3);
    std::vector<std::size_t> tags;
    for (const auto& item : box.items()) tags.push_back(item.tag);
    EXPECT_EQ(tags, (std::vector<std::size_t>{1, 2, 0, 3}));
}

TEST(ScenarioRule, TheEnteredSemiFinalsDecideWhichFinalsArePossible) {
    reports::FinalFour ff;
    ff.teams = {"", "A", "B", "C", "D"};
    ff.count = 4;
    struct Case {
        std::string semiA, semiB;
        int index, kind;
        std::optional<std::string> opponent;  // nothing: impossible
    } const cases[] = {
        {"", "", 1, 1, "C"},  {"", "", 1, 2, "D"},  {"", "", 3, 1, "A"},  {"", "", 4, 2, "B"},
        {"B", "", 1, 1, {}},  {"B", "", 2, 2, "D"}, {"B", "", 3, 1, {}},  {"B", "", 3, 2, "B"},
        {"A", "D", 1, 1, {}}, {"A", "D", 1, 2, "D"}, {"A", "D", 4, 1, "A"}, {"A", "D", 2, 0, {}},
        {"", "C", 1, 0, "C"},
    };
    for (const Case& c : cases) {
        SelLinesArray results{};
        results[125] = c.semiA;
        results[126] = c.semiB;
        const auto scenario = reports::ApplyScenario(results, ff, c.index, c.kind);
        SCOPED_TRACE(c.semiA + "/" + c.semiB + " " + std::to_string(c.index) + "." + std::to_string(c.kind));
        ASSERT_EQ(scenario.has_value(), c.opponent.has_value());
        if (!scenario) continue;
        EXPECT_EQ((*scenario)[127], ff.teams[static_cast<std::size_t>(c.index)]);
        EXPECT_EQ(reports::ScenarioOpponent(*scenario, c.index), *c.opponent);
    }
}

TEST(TournamentStandings, EqualPointsPutTheLaterNameFirstAndShortNamesLeaveTheSecondHeadingEmpty) {
    ReportPool pool(false);
    pool.folder.Write(kResultsFileName, testing::SelectionFileBytes(testing::FieldOnly()));
    pool.folder.Write("a_X.BKS", testing::SelectionFileBytes(testing::WithPlayer(testing::FieldOnly(), "Abe", "X", "1")));
    pool.folder.Write("b_X.BKS", testing::SelectionFileBytes(testing::WithPlayer(testing::FieldOnly(), "Bo", "X", "2")));
    pool.model.TournamentTitle = std::string(60, 'T');
    ASSERT_EQ(pool.Run("TournamentStandings"), ReportOutcome::Written);
    EXPECT_EQ(pool.WorkFile(), testing::CrLf({" ", std::string(60, 'T'), std::string(18, ' ') + "Tournament Standings", " ",
                                              "Points" + std::string(19, ' ') + "Poss. Good   Bad  Open    Tie", "",
                                              "------ ------   -------  ----- ----- ----- ----- ------- ",
                                              " 000   Bo, X    b_X.BKS   000   000   063   000    002   ",
                                              " 000   Abe, X   a_X.BKS   000   000   063   000    001   "}));
}

TEST(PlayerListing, ARosterOfItsHeadingAloneGivesTheHeadingCutToNothing) {
    ReportPool pool;
    pool.folder.Write(kRosterFileName, RosterHeaderLine() + "\r\n");
    ASSERT_EQ(pool.Run("PlayerListing"), ReportOutcome::Written);
    EXPECT_EQ(pool.WorkFile(), testing::CrLf({" ", "2000 NCAA Tournament", "Player Listing", " ", std::string(12, ' '),
                                              std::string(12, ' ')}));
}

TEST(CopyWorkFileToReport, CopiesTheWorkFileOverTheReportFileByteForByte) {
    ReportPool pool(false);
    const std::string bytes = "a\r\n\f\r\n\xe9 \r\n";
    pool.folder.Write(kWorkFileName, bytes);
    pool.folder.Write("rptopt3.txt", "old");
    EXPECT_TRUE(CopyWorkFileToReport(pool.model, pool.dialogs, "TeamSelectionSummary"));
    EXPECT_EQ(pool.folder.Read("RPTOPT3.TXT"), bytes);
    EXPECT_FALSE(std::filesystem::exists(pool.folder.File("rptopt3.txt")));  // the old name is gone
    EXPECT_TRUE(CopyWorkFileToReport(pool.model, pool.dialogs, "NoSuchReport"));
    // With the report's own name among others of other case, the report lands under its own.
    pool.folder.Write("rptopt3.txt", "old");
    EXPECT_TRUE(CopyWorkFileToReport(pool.model, pool.dialogs, "TeamSelectionSummary"));
    EXPECT_EQ(pool.folder.Read("RPTOPT3.TXT"), bytes);

    std::filesystem::remove(pool.folder.File(kWorkFileName));
    pool.dialogs.AllowMessages();
    EXPECT_FALSE(CopyWorkFileToReport(pool.model, pool.dialogs, "PlayerListing"));
    ASSERT_EQ(pool.dialogs.messages().size(), 1u);
    EXPECT_EQ(pool.dialogs.messages()[0].title, "Brackwell - frmPoolReports, Write Output Routine");
    EXPECT_FALSE(pool.folder.Exists("RPTOPT2.TXT"));
}

TEST(ReportTable, KeysFilesAndOrientationsFollowTheReportWindow) {
    EXPECT_STREQ(ReportAt(0).caption, "Tournament Standings (RPTOPT1.TXT)");
    EXPECT_EQ(ReportByKey("ResultsByTeam"), &ReportAt(6));
    EXPECT_STREQ(ReportAt(6).outputFile, "RPTOPT7.TXT");
    EXPECT_EQ(ReportByKey("resultsbyteam"), nullptr);
    int landscape = 0;
    for (int i = 0; i < kReportCount; ++i) landscape += ReportAt(i).orientation == Orientation::Landscape;
    EXPECT_EQ(landscape, 3);
    EXPECT_EQ(ReportAt(4).orientation, Orientation::Landscape);
}

}  // namespace
}  // namespace brackwell
