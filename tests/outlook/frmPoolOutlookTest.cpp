#include "outlook/frmPoolOutlook.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <sstream>
#include <thread>

#include "core/DemoSet.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "outlook/rules/OutlookExplanation.h"
#include "outlook/rules/OutlookGrid.h"
#include "outlook/rules/PrizeFile.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::FieldOnly;
using testing::SelectionFileBytes;
using testing::TempFolder;
using testing::TestPlatform;
using testing::UpperTeamsWin;
using testing::WithPlayer;

// Three players and the results of the first round so far.
void WriteSmallPool(const TempFolder& folder) {
    folder.Write(kStartFileName, StartFileContents(DefaultStartLines()));
    SelLinesArray results = WithPlayer(FieldOnly(), "FinalResults", "A", "");
    for (int p = 1; p <= kPositionCount; ++p)
        if (RoundOfPosition(p) == 1) results[p] = UpperTeamsWin()[p];
    folder.Write(kResultsFileName, SelectionFileBytes(results));
    for (const char* name : {"Abel", "Bond", "Cole"})
        folder.Write(std::string(name) + "_XX.BKS", SelectionFileBytes(WithPlayer(UpperTeamsWin(), name, "XX", "")));
}

// Reports a quarter done, then keeps going until it is told to stop.
std::optional<OutlookResult> UntilCancelled(std::atomic<bool>& stopped, const OutlookProgress& progress) {
    while (progress(250, 1000)) std::this_thread::yield();
    stopped = true;
    return std::nullopt;
}

struct OutlookWindow {
    explicit OutlookWindow(OutlookComputation compute) : OutlookWindow(OutlookWindowWork{std::move(compute)}) {}
    explicit OutlookWindow(OutlookWindowWork work, OutlookWindowHooks hooks = {}) : model(folder.path()) {
        WriteSmallPool(folder);
        window = new frmPoolOutlook(model, test.platform, std::move(hooks), nullptr, OutlookOptions{}, std::move(work));
        window->show();
        grid = window->findChild<QTableWidget*>("grdOutlook");
        progress = window->findChild<QProgressBar*>("prgOutlook");
        status = window->findChild<QLabel*>("lblStatus");
    }
    ~OutlookWindow() { delete window.data(); }

    bool Finished() { return QTest::qWaitFor([this] { return !window->Computing(); }, 20000); }
    void Click(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }
    void ClickHeader(int column) {
        QHeaderView* header = grid->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                 header->height() / 2));
    }
    std::vector<QString> Column(int column) const {
        std::vector<QString> cells;
        for (int r = 0; r < grid->rowCount(); ++r) cells.push_back(grid->item(r, column)->text());
        return cells;
    }

    TempFolder folder;
    modBrackwell model;
    TestPlatform test;
    QPointer<frmPoolOutlook> window;
    QTableWidget* grid = nullptr;
    QProgressBar* progress = nullptr;
    QLabel* status = nullptr;
};

TEST(frmPoolOutlook, ShowsProgressWhileComputingAndCancelStopsIt) {
    std::atomic<bool> stopped = false;
    OutlookWindow w([&stopped](const OutlookPool&, const OutlookOptions&, const OutlookProgress& progress) {
        return UntilCancelled(stopped, progress);
    });
    EXPECT_EQ(w.window->windowTitle(), "Brackwell - Pool Outlook");
    EXPECT_TRUE(w.window->Computing());
    EXPECT_EQ(w.status->text(), kOutlookWorking);
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.progress->value() == w.progress->maximum() / 4; }));
    EXPECT_TRUE(w.progress->isVisible());
    EXPECT_TRUE(w.window->findChild<QPushButton*>("cmdCancel")->isEnabled());

    w.Click("cmdCancel");
    ASSERT_TRUE(w.Finished());
    EXPECT_TRUE(stopped);
    EXPECT_EQ(w.status->text(), kOutlookCancelled);
    EXPECT_FALSE(w.progress->isVisible());
    EXPECT_FALSE(w.window->findChild<QPushButton*>("cmdCancel")->isEnabled());
    EXPECT_EQ(w.grid->rowCount(), 0);
}

