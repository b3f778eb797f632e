#include "outlook/frmPoolOutlook.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/DemoSet.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "outlook/rules/OutlookExplanation.h"
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
    explicit OutlookWindow(frmPoolOutlook::Computation compute) : model(folder.path()) {
        WriteSmallPool(folder);
        window = new frmPoolOutlook(model, test.platform, nullptr, OutlookOptions{}, std::move(compute));
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

TEST(frmPoolOutlook, NumericColumnsSortByTheirNumbersFirstAscendingThenDescending) {
    OutlookWindow w([](const OutlookPool& pool, const OutlookOptions&, const OutlookProgress&) {
        OutlookResult result;
        result.Outcomes = 8;
        result.UndecidedGames = 3;
        const double even[] = {10.25, 100, 9.5};
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
    EXPECT_EQ(w.Column(0), (std::vector<QString>{"Abel_XX.BKS", "Bond_XX.BKS", "Cole_XX.BKS"}));
    EXPECT_EQ(w.status->text().toStdString().rfind("Counted exactly: all 8 ways the 3 remaining games can go.", 0), 0u);

    w.ClickHeader(10);
    EXPECT_EQ(w.Column(10), (std::vector<QString>{"9.50", "10.25", "100.00"}));
    EXPECT_EQ(w.Column(1), (std::vector<QString>{"Cole, XX", "Abel, XX", "Bond, XX"}));
    w.ClickHeader(10);
    EXPECT_EQ(w.Column(10), (std::vector<QString>{"100.00", "10.25", "9.50"}));
    w.ClickHeader(0);
    EXPECT_EQ(w.Column(0), (std::vector<QString>{"Abel_XX.BKS", "Bond_XX.BKS", "Cole_XX.BKS"}));
}

TEST(frmPoolOutlook, WithoutResultsNothingIsComputedAndTheWindowSaysWhy) {
    bool computed = false;
    TempFolder empty;
    const modBrackwell model(empty.path());
    TestPlatform test;
    test.dialogs.AllowMessages();
    QPointer<frmPoolOutlook> window = new frmPoolOutlook(
        model, test.platform, nullptr, OutlookOptions{},
        [&computed](const OutlookPool&, const OutlookOptions&, const OutlookProgress&) {
            computed = true;
            return std::optional<OutlookResult>();
        });
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

    const modBrackwell shown(folder.path());
    QPointer<frmPoolOutlook> window = new frmPoolOutlook(shown, test.platform);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window->Computing(); }, 60000));
    EXPECT_EQ(window->GridText(), run.out);
    EXPECT_EQ(window->findChild<QLabel*>("lblStatus")->text().toStdString().rfind(
                  "Counted exactly: all 32768 ways the 15 remaining games can go.", 0),
              0u);
    delete window.data();
}

}  // namespace
}  // namespace brackwell
