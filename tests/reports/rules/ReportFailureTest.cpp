#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/RosterFile.h"
#include "reports/rules/RunPool.h"
#include "tests/reports/rules/ReportPoolFixture.h"

namespace brackwell {
namespace {

using testing::ReportPool;

const char* const kNoFiles = "There aren't any Player Selection files saved,  so the\r\n";
const char* const kNoResults =
    "Game Results have not been entered, this option\r\nis NOT valid until this activity has been completed";
const char* const kNoFinalFour =
    "You will need to enter the four teams that have\r\nprogressed to the Final Four before this option\r\n"
    "can be selected.\r\n\r\nPlease correct and re-select this option.";
const char* const kChampionSet = "You have already scored the tournament winner, so\r\na projection isn't meaningful";
const char* const kFinalFourTitle = "Brackwell - frmPoolReports, ChkFinalFour";

void RemoveSelections(ReportPool& pool) {
    for (const std::string& name : ListFilesWithExtension(pool.folder.path(), ".BKS"))
        std::filesystem::remove(pool.folder.File(name));
}
void RemoveResults(ReportPool& pool) { std::filesystem::remove(pool.folder.File(kResultsFileName)); }

struct FailureCase {
    const char* key;
    std::function<void(ReportPool&)> damage;
    ReportOutcome outcome;
    std::string text;  // of the last message shown
    std::string title;
    MsgIcon icon;
};

class ReportFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReportFailure, ShowsItsMessageAndWritesNothing) {
    const FailureCase& c = GetParam();
    ReportPool pool;
    c.damage(pool);
    pool.dialogs.AllowMessages();
    EXPECT_EQ(pool.Run(c.key), c.outcome);
    const std::vector<testing::DialogCall> messages = pool.dialogs.messages();
    ASSERT_FALSE(messages.empty());
    const testing::DialogCall& shown = messages.back();
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.icon, c.icon);
    EXPECT_FALSE(pool.folder.Exists(kWorkFileName));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ReportFailure,
    ::testing::Values(
        FailureCase{"TournamentStandings", RemoveSelections, ReportOutcome::Failed,
                    std::string(kNoFiles) + "\"Tournament Standings Report\" cannot be prepared.",
                    "Brackwell - frmPoolReports, Tournament Standings", MsgIcon::Critical},
        FailureCase{"TournamentStandings", RemoveResults, ReportOutcome::Failed, kNoResults,
                    "Brackwell - frmPoolReports, Tournament Standings", MsgIcon::Critical},
        FailureCase{"TeamSelectionSummary", RemoveSelections, ReportOutcome::Skipped,
                    std::string(kNoFiles) + "Team Selection Reports cannot be prepared.", "Brackwell - TeamSelSetup",
                    MsgIcon::Critical},
        FailureCase{"TeamSelectionDetail", RemoveSelections, ReportOutcome::Skipped,
                    std::string(kNoFiles) + "Team Selection Reports cannot be prepared.", "Brackwell - TeamSelSetup",
                    MsgIcon::Critical},
        FailureCase{"PlayerSelectionDetail", RemoveSelections, ReportOutcome::SkippedStillTicked,
                    std::string(kNoFiles) + "\"Player Selection Detail\" report cannot be prepared.",
                    "Brackwell - frmPoolReports, Player Selection Detail", MsgIcon::None},
        FailureCase{"ResultsByPlayer", RemoveSelections, ReportOutcome::Failed,
                    std::string(kNoFiles) + "\"Projected Results by Player\" report cannot be prepared.",
                    "Brackwell - frmPoolReports, Results by Player", MsgIcon::Critical},
        FailureCase{"ResultsByPlayer", RemoveResults, ReportOutcome::Failed, kNoResults,
                    "Brackwell - frmPoolReports, Results by Player", MsgIcon::Critical},
        FailureCase{"ResultsByPlayer", [](ReportPool&) {}, ReportOutcome::Skipped, kChampionSet, kFinalFourTitle,
                    MsgIcon::None},
        FailureCase{"ResultsByPlayer", [](ReportPool& pool) { pool.ClearResults({93, 125, 126, 127}); },
                    ReportOutcome::Skipped, kNoFinalFour, kFinalFourTitle, MsgIcon::None},
        FailureCase{"ResultsByTeam", RemoveSelections, ReportOutcome::Failed,
                    std::string(kNoFiles) + "\"Projected Results by Team\" report cannot be prepared.",
                    "Brackwell - frmPoolReports, Results by Team", MsgIcon::Critical},
        FailureCase{"ResultsByTeam", RemoveResults, ReportOutcome::Failed, kNoResults,
                    "Brackwell - frmPoolReports, Results by Team", MsgIcon::Critical},
        FailureCase{"ResultsByTeam", [](ReportPool&) {}, ReportOutcome::Skipped, kChampionSet, kFinalFourTitle,
                    MsgIcon::None},
        FailureCase{"PlayerListing",
                    [](ReportPool& pool) { pool.folder.Write(kRosterFileName, RosterHeaderLine() + "\r\nbroken\r\n"); },
                    ReportOutcome::Failed,
                    "Problems found with PLAYERNAMES.CSV file\r\nThis condition must be corrected, See Help content",
                    "BRACKWELL - frmPoolReports, Player Listing", MsgIcon::Critical},
        // Missing, it is said so, not that an error copy holds it.
        FailureCase{"PlayerListing", [](ReportPool& pool) { std::filesystem::remove(pool.folder.File(kRosterFileName)); },
                    ReportOutcome::Failed,
                    "The file PLAYERNAMES.CSV is missing, so the\r\n\"Player Listing\" report cannot be prepared.",
                    "BRACKWELL - frmPoolReports, Player Listing", MsgIcon::Critical}));

