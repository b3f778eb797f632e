#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/RosterFile.h"
#include "tests/reports/rules/ReportPoolFixture.h"

namespace brackwell {
namespace {

using testing::ReportPool;

// 43 participants on the default field, half picking the upper team of every game and half the
// lower; the results have the Final Four and nothing after it.
void WriteLargePool(ReportPool& pool, int participants) {
    SelLinesArray results = testing::WithPlayer(testing::UpperTeamsWin(), "FinalResults", "A", "");
    for (const int position : {125, 126, 127}) results[position].clear();
    pool.folder.Write(kResultsFileName, testing::SelectionFileBytes(results));
    std::string roster = RosterHeaderLine() + "\r\n";
    for (int n = 1; n <= participants; ++n) {
        const std::string name = (n < 10 ? "Player0" : "Player") + std::to_string(n);
        const std::string file = name + "_AA.BKS";
        const SelLinesArray picks = n % 2 ? testing::UpperTeamsWin() : testing::LowerTeamsWin();
        pool.folder.Write(file, testing::SelectionFileBytes(testing::WithPlayer(picks, name, "AA", "140")));
        roster += RosterRecordLine({name + ", AA", file, "", ""}) + "\r\n";
    }
    pool.folder.Write(kRosterFileName, roster);
}

// The number of lines of each page of a work file.
std::vector<int> PageLengths(const std::string& text) {
    std::vector<int> pages{0};
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        if (text.compare(at, end - at, "\f") == 0)
            pages.push_back(0);
        else
            ++pages.back();
        at = end + 2;
    }
    return pages;
}

struct PagingCase {
    const char* key;
    std::vector<int> pages;
};

TEST(ReportPaging, LongPoolsBreakPagesAtEachReportsLimit) {
    const std::vector<PagingCase> cases{
        // 7 header lines and 41 participants, then the 42nd and 43rd under a new header.
        {"TournamentStandings", {48, 9}},
        // The heading and rule lines repeat on every page; 42 participants a page.
        {"PlayerListing", {48, 7}},
        // Twelve counted lines a participant: a new page after every fifth.
        {"ResultsByPlayer", {64, 64, 64, 64, 64, 64, 64, 64, 40}},
    };
    for (const PagingCase& c : cases) {
        SCOPED_TRACE(c.key);
        ReportPool pool(false);
        WriteLargePool(pool, 43);
        ASSERT_EQ(pool.Run(c.key), ReportOutcome::Written);
        EXPECT_EQ(PageLengths(pool.WorkFile()), c.pages);
    }
}

TEST(ReportPaging, AFinalRunningPastAPageGoesOnUnderItsHeading) {
    ReportPool pool(false);
    WriteLargePool(pool, 43);
    ASSERT_EQ(pool.Run("ResultsByTeam"), ReportOutcome::Written);
    const std::string text = pool.WorkFile();
    for (const int lines : PageLengths(text)) EXPECT_LE(lines, 55);
    EXPECT_NE(text.find("\f\r\n \r\n                  2002 NCAA Tournament\r\n"), std::string::npos);
    EXPECT_NE(text.find(" \r\n  TEAM1 winning over TEAM49 (continued)\r\n"), std::string::npos);
    // Half the pool picked alike: they share the first place, the others the next one.
    EXPECT_NE(text.find("   T1  Player43, AA  Points = 168   Tie Breaker = 140\r\n"
                        "   T23 Player02, AA  Points = 000   Tie Breaker = 140\r\n"),
              std::string::npos);
}

TEST(ReportPaging, ATeamsDetailLongerThanAPageGoesOnUnderItsName) {
    ReportPool pool(false);
    WriteLargePool(pool, 80);
    ASSERT_EQ(pool.Run("TeamSelectionDetail"), ReportOutcome::Written);
    const std::string text = pool.WorkFile();
    for (const int lines : PageLengths(text)) EXPECT_LE(lines, 58);
    EXPECT_NE(text.find("\f\r\n \r\n"), std::string::npos);
    EXPECT_NE(text.find(" \r\n  TEAM1 (continued)\r\n"), std::string::npos);
}

TEST(ReportPaging, ControlBytesOfNamesAreBlanksAndNeverBreakAPage) {
    ReportPool pool(false);
    WriteLargePool(pool, 2);
    const std::string hostile = std::string("\fEs\x1b" "c\0ape", 9);
    SelLinesArray picks = testing::WithPlayer(testing::UpperTeamsWin(), hostile, "\fX", "140");
    picks[17] = "\fTEAM1";
    pool.folder.Write("\fEvil\x1b_X.BKS", testing::SelectionFileBytes(picks));
    pool.folder.Write(kRosterFileName, RosterHeaderLine() + "\r\n" +
                                           RosterRecordLine({"\fEvil, X", "\fEvil\x1b_X.BKS", "a\x7f@b.c", "\f1"}) +
                                           "\r\n");
    for (int index = 0; index < kReportCount; ++index) {
        SCOPED_TRACE(ReportAt(index).key);
        ASSERT_EQ(pool.Run(ReportAt(index).key), ReportOutcome::Written);
        const std::string text = pool.WorkFile();
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = text.find("\r\n", at);
            const std::string line = text.substr(at, end - at);
            const bool controlByte = std::any_of(line.begin(), line.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
            });
            EXPECT_TRUE(line == "\f" || !controlByte) << line;
            at = end + 2;
        }
    }
}

TEST(ReportPaging, OneParticipantsDetailHasNoFormFeed) {
    ReportPool pool(false);
    WriteLargePool(pool, 1);
    ASSERT_EQ(pool.Run("PlayerSelectionDetail"), ReportOutcome::Written);
    EXPECT_EQ(PageLengths(pool.WorkFile()), std::vector<int>{9 + 32 + 3});
}

}  // namespace
}  // namespace brackwell