TEST(frmPoolOutlook, ClosingWhileComputingStopsTheWorkAndTheWindowGoes) {
    std::atomic<bool> stopped = false;
    OutlookWindow w([&stopped](const OutlookPool&, const OutlookOptions&, const OutlookProgress& progress) {
        return UntilCancelled(stopped, progress);
    });
    w.Click("cmdClose");
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(QTest::qWaitFor([&w] { return w.window.isNull(); }));
}

TEST(frmPoolOutlook, OpensBestChanceFirstAndNumericColumnsSortByTheirNumbers) {
    OutlookWindow w([](const OutlookPool& pool, const OutlookOptions&, const OutlookProgress&) {
        OutlookResult result;
        result.Outcomes = 8;
        result.UndecidedGames = 3;
        const double even[] = {10.3, 100, 9.5};
        for (std::size_t i = 0; i < pool.Entrants.size(); ++i) {
            OutlookRow row;
            row.FileName = pool.Entrants[i].FileName;
            row.PlayerName = pool.Entrants[i].PlayerName;
            row.ChanceEven = even[i];
            result.Rows.push_back(row);
        }
        return std::optional<OutlookResult>(result);
    });
    ASSERT_TRUE(w.Finished());
    // Best chance of first first: here every seeded chance is 0, so the coin toss decides.
    EXPECT_EQ(w.Column(0), (std::vector<QString>{"Bond, XX", "Abel, XX", "Cole, XX"}));
    EXPECT_EQ(w.Column(6), (std::vector<QString>{"100.0%", "10.3%", "9.5%"}));
    EXPECT_EQ(w.status->text().toStdString().rfind("Counted exactly: all 8 ways the 3 remaining games can go.", 0), 0u);

    w.ClickHeader(6);
    EXPECT_EQ(w.Column(6), (std::vector<QString>{"9.5%", "10.3%", "100.0%"}));
    w.ClickHeader(6);
    EXPECT_EQ(w.Column(6), (std::vector<QString>{"100.0%", "10.3%", "9.5%"}));
    w.ClickHeader(0);
    EXPECT_EQ(w.Column(0), (std::vector<QString>{"Abel, XX", "Bond, XX", "Cole, XX"}));
}

// Every participant even, and how many results the pool it was counted on had entered.
std::optional<OutlookResult> EvenRows(const OutlookPool& pool, const OutlookOptions&, const OutlookProgress&) {
    OutlookResult result;
    int entered = 0;
    for (int p = 1; p <= kPositionCount; ++p) entered += RoundOfPosition(p) > 0 && !pool.Results[p].empty() ? 1 : 0;
    for (std::size_t i = 0; i < pool.Entrants.size(); ++i) {
        OutlookRow row;
        row.PlayerName = pool.Entrants[i].PlayerName;
        row.FileName = pool.Entrants[i].FileName;
        row.ChanceSeeded = i == 0 ? entered : 0;
        result.Rows.push_back(row);
    }
    return result;
}

std::vector<QString> PrizeTexts(const frmPoolOutlook& window) {
    const auto* grid = window.findChild<QTableWidget*>("grdPrizes");
    std::vector<QString> texts;
    for (int r = 0; r < grid->rowCount(); ++r) texts.push_back(grid->item(r, 0)->text());
    return texts;
}

// The search for a winning scenario ends a participant's look: Cancel stops it as well.
TEST(frmPoolOutlook, CancelStopsTheScenarioSearch) {
    std::atomic<bool> searching = false, stopped = false;
    OutlookWindowWork work{EvenRows};
    work.scenario = [&](const OutlookPool&, int, const OutlookProgress& progress) -> std::optional<OutlookScenario> {
        searching = true;
        while (progress(0, 0)) std::this_thread::yield();
        stopped = true;
        return std::nullopt;
    };
    OutlookWindow w(std::move(work));
    // The participant first in the grid is looked at as soon as the count is in.
    ASSERT_TRUE(QTest::qWaitFor([&searching] { return searching.load(); }, 20000));
    w.Click("cmdCancel");
    ASSERT_TRUE(w.Finished());
    EXPECT_TRUE(stopped);
    EXPECT_EQ(w.status->text(), kOutlookCancelled);
}