TEST(ReportFailure, TheWindowsAnswerIsFalseOnlyForAFailure) {
    ReportPool pool;
    pool.dialogs.AllowMessages();
    EXPECT_TRUE(GenerateReport(5, pool.model, pool.dialogs, pool.Request()));  // skipped: champion entered
    RemoveResults(pool);
    EXPECT_FALSE(GenerateReport(5, pool.model, pool.dialogs, pool.Request()));
}

// A report that scores reads each selection file once, however many finals it projects: a
// faulty file shows the reader's message once and is scored with what could be read.
class FaultySelection : public ::testing::TestWithParam<const char*> {};

TEST_P(FaultySelection, ShowsTheReadersMessageOnceAndWrites) {
    ReportPool pool;
    pool.ClearResults({127});
    const std::string faulty = ListFilesWithExtension(pool.folder.path(), ".BKS").front();
    pool.folder.Write(faulty, "Texas\r\n");
    pool.dialogs.AllowMessages();
    EXPECT_EQ(pool.Run(GetParam()), ReportOutcome::Written);
    std::size_t shown = 0;
    for (const testing::DialogCall& message : pool.dialogs.messages()) {
        EXPECT_EQ(message.title, "** ERROR IN OPENING FILE - ReadSelections Routine **");
        EXPECT_NE(message.text.find(faulty), std::string::npos) << message.text;
        ++shown;
    }
    EXPECT_EQ(shown, 1U);
    EXPECT_TRUE(pool.folder.Exists(kWorkFileName));
}

INSTANTIATE_TEST_SUITE_P(ScoredReports, FaultySelection,
                         ::testing::Values("TournamentStandings", "ResultsByPlayer", "ResultsByTeam"));

// However many reports of a run read the pool, a faulty selection file and a faulty results
// file each show the reader's message once.
TEST(FaultySelection, OneRunShowsEachFaultyFilesMessageOnce) {
    ReportPool pool;
    const std::string faulty = ListFilesWithExtension(pool.folder.path(), ".BKS").front();
    pool.folder.Write(faulty, "Texas\r\n");
    pool.folder.Write(kResultsFileName, pool.folder.Read(kResultsFileName) + "extra\r\n");
    pool.dialogs.AllowMessages();
    reports::RunPool shared;
    for (int index = 0; index < kReportCount; ++index)
        RunReportGenerator(index, pool.model, pool.dialogs, pool.Request(), shared);
    std::map<std::string, int> shown;
    for (const testing::DialogCall& message : pool.dialogs.messages())
        if (message.title == "** ERROR IN OPENING FILE - ReadSelections Routine **")
            ++shown[message.text.find(faulty) != std::string::npos ? faulty : message.text];
    EXPECT_EQ(shown.size(), 2U);  // the selection file's and the results file's
    for (const auto& [file, times] : shown) EXPECT_EQ(times, 1) << file;
}

}  // namespace
}  // namespace brackwell
