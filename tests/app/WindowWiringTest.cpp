// The windows the frame opens from the bracket window's menu, and what they hand back.
#include <QApplication>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QPushButton>
#include <QTableWidget>

#include <filesystem>
#include <map>

#include <QTest>
#include <QHeaderView>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "app/AppSession.h"
#include "bracket/frmPoolMain.h"
#include "outlook/frmPoolOutlook.h"
#include "reports/frmPoolReports.h"
#include "setup/frmPoolEntry.h"
#include "standings/frmPoolMisc.h"
#include "core/SelectionFile.h"
#include "core/StartFile.h"
#include "desktop/AnsiQt.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/ModalDialog.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

// A session over a folder holding a field, finalized or not.
class WindowWiring : public ::testing::Test {
protected:
    WindowWiring() : env_("BRACKWELL_HOME", home_.path().c_str()) { WriteField("1"); }

    void WriteField(const char* finalized) {
        StartLinesArray lines = DefaultStartLines();
        lines[kFinalizedLine] = finalized;
        home_.Write(kStartFileName, StartFileContents(lines));
    }

    // The windows of the frame, by title, once closed windows are gone.
    QStringList Shown() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList titles;
        for (const QMdiSubWindow* window : session_.frame().mdiArea()->subWindowList())
            titles << window->widget()->windowTitle();
        return titles;
    }

    frmPoolEntry* SetupWindow() {
        Shown();
        return session_.frame().findChild<frmPoolEntry*>();
    }

    void UseDemoPool() {
        for (const auto& entry : std::filesystem::directory_iterator(BRACKWELL_SOURCE_DIR "/data/demo"))
            std::filesystem::copy_file(entry.path(), home_.File(entry.path().filename().string()),
                                       std::filesystem::copy_options::overwrite_existing);
    }

    frmPoolMain& Bracket() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmPoolMain* window = session_.bracketWindow();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    TempFolder home_;
    ScopedEnv env_;
    testing::TestPlatform platform_;
    AppSession session_{home_.path(), platform_.platform};
};