TEST(frmPoolOutlook, PrizesAreSavedAndReadBackAndNeitherABadAmountNorAFaultyFileLosesTheFile) {
    OutlookWindow w(EvenRows);
    ASSERT_TRUE(w.Finished());
    auto* prizes = w.window->findChild<QTableWidget*>("grdPrizes");
    for (const char* button : {"cmdAddPlace", "cmdAddPlace", "cmdAddPlace", "cmdRemovePlace"})
        w.window->findChild<QPushButton*>(button)->click();
    prizes->item(0, 0)->setText("60");
    prizes->item(1, 0)->setText(" 25.50 ");
    w.window->findChild<QPushButton*>("cmdSavePrizes")->click();
    EXPECT_EQ(w.folder.Read(kPrizeFileName), "60\r\n25.5\r\n");
    EXPECT_TRUE(w.test.dialogs.messages().empty());

    prizes->item(1, 0)->setText("lots");
    w.test.dialogs.AllowMessages();
    w.window->findChild<QPushButton*>("cmdSavePrizes")->click();
    ASSERT_EQ(w.test.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.test.dialogs.messages()[0].text.rfind("The prize of place 2, \"lots\", is not an amount", 0), 0u);
    EXPECT_EQ(w.folder.Read(kPrizeFileName), "60\r\n25.5\r\n");

    // Reopened on a faulty file: what comes before the fault is shown, and the file stays until
    // the organiser agrees to replace it.
    w.test.dialogs.ClearCalls();
    w.folder.Write(kPrizeFileName, "50.5\r\nfifty\r\n");
    const QPointer<frmPoolOutlook> again = new frmPoolOutlook(w.model, w.test.platform, {}, nullptr, {}, {EvenRows});
    ASSERT_EQ(w.test.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.test.dialogs.messages()[0].text.rfind("PRIZES.TXT, line 2: \"fifty\" is not a prize.", 0), 0u);
    EXPECT_EQ(PrizeTexts(*again), (std::vector<QString>{"50.5"}));
    w.test.dialogs.Answer(MsgAnswer::No);
    again->findChild<QPushButton*>("cmdSavePrizes")->click();
    EXPECT_EQ(w.folder.Read(kPrizeFileName), "50.5\r\nfifty\r\n");
    w.test.dialogs.Answer(MsgAnswer::Yes);
    again->findChild<QPushButton*>("cmdSavePrizes")->click();
    EXPECT_EQ(w.folder.Read(kPrizeFileName), "50.5\r\n");
    delete again.data();
}

TEST(frmPoolOutlook, TheChartReplaysEachCompletedRoundAndPublishMailsThePageOnlyWhenAsked) {
    std::vector<int> rounds;
    int mailWindows = 0;
    OutlookWindowHooks hooks;
    hooks.showMailWindow = [&mailWindows] { ++mailWindows; };
    // Each completed round's outlook counted on the pool as it stood after it.
    const auto replay = [&rounds](const OutlookPool& pool, const OutlookOptions& options, const OutlookResult&,
                                  const OutlookProgress& progress) {
        std::vector<OutlookResult> outlooks;
        for (int round = 0; round <= CompletedRounds(pool); ++round) {
            rounds.push_back(round);
            outlooks.push_back(*EvenRows(PoolAfterRound(pool, round), options, progress));
        }
        return std::optional<std::vector<OutlookResult>>(outlooks);
    };
    const auto page = [](const OutlookPool& pool, const OutlookResult& result, const std::vector<OutlookResult>& seen) {
        return "<p>" + std::to_string(pool.Entrants.size()) + " " + std::to_string(result.Rows.size()) + " " +
               std::to_string(seen.size()) + "</p>";
    };
    OutlookWindow w({.count = EvenRows, .replay = replay, .page = page}, hooks);
    ASSERT_TRUE(w.Finished());
    EXPECT_EQ(rounds, (std::vector<int>{0, 1}));
    const QWidget* chart = w.window->findChild<QWidget*>("chtSeason");
    EXPECT_EQ(chart->accessibleName(), "Chance of first, stage by stage");
    EXPECT_EQ(chart->accessibleDescription().toStdString().rfind(
                  "Chance of first by stage. Abel, XX: Start 0.0%, Round 1 32.0%.", 0),
              0u)
        << chart->accessibleDescription().toStdString();

    auto* publish = w.window->findChild<QPushButton*>("cmdPublish");
    ASSERT_TRUE(publish->isEnabled());
    w.test.dialogs.Answer(MsgAnswer::No);
    publish->click();
    EXPECT_EQ(w.folder.Read(kOutlookPageName), "<p>3 3 2</p>");
    EXPECT_EQ(mailWindows, 0);
    EXPECT_TRUE(w.test.mail.sent.empty());

    w.folder.Write(kOutlookPageName, "old");
    w.test.dialogs.Answer(MsgAnswer::Yes);
    publish->click();
    EXPECT_EQ(w.folder.Read(kOutlookPageName), "<p>3 3 2</p>");
    EXPECT_EQ(mailWindows, 1);
    ASSERT_EQ(w.test.mail.sent.size(), 1u);
    ASSERT_EQ(w.test.mail.sent[0].attachments.size(), 1u);
    EXPECT_EQ(w.test.mail.sent[0].attachments[0].path, w.model.AppFilePath(kOutlookPageName));
}