TEST_F(WindowWiring, EditNamesFileRunsTheRosterEditorModally) {
    session_.Start();
    ASSERT_TRUE(Bracket().mnuEditNames->isEnabled());
    QString title;
    testing::WhenModalDialogShows([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    Bracket().mnuEditNames->trigger();
    EXPECT_EQ(title, QStringLiteral("PlayerName Edit"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowWiring, SetupTakesThePlaceOfTheBracketWindowAndEveryWayOutLeadsBack) {
    WriteField("0");
    platform_.dialogs.AllowMessages();  // the folder has no team list
    session_.Start();
    ASSERT_TRUE(Bracket().mnuSetup->isEnabled());
    const QStringList bracketOnly{QStringLiteral("Make Tournament Selections")};
    const QStringList setupOnly{QStringLiteral("Define Starting Field & Options")};

    Bracket().mnuSetup->trigger();
    EXPECT_EQ(Shown(), setupOnly);
    ASSERT_NE(SetupWindow(), nullptr);
    SetupWindow()->mnuEnd->trigger();
    EXPECT_EQ(Shown(), bracketOnly);

    // The demo commands replace the setup window by a new one, and no bracket window comes.
    Bracket().mnuSetup->trigger();
    platform_.dialogs.Answer(MsgAnswer::OK);
    ASSERT_NE(SetupWindow(), nullptr);
    SetupWindow()->mnuDemoSet->trigger();
    EXPECT_EQ(Shown(), setupOnly);
    SetupWindow()->mnuDemoReset->trigger();
    EXPECT_EQ(Shown(), setupOnly);

    // Closing the window itself brings the bracket window back too: it holds the program's menu.
    qobject_cast<QMdiSubWindow*>(SetupWindow()->parentWidget())->close();
    EXPECT_EQ(Shown(), bracketOnly);

    // Closing the frame over the setup window ends with no window at all.
    Bracket().mnuSetup->trigger();
    session_.frame().close();
    EXPECT_EQ(Shown(), QStringList());
}

// No close leaves an empty frame: the bracket window's own close ends the program as Exit does,
// and the outlook's Close takes its frame window with it.
TEST_F(WindowWiring, ClosingAWindowNeverLeavesAnEmptyFrame) {
    UseDemoPool();
    session_.Start();
    session_.frame().show();
    Bracket().mnuRptOutlook->trigger();
    ASSERT_EQ(Shown().size(), 2);
    QTest::mouseClick(session_.frame().findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    EXPECT_EQ(Shown(), QStringList{"Make Tournament Selections"});

    qobject_cast<QMdiSubWindow*>(Bracket().parentWidget())->close();
    EXPECT_EQ(Shown(), QStringList{"Make Tournament Selections"});  // refused, the frame goes instead
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(session_.frame().isVisible());
}

// On a 1366 x 768 screen every window opens whole within the frame; the windows beside the
// bracket window leave its menu bar free, the setup window takes its place at the top.
TEST_F(WindowWiring, WindowsOpenWholeAndClearOfTheBracketWindowsMenu) {
    UseDemoPool();
    session_.Start();
    session_.frame().show();
    QWidget* area = session_.frame().mdiArea()->viewport();
    const QMenuBar* menu = Bracket().findChild<QMenuBar*>(QStringLiteral("menuBar"));
    const int menuBottom = menu->mapTo(area, QPoint(0, menu->height())).y();
    auto newest = [this] { return session_.frame().mdiArea()->subWindowList(QMdiArea::CreationOrder).back(); };
    auto expectWhole = [area](QMdiSubWindow* window) {
        EXPECT_TRUE(area->rect().contains(window->geometry())) << window->widget()->objectName().toStdString();
        EXPECT_GE(window->widget()->size().width(), window->widget()->minimumSizeHint().width());
    };

    for (QAction* opens : {Bracket().mnuReports, Bracket().mnuRptOutlook}) {
        opens->trigger();
        QMdiSubWindow* window = newest();
        EXPECT_EQ(window->pos(), QPoint(0, menuBottom)) << window->widget()->objectName().toStdString();
        expectWhole(window);
    }
    auto* grid = newest()->widget()->findChild<QTableWidget*>(QStringLiteral("grdOutlook"));
    ASSERT_NE(grid, nullptr);
    EXPECT_LE(grid->horizontalHeader()->length(), grid->viewport()->width());  // every column shows
    newest()->close();
    newest()->close();
    Shown();

    platform_.dialogs.AllowMessages();  // the folder has no team list
    Bracket().mnuSetup->trigger();
    ASSERT_NE(SetupWindow(), nullptr);
    auto* setup = qobject_cast<QMdiSubWindow*>(SetupWindow()->parentWidget());
    EXPECT_EQ(setup->pos(), QPoint(0, 0));  // the bracket window it replaces has gone
    expectWhole(setup);
    SetupWindow()->mnuEnd->trigger();
    EXPECT_EQ(qobject_cast<QMdiSubWindow*>(Bracket().parentWidget())->pos(), QPoint(0, 0));
}

// The outlook's winning scenario goes to the bracket window through the session, and no file of
// the pool changes for it.
TEST_F(WindowWiring, AWinningScenarioIsPaintedOnTheBracketWindowAndNothingIsSaved) {
    UseDemoPool();
    SelLinesArray results;
    ASSERT_TRUE(ReadSelectionsInto(results, platform_.dialogs, home_.File(kResultsFileName)));
    for (const int position : {125, 126, 127}) results[position].clear();
    home_.Write(kResultsFileName, testing::SelectionFileBytes(results));
    std::map<std::string, std::string> before;
    for (const auto& entry : std::filesystem::directory_iterator(home_.path()))
        before[entry.path().filename().string()] = testing::ReadBytes(entry.path().string());

    session_.Start();
    Bracket().mnuRptOutlook->trigger();
    auto* outlook = session_.frame().findChild<frmPoolOutlook*>();
    ASSERT_NE(outlook, nullptr);
    auto* scenario = outlook->findChild<QPushButton*>(QStringLiteral("cmdScenario"));
    ASSERT_TRUE(QTest::qWaitFor([scenario] { return scenario->isEnabled(); }, 60000));
    const auto* grid = outlook->findChild<QTableWidget*>(QStringLiteral("grdOutlook"));
    const std::string leader = QStringToAnsi(grid->item(0, 0)->text());
    scenario->click();

    EXPECT_EQ(Bracket().PlayerName(), "Scenario: " + leader);
    EXPECT_EQ(QStringToAnsi(Bracket().findChild<QLineEdit*>(QStringLiteral("txtPointScore"))->text()),
              "Scenario, not saved");
    EXPECT_NE(Bracket().TeamCaption(126), "");  // a champion of the scenario
    EXPECT_FALSE(Bracket().mnuSaveSelection->isEnabled());
    EXPECT_EQ(session_.frame().mdiArea()->activeSubWindow()->widget(), &Bracket());
    std::map<std::string, std::string> after;
    for (const auto& entry : std::filesystem::directory_iterator(home_.path()))
        after[entry.path().filename().string()] = testing::ReadBytes(entry.path().string());
    EXPECT_EQ(after, before);
}

TEST_F(WindowWiring, TheStandingsScoreTheResultsShownAndGiveTheBracketWindowBackOnEveryWayOut) {
    UseDemoPool();
    session_.Start();
    const QStringList bracketOnly{QStringLiteral("Make Tournament Selections")};
    const QStringList withStandings{bracketOnly.front(), QStringLiteral("Display Scores (Total, Possible)")};
    const auto openStandings = [this] {
        Bracket().mnuGameResults->trigger();
        ASSERT_TRUE(Bracket().mnuScoreSelections->isEnabled());
        Bracket().mnuScoreSelections->trigger();
    };
    const auto playerName = [this] { return Bracket().findChild<QLineEdit*>(QStringLiteral("txtPlayerName")); };

    openStandings();
    EXPECT_EQ(Shown(), withStandings);
    auto* standings = session_.frame().findChild<frmPoolMisc*>();
    ASSERT_NE(standings, nullptr);
    EXPECT_EQ(standings->findChild<QTableWidget*>(QStringLiteral("msgScoreDisplay"))->rowCount(), 4);
    EXPECT_TRUE(session_.model().StandingsOpen);
    EXPECT_FALSE(playerName()->isEnabled());
    EXPECT_FALSE(Bracket().mnuScoreSelections->isEnabled());
    // Its printouts would put a participant's picks where the standings read the results.
    EXPECT_FALSE(Bracket().mnuReports->isEnabled());

    standings->findChild<QPushButton*>(QStringLiteral("cmdExit"))->click();
    EXPECT_EQ(Shown(), bracketOnly);
    EXPECT_TRUE(Bracket().mnuReports->isEnabled());
    EXPECT_FALSE(session_.model().StandingsOpen);
    EXPECT_TRUE(playerName()->isEnabled());
    EXPECT_TRUE(Bracket().mnuScoreSelections->isEnabled());

    // A command that replaces the bracket window closes the standings painting on it first.
    openStandings();
    EXPECT_EQ(Shown(), withStandings);
    ASSERT_TRUE(Bracket().mnuDemoReset->isEnabled());
    Bracket().mnuDemoReset->trigger();
    EXPECT_EQ(Shown(), bracketOnly);
    EXPECT_FALSE(session_.model().StandingsOpen);
}

// The report window, opened from the menu, and each way it hands over to the bracket window.
class ReportsWiring : public WindowWiring {
protected:
    frmPoolReports& OpenReports() {
        UseDemoPool();
        session_.Start();
        Bracket().mnuReports->trigger();
        EXPECT_FALSE(Bracket().mnuReports->isEnabled());
        EXPECT_EQ(Shown(), QStringList({kBracketTitle, QStringLiteral("Brackwell Reports")}));
        return *session_.frame().findChild<frmPoolReports*>();
    }
    template <typename T>
    T* Control(QWidget& window, const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }
    QString PointScore() { return Control<QLineEdit>(Bracket(), "txtPointScore")->text(); }
    QString PlayerName() { return Control<QLineEdit>(Bracket(), "txtPlayerName")->text(); }

    static inline const QString kBracketTitle = QStringLiteral("Make Tournament Selections");
};

TEST_F(ReportsWiring, ExitGivesTheMenuEntryBack) {
    frmPoolReports& reports = OpenReports();
    Control<QPushButton>(reports, "cmdExit")->click();
    EXPECT_EQ(Shown(), QStringList({kBracketTitle}));
    EXPECT_TRUE(Bracket().mnuReports->isEnabled());
}

TEST_F(ReportsWiring, TheScoredSelectionPrintoutShowsTheFileScoredAndPrintsTheBracket) {
    frmPoolReports& reports = OpenReports();
    Control<QRadioButton>(reports, "optSelected_0")->setChecked(true);
    QListWidget* files = Control<QListWidget>(reports, "filList");
    const QList<QListWidgetItem*> brennan = files->findItems(QStringLiteral("Brennan_KJ.BKS"), Qt::MatchExactly);
    ASSERT_EQ(brennan.size(), 1);
    files->setCurrentItem(brennan.front());
    platform_.dialogs.ConfirmPrint(true);
    Control<QPushButton>(reports, "cmdSelectedPrintouts")->click();

    EXPECT_EQ(Shown(), QStringList({kBracketTitle}));
    EXPECT_EQ(PlayerName(), QStringLiteral("Brennan"));
    EXPECT_EQ(PointScore(), QStringLiteral("Points: 118 / 118"));
    EXPECT_EQ(session_.model().CurrentSelectionFile, home_.File("Brennan_KJ.BKS"));
    EXPECT_EQ(platform_.printer.images.size(), 1u);
    EXPECT_TRUE(Bracket().mnuReports->isEnabled());
}

TEST_F(ReportsWiring, TheResultsSheetPrintsTheResults) {
    frmPoolReports& reports = OpenReports();
    Control<QRadioButton>(reports, "optSelected_1")->setChecked(true);
    platform_.dialogs.ConfirmPrint(true);
    Control<QPushButton>(reports, "cmdSelectedPrintouts")->click();

    EXPECT_EQ(Shown(), QStringList({kBracketTitle}));
    EXPECT_EQ(PlayerName(), QStringLiteral("FinalResults"));
    EXPECT_TRUE(session_.model().ResultsMode);
    EXPECT_EQ(platform_.printer.images.size(), 1u);
}

TEST_F(ReportsWiring, CustomReportingShowsTheStandingsOverTheResults) {
    frmPoolReports& reports = OpenReports();
    Control<QPushButton>(reports, "cmdCustomReport")->click();

    EXPECT_EQ(Shown(), QStringList({kBracketTitle, QStringLiteral("Display Scores (Total, Possible)")}));
    EXPECT_EQ(PlayerName(), QStringLiteral("FinalResults"));
    EXPECT_TRUE(session_.model().StandingsOpen);
}

}  // namespace
}  // namespace brackwell