TEST(frmPoolOutlook, WithoutResultsNothingIsComputedAndTheWindowSaysWhy) {
    bool computed = false;
    TempFolder empty;
    modBrackwell model(empty.path());
    TestPlatform test;
    test.dialogs.AllowMessages();
    QPointer<frmPoolOutlook> window = new frmPoolOutlook(
        model, test.platform, {}, nullptr, OutlookOptions{},
        {[&computed](const OutlookPool&, const OutlookOptions&, const OutlookProgress&) {
            computed = true;
            return std::optional<OutlookResult>();
        }});
    window->show();
    EXPECT_FALSE(window->Computing());
    EXPECT_FALSE(computed);
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].title, "INVALID REQUEST TO LOAD FILE");
    EXPECT_EQ(window->findChild<QLabel*>("lblStatus")->text(), kOutlookNoResults);
    delete window.data();
}

// The demo pool of the 2000 tournament with the results of the last 15 games (the regional
// semifinals on) taken back: the window's table is the command's, counted exactly.
TEST(frmPoolOutlook, OnTheDemoPoolWithFifteenGamesOpenTheTableIsTheCommands) {
    TempFolder folder;
    testing::WriteBytes(folder.File("DEMOSET.ZIP"), testing::ReadBytes(std::string(BRACKWELL_APP_DIR) + "/DEMOSET.ZIP"));
    modBrackwell model(folder.path());
    TestPlatform test;
    DemoSet(model, test.dialogs);
    ReadSelections(model, test.dialogs, model.AppFilePath(kResultsFileName));
    for (int p = 1; p <= kPositionCount; ++p)
        if (RoundOfPosition(p) >= 3) model.SelLines[p].clear();
    ASSERT_TRUE(WriteSelections(model, test.dialogs, model.AppFilePath(kResultsFileName)));

    const testing::CliRun run = testing::RunCli({"outlook", "--folder", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\texact\t"), std::string::npos);

    modBrackwell shown(folder.path());
    QPointer<frmPoolOutlook> window = new frmPoolOutlook(shown, test.platform);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window->Computing(); }, 60000));
    EXPECT_EQ(window->findChild<QLabel*>("lblStatus")->text().toStdString().rfind(
                  "Counted exactly: all 32768 ways the 15 remaining games can go.", 0),
              0u);
    // Each of the command's rows is in the grid: name, points, most possible, places, chances, status.
    const auto* grid = window->findChild<QTableWidget*>("grdOutlook");
    std::vector<std::string> expected, shownRows;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) f.push_back(field);
        ASSERT_EQ(f.size(), 13u);
        expected.push_back(f[1] + "|" + f[2] + "|" + f[3] + "|" + f[4] + "|" + f[5] + "|" +
                           PercentText(std::stod(f[9])) + "|" + PercentText(std::stod(f[10])) + "|" + f[12]);
    }
    for (int r = 0; r < grid->rowCount(); ++r) {
        std::string row;
        for (int c = 0; c < 8; ++c) row += (c > 0 ? "|" : "") + grid->item(r, c)->text().toStdString();
        shownRows.push_back(row);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(shownRows.begin(), shownRows.end());
    EXPECT_EQ(shownRows, expected);
    delete window.data();
}

}  // namespace
}  // namespace brackwell
