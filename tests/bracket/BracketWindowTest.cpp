#include "bracket/frmPoolMain.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRubberBand>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "desktop/AnsiQt.h"
#include "desktop/ColumnCaption.h"
#include "desktop/FittedLabel.h"
#include "core/DemoSet.h"
#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/ShippedTeamNames.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::DialogKind;
using testing::TempFolder;
using testing::TestPlatform;

StartLinesArray Field(const char* finalized) {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = "Texas A&M";
    lines[kFinalizedLine] = finalized;
    return lines;
}

// A bracket window on a pool folder, with the frame's windows counted instead of shown.
struct Window {
    TempFolder folder;
    TestPlatform platform;
    modBrackwell model{folder.path()};
    int setupShown = 0, standingsShown = 0, reportsShown = 0, outlookShown = 0, reloads = 0;
    std::vector<modBrackwell::RosterHandOverValues> rosterShown;
    std::unique_ptr<frmPoolMain> window;

    explicit Window(const char* finalized = "1") { folder.Write(kStartFileName, StartFileContents(Field(finalized))); }

    BracketWindowHooks AllHooks() {
        BracketWindowHooks hooks;
        hooks.openSetup = [this] { ++setupShown; };
        hooks.openStandings = [this] { ++standingsShown; };
        hooks.openReports = [this] { ++reportsShown; };
        hooks.openOutlook = [this] { ++outlookShown; };
        hooks.editRoster = [this] { rosterShown.push_back(model.RosterHandOver); };
        hooks.reload = [this] { ++reloads; };
        return hooks;
    }
    frmPoolMain& Open(BracketWindowHooks hooks) {
        window = std::make_unique<frmPoolMain>(model, platform.platform, std::move(hooks));
        window->show();
        return *window;
    }
    frmPoolMain& Open() { return Open(AllHooks()); }

    template <typename T = QLabel>
    T* Find(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* Team(int label) const { return Find(QStringLiteral("lblRegion_%1").arg(label)); }
    std::string Caption(int label) const { return QStringToAnsi(Team(label)->text()); }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(QLatin1String(name)); }
    QAction* Action(const char* name) const { return Find<QAction>(QLatin1String(name)); }
    void Trigger(const char* name) const { Action(name)->trigger(); }
    QRgb Color(int label) const { return Team(label)->palette().color(QPalette::WindowText).rgb(); }

    void Click(int label, Qt::MouseButton button = Qt::LeftButton) const {
        QTest::mousePress(Team(label), button);
        QTest::mouseRelease(Team(label), button);
    }
    void Drag(int origin, int target) const {
        QTest::mousePress(Team(origin), Qt::LeftButton);
        QTest::mouseMove(Team(target));
        QTest::mouseRelease(Team(target), Qt::LeftButton);
    }
    void Fill(const char* initials, const char* name, const char* total) const {
        Edit("txtPlayerInitials")->setText(QLatin1String(initials));
        Edit("txtPlayerName")->setText(QLatin1String(name));
        Edit("txtFinalPoints")->setText(QLatin1String(total));
    }
};

TEST(BracketWindow, ShowsTheFieldWithItsCaptionsColoursAndTips) {
    Window w;
    frmPoolMain& window = w.Open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Make Tournament Selections"));
    EXPECT_EQ(w.Team(0)->text(), QStringLiteral("Texas A&M"));  // no shortcut made of the "&"
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.Team(0));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Texas A&M"));
    EXPECT_EQ(w.Team(0)->toolTip(), QStringLiteral("Left Click or Drag to Select"));
    EXPECT_EQ(w.Team(108)->toolTip(), QStringLiteral("Left Click or Drag to Select"));
    EXPECT_EQ(w.Team(16)->toolTip(), QString());
    EXPECT_EQ(w.Color(0), qRgb(0, 0, 255));
    EXPECT_EQ(w.Find(QStringLiteral("Label1"))->text(), QStringLiteral("Enter Initials & Last Name"));
    EXPECT_EQ(w.Find(QStringLiteral("Label1"))->palette().color(QPalette::WindowText).rgb(), qRgb(255, 0, 0));
    EXPECT_EQ(w.Find(QStringLiteral("Label2"))->text(), QStringLiteral("Tournament Winner"));
    EXPECT_EQ(w.Find(QStringLiteral("lblFinalPoints"))->text(), QStringLiteral("Total Points"));
    EXPECT_EQ(w.Find(QStringLiteral("lblInfo1"))->text(), QStringLiteral("Payoff Points / Round:"));
    EXPECT_EQ(w.Find(QStringLiteral("lblInfo2"))->text(), QStringLiteral("  1     2    3     4    5    6"));
    EXPECT_EQ(w.Find(QStringLiteral("lblInfo_5"))->text(), QStringLiteral("16"));
    EXPECT_EQ(w.Find(QStringLiteral("lblDemoMode"))->text(), QStringLiteral("Demonstration Mode"));
    EXPECT_FALSE(w.Find(QStringLiteral("lblDemoMode"))->isVisible());
    EXPECT_EQ(w.Edit("txtFinalPoints")->toolTip(), QStringLiteral("Predict total points in Championship game"));
    EXPECT_EQ(w.Edit("txtSeed_0")->text(), QStringLiteral(" 1"));
    EXPECT_TRUE(w.Edit("txtSeed_0")->isReadOnly());
    auto* ret = w.Find<QPushButton>(QStringLiteral("cmdDefaultColors"));
    EXPECT_EQ(ret->text(), QStringLiteral("Return"));
    EXPECT_FALSE(ret->isVisible());
    for (int game = 0; game < kGameCount; ++game) EXPECT_EQ(w.Find(QStringLiteral("lblResult_%1").arg(game))->text(), "");
}

TEST(BracketWindow, AtItsOpeningSizeEveryShippedTeamNameShowsWholeAndTheRoundNumbersStandOverTheirBoxes) {
    Window w;
    frmPoolMain& window = w.Open();
    window.resize(window.sizeHint());
    for (int label : {0, 16, 30, 124, kChampionLabel}) {
        auto* team = qobject_cast<FittedLabel*>(w.Team(label));
        ASSERT_NE(team, nullptr);
        for (const std::string& name : testing::ShippedTeamNames()) {
            team->setText(AnsiToQString(name));
            EXPECT_FALSE(team->fit().elided) << label << " " << name;
        }
    }
    auto* numbers = qobject_cast<ColumnCaption*>(w.Find(QStringLiteral("lblInfo2")));
    ASSERT_NE(numbers, nullptr);
    const std::vector<int> centres = numbers->WordCentres();
    ASSERT_EQ(centres.size(), 6u);
    for (int round = 0; round < 6; ++round) {
        QLabel* box = w.Find(QStringLiteral("lblInfo_%1").arg(round));
        EXPECT_EQ(numbers->mapTo(&window, QPoint(centres[static_cast<std::size_t>(round)], 0)).x(),
                  box->mapTo(&window, box->rect().center()).x());
    }
}

TEST(BracketWindow, TheMenuHasItsCaptionsAndShortcuts) {
    Window w;
    w.Open();
    struct Row {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Row rows[] = {
        {"mnuNewSelection", "&New Selection", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"mnuOpenSelection", "&Open Selection", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuSaveSelection", "&Save Selection", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuPrintForm", "&Print Form", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"mnuExit", "&Exit", {}},
        {"mnuSetup", "Setup Pool Options", {}},
        {"mnuGameResults", "Enter Game Results", {}},
        {"mnuScoreSelections", "Score Selections", {}},
        {"mnuReports", "Report Options", {}},
        {"mnuRptOutlook", "Pool Outlook", {}},
        {"mnuEditNames", "Edit Names File", {}},
        {"mnuDemoSet", "DEMO-Start", {}},
        {"mnuDemoReset", "DEMO-Reset", {}},
        {"mnuHighSeed", "Select High Seeds", {}},
        {"mnuPicsTest", "Test Quillon", {}},
        {"mnuPicsPrint", "Print Form", {}},
        {"mnuPicsEmail", "Send Email", {}},
        {"mnuHelpDisplay", "Help Display", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"mnuAboutDisplay", "About Brackwell", {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(w.Action(row.name)->text(), QString::fromLatin1(row.caption)) << row.name;
        EXPECT_EQ(w.Action(row.name)->shortcut(), row.shortcut) << row.name;
    }
    // The shortcuts work with the window active and no menu open.
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    w.platform.dialogs.ChooseFile(std::nullopt);
    QTest::keyClick(w.window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(w.platform.dialogs.calls().size(), 1u);
    EXPECT_EQ(w.platform.dialogs.calls()[0].kind, DialogKind::OpenFile);

    const char* menus[][2] = {{"mnuFileOptions", "File"}, {"mnuOptions", "Options"}, {"mnuDemo", "DEMO Mode"},
                              {"mnuAssist", "Entry Assist"}, {"mnuPicks", "Quillon"}, {"mnuHelp", "Help"}};
    for (const auto& menu : menus)
        EXPECT_EQ(w.Find<QMenu>(QLatin1String(menu[0]))->title(), QLatin1String(menu[1])) << menu[0];
}

TEST(BracketWindow, MenuStatesFollowTheSetupTheResultsDemoModeAndTheHooks) {
    struct Row {
        const char* finalized;
        bool results, demo, hooks;
        bool entry, score, setup, reports, demoMenu, demoSet, demoReset, quillon, names;
    };
    const Row rows[] = {
        {"0", false, false, true, false, false, true, false, true, true, false, false, true},
        {"1", false, false, true, true, false, false, true, false, false, false, true, true},
        {"1", true, false, true, true, true, false, true, false, false, false, true, true},
        {"1", true, true, true, true, true, true, true, true, false, true, true, true},
        {"1", true, true, false, true, true, false, false, true, false, false, true, false},
    };
    for (const Row& row : rows) {
        Window w(row.finalized);
        if (row.results) w.folder.Write(kResultsFileName, testing::SelectionFileBytes(testing::FieldOnly()));
        if (row.demo) w.folder.Write(kSettingsFileName, "1\r\n");
        w.Open(row.hooks ? w.AllHooks() : BracketWindowHooks{});
        SCOPED_TRACE(::testing::Message() << row.finalized << row.results << row.demo << row.hooks);
        for (const char* name : {"mnuNewSelection", "mnuOpenSelection", "mnuSaveSelection", "mnuGameResults"})
            EXPECT_EQ(w.Action(name)->isEnabled(), row.entry) << name;
        EXPECT_EQ(w.Action("mnuScoreSelections")->isEnabled(), row.score);
        EXPECT_EQ(w.Action("mnuSetup")->isEnabled(), row.setup);
        EXPECT_EQ(w.Action("mnuReports")->isEnabled(), row.reports);
        EXPECT_EQ(w.Action("mnuRptOutlook")->isEnabled(), row.reports);
        EXPECT_EQ(w.Find<QMenu>(QStringLiteral("mnuDemo"))->menuAction()->isEnabled(), row.demoMenu);
        EXPECT_EQ(w.Action("mnuDemoSet")->isEnabled(), row.demoSet);
        EXPECT_EQ(w.Action("mnuDemoReset")->isEnabled(), row.demoReset);
        for (const char* name : {"mnuPicsTest", "mnuPicsPrint", "mnuPicsEmail"})
            EXPECT_EQ(w.Action(name)->isEnabled(), row.quillon) << name;
        EXPECT_EQ(w.Action("mnuEditNames")->isEnabled(), row.names);
        EXPECT_EQ(w.Find(QStringLiteral("lblDemoMode"))->isVisible(), row.demo);
        EXPECT_TRUE(w.Action("mnuHighSeed")->isEnabled());
        EXPECT_TRUE(w.Action("mnuPrintForm")->isEnabled());
    }
}

TEST(BracketWindow, PicksAreMadeByClickDragAndRightClick) {
    Window w;
    w.Open();
    w.Click(0);
    EXPECT_EQ(w.Caption(16), "Texas A&M");
    // An outline follows the pointer while a team is dragged.
    auto* outline = w.window->findChild<QRubberBand*>();
    ASSERT_NE(outline, nullptr);
    QTest::mousePress(w.Team(2), Qt::LeftButton);
    QTest::mouseMove(w.Team(30));
    EXPECT_TRUE(outline->isVisible());
    QTest::mouseRelease(w.Team(30), Qt::LeftButton);
    EXPECT_FALSE(outline->isVisible());
    // TEAM3 went through 17, 24 and 28 to the regional final.
    for (int label : {17, 24, 28, 30}) EXPECT_EQ(w.Caption(label), "TEAM3") << label;
    w.Drag(5, 24);  // not on TEAM6's path
    EXPECT_EQ(w.Caption(24), "TEAM3");
    w.Click(28, Qt::RightButton);
    EXPECT_EQ(w.Caption(28), "");
    EXPECT_EQ(w.Caption(30), "");
    EXPECT_EQ(w.Caption(24), "TEAM3");
    w.Click(0, Qt::RightButton);  // a starting team stays
    EXPECT_EQ(w.Caption(0), "Texas A&M");
    // A release away from every team label does nothing.
    QTest::mousePress(w.Team(4), Qt::LeftButton);
    QTest::mouseRelease(w.Find(QStringLiteral("lblTitle")), Qt::LeftButton);
    EXPECT_EQ(w.Caption(18), "");
}

TEST(BracketWindow, NoPickWhileTheStandingsAreOpenOrMarksShown) {
    Window w;
    w.Open();
    w.model.StandingsOpen = true;
    w.Click(0);
    EXPECT_EQ(w.Caption(16), "");
    EXPECT_EQ(w.standingsShown, 1);  // the press brings the standings to the front
    w.model.StandingsOpen = false;
    w.model.MarksShown = true;
    w.Drag(0, 30);
    w.Click(1);
    EXPECT_EQ(w.Caption(16), "");
    EXPECT_EQ(w.standingsShown, 1);
}

TEST(BracketWindow, EnterCyclesThroughInitialsNameAndTotal) {
    Window w;
    w.Open();
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    QLineEdit* fields[] = {w.Edit("txtPlayerInitials"), w.Edit("txtPlayerName"), w.Edit("txtFinalPoints")};
    fields[0]->setFocus();
    for (int step = 1; step <= 3; ++step) {
        QTest::keyClick(fields[(step - 1) % 3], Qt::Key_Return);
        EXPECT_TRUE(fields[step % 3]->hasFocus()) << step;
    }
}

TEST(BracketWindow, SavingThroughTheMenuWritesTheFileAndOpensTheRoster) {
    Window w;
    w.Open();
    w.Click(0);
    w.Fill("tm", "Smith", "145");
    w.platform.dialogs.ChooseFile(w.folder.File("Smith_TM.BKS"));
    w.Trigger("mnuSaveSelection");
    const std::string saved = w.folder.Read("Smith_TM.BKS");
    EXPECT_NE(saved.find("Texas A&M\r\nTEAM2\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\nTM\r\nSmith\r\n145\r\n*END*\r\n"), std::string::npos);
    ASSERT_EQ(w.rosterShown.size(), 1u);
    EXPECT_EQ(w.rosterShown[0].Action, "A");
    EXPECT_EQ(w.rosterShown[0].Key, "Smith,TM");
}

TEST(BracketWindow, ClicksAndCommandsWaitWhileACommandHoldsADialogOpen) {
    Window w;
    BracketWindowHooks hooks = w.AllHooks();
    // The roster editor after a save is modal: what reaches the window meanwhile is ignored.
    hooks.editRoster = [&w] {
        w.Click(1);
        w.Drag(1, 30);
        w.Trigger("mnuNewSelection");
        w.rosterShown.push_back(w.model.RosterHandOver);
    };
    w.Open(std::move(hooks));
    w.Click(0);
    w.Fill("TM", "Smith", "145");
    w.platform.dialogs.ChooseFile(w.folder.File("Smith_TM.BKS"));
    w.Trigger("mnuSaveSelection");
    ASSERT_EQ(w.rosterShown.size(), 1u);
    EXPECT_EQ(w.Caption(16), "Texas A&M");
    EXPECT_EQ(w.Caption(30), "");
    EXPECT_EQ(w.model.CurrentSelectionFile, w.folder.File("Smith_TM.BKS"));
    w.Click(1);  // and taken again once it is over
    EXPECT_EQ(w.Caption(16), "TEAM2");
}

TEST(BracketWindow, ScoringShowsTheMarksAndThePointsUntilReturn) {
    Window w;
    const SelLinesArray results = testing::UpperTeamsWin(Field("1"));
    w.folder.Write(kResultsFileName, testing::SelectionFileBytes(results));
    SelLinesArray picks = testing::WithPlayer(testing::UpperTeamsWin(Field("1")), "Smith", "TM", "145");
    picks[17] = "TEAM2";  // a first-round pick gone wrong
    w.folder.Write("Smith_TM.BKS", testing::SelectionFileBytes(picks));
    w.Open();
    w.platform.dialogs.ChooseFile(w.folder.File("Smith_TM.BKS"));
    w.Trigger("mnuOpenSelection");
    ASSERT_TRUE(w.Action("mnuScoreSelections")->isEnabled());
    w.Trigger("mnuScoreSelections");

    const ScoreRecord expected = ScoreLines(picks, results, PointsPerPosition({1, 2, 4, 8, 12, 16})).record;
    EXPECT_EQ(w.Edit("txtPointScore")->text().toStdString(),
              "Points: " + std::to_string(expected.Score) + " / " + std::to_string(expected.MaxScore));
    EXPECT_EQ(w.Find(QStringLiteral("lblResult_0"))->text(), QStringLiteral("X"));
    EXPECT_EQ(w.Color(16), qRgb(255, 0, 0));
    EXPECT_EQ(w.Find(QStringLiteral("lblResult_1"))->text(), QStringLiteral("="));
    EXPECT_EQ(w.Color(17), qRgb(0, 255, 0));
    auto* ret = w.Find<QPushButton>(QStringLiteral("cmdDefaultColors"));
    EXPECT_TRUE(ret->isVisible());
    EXPECT_TRUE(ret->isDefault());
    EXPECT_FALSE(w.Action("mnuSaveSelection")->isEnabled());
    EXPECT_FALSE(w.Action("mnuScoreSelections")->isEnabled());
    EXPECT_TRUE(w.Edit("txtPlayerName")->isReadOnly());
    w.Click(1, Qt::RightButton);
    w.Click(16, Qt::RightButton);
    EXPECT_EQ(w.Caption(16), "TEAM2");  // locked while scored

    QTest::mouseClick(ret, Qt::LeftButton);
    EXPECT_FALSE(ret->isVisible());
    EXPECT_EQ(w.Find(QStringLiteral("lblResult_0"))->text(), QString());
    EXPECT_EQ(w.Color(16), qRgb(0, 0, 255));
    EXPECT_EQ(w.Edit("txtPointScore")->text(), QString());
    EXPECT_FALSE(w.Edit("txtPlayerName")->isReadOnly());
    EXPECT_TRUE(w.Action("mnuSaveSelection")->isEnabled());
    EXPECT_TRUE(w.Action("mnuScoreSelections")->isEnabled());
}

// The scored view locks the three fields; results mode must give the final's total back.
TEST(BracketWindow, ResultsAfterAScoredViewKeepTheFinalTotalEditable) {
    Window w;
    w.folder.Write(kResultsFileName, testing::SelectionFileBytes(testing::UpperTeamsWin(Field("1"))));
    w.folder.Write("Smith_TM.BKS", testing::SelectionFileBytes(
                                       testing::WithPlayer(testing::UpperTeamsWin(Field("1")), "Smith", "TM", "145")));
    w.Open();
    w.platform.dialogs.ChooseFile(w.folder.File("Smith_TM.BKS"));
    w.Trigger("mnuOpenSelection");
    w.Trigger("mnuScoreSelections");
    ASSERT_TRUE(w.Edit("txtFinalPoints")->isReadOnly());
    w.Action("mnuGameResults")->setEnabled(true);
    w.Trigger("mnuGameResults");
    EXPECT_TRUE(w.Edit("txtPlayerName")->isReadOnly());
    EXPECT_FALSE(w.Edit("txtFinalPoints")->isReadOnly());
}

TEST(BracketWindow, ScoringWithoutResultsSaysSoAndInResultsModeOpensTheStandings) {
    Window w;
    w.Open();
    w.platform.dialogs.AllowMessages();
    w.Action("mnuScoreSelections")->setEnabled(true);
    w.Trigger("mnuScoreSelections");
    ASSERT_EQ(w.platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.platform.dialogs.messages()[0].title, "INVALID REQUEST TO LOAD FILE");
    EXPECT_EQ(w.platform.dialogs.messages()[0].text,
              "The file BRACKWELL.BKT is not present in the application directory!");
    EXPECT_FALSE(w.Action("mnuScoreSelections")->isEnabled());

    w.Trigger("mnuGameResults");
    w.Trigger("mnuScoreSelections");
    EXPECT_EQ(w.standingsShown, 1);
}

TEST(BracketWindow, GameResultsStartUnderFinalResultsAndSaveToTheResultsFile) {
    Window w;
    w.Open();
    w.Click(0);
    w.Trigger("mnuGameResults");
    EXPECT_TRUE(w.model.ResultsMode);
    EXPECT_EQ(w.Caption(16), "");
    EXPECT_EQ(w.Edit("txtPlayerInitials")->text(), QStringLiteral("A"));
    EXPECT_EQ(w.Edit("txtPlayerName")->text(), QStringLiteral("FinalResults"));
    EXPECT_TRUE(w.Edit("txtPlayerName")->isReadOnly());
    EXPECT_FALSE(w.Edit("txtFinalPoints")->isReadOnly());
    EXPECT_FALSE(w.Action("mnuGameResults")->isEnabled());
    EXPECT_TRUE(w.Action("mnuScoreSelections")->isEnabled());
    w.Click(1);
    w.Trigger("mnuSaveSelection");  // no dialog: straight to the results file
    SelLinesArray lines;
    testing::TestPlatform quiet;
    ASSERT_TRUE(ReadSelectionsInto(lines, quiet.dialogs, w.folder.File(kResultsFileName)));
    EXPECT_EQ(lines[17], "TEAM2");
    EXPECT_EQ(lines[kPlayerNameLine], "FinalResults");

    // Entering results again starts from the file.
    w.Trigger("mnuNewSelection");
    EXPECT_FALSE(w.model.ResultsMode);
    EXPECT_EQ(w.Caption(16), "");
    w.Trigger("mnuGameResults");
    EXPECT_EQ(w.Caption(16), "TEAM2");
}

// The outlook's winning scenario is shown as results are; that nothing of it is saved, and its
// caption, are the session's test.
TEST(BracketWindow, AScenarioIsShownLikeResultsAndCanBeNeitherSavedNorScored) {
    Window w;
    w.Open();
    w.Trigger("mnuGameResults");
    w.Click(0);
    w.Trigger("mnuSaveSelection");
    SelLinesArray scenario{};
    scenario[17] = "TEAM2";
    scenario[kPlayerNameLine] = "FinalResults";
    w.window->ShowScenario(scenario, "");
    EXPECT_EQ(w.Caption(16), "TEAM2");
    EXPECT_FALSE(w.model.ResultsMode);
    EXPECT_FALSE(w.Action("mnuScoreSelections")->isEnabled());
    EXPECT_TRUE(w.Edit("txtPlayerName")->isReadOnly());
    w.Trigger("mnuGameResults");  // the real results come back
    EXPECT_EQ(w.Caption(16), "Texas A&M");

    // Under the open standings the bracket keeps what they score.
    w.model.StandingsOpen = true;
    w.platform.dialogs.AllowMessages();
    w.window->ShowScenario(scenario, "");
    EXPECT_EQ(w.Caption(16), "Texas A&M");
    ASSERT_EQ(w.platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.platform.dialogs.messages()[0].title, "Brackwell - frmPoolMain, ShowScenario");
}

TEST(BracketWindow, HighSeedsFillTheRegions) {
    Window w;
    w.Open();
    w.Trigger("mnuHighSeed");
    EXPECT_EQ(w.Caption(30), "Texas A&M");
    EXPECT_EQ(w.Caption(123), "TEAM49");
    EXPECT_EQ(w.Caption(124), "");
}

TEST(BracketWindow, PrintFormPrintsTheWindowsImageOnceConfirmed) {
    Window w;
    w.Open();
    w.platform.dialogs.ConfirmPrint(false);
    w.Trigger("mnuPrintForm");
    EXPECT_TRUE(w.platform.printer.images.empty());
    w.platform.dialogs.ConfirmPrint(true);
    w.Click(0);
    w.Trigger("mnuPicsPrint");  // an empty bracket for entries by hand
    ASSERT_EQ(w.platform.printer.images.size(), 1u);
    const WindowImage& image = w.platform.printer.images[0];
    EXPECT_GT(image.width, 1000);
    EXPECT_GT(image.height, 500);
    EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    EXPECT_EQ(w.Caption(16), "");
}

TEST(BracketWindow, SendEmailMailsThePickProgram) {
    Window w;
    w.Open();
    w.platform.dialogs.AllowMessages();
    w.Trigger("mnuPicsEmail");
    ASSERT_EQ(w.platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.platform.dialogs.messages()[0].text, "The file QUILLON.EXE doesn't exist.\r\n\r\nThis option cannot be continued.");
    EXPECT_EQ(w.platform.dialogs.messages()[0].title, "Brackwell - frmPoolMain, mnuPicsEmail_Click");
    EXPECT_EQ(w.platform.dialogs.messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(w.platform.mail.sent.empty());

    w.folder.Write("QUILLON.EXE", "program");
    w.Trigger("mnuPicsEmail");
    ASSERT_EQ(w.platform.mail.sent.size(), 1u);
    const MailMessage& mail = w.platform.mail.sent[0];
    EXPECT_EQ(mail.subject, "NCAA Pool Selections");
    EXPECT_TRUE(mail.recipients.empty());
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachments[0].path, w.folder.File("QUILLON.EXE"));
    EXPECT_EQ(mail.noteText.substr(0, 60), "The file attached to this Email is a program that will allow");
    EXPECT_NE(mail.noteText.find("Email.\r\n\r\n1) Select the winner"), std::string::npos);
    EXPECT_NE(mail.noteText.find("[File - SaveAs]. \r\n\r\n4) Finally"), std::string::npos);
    EXPECT_TRUE(mail.noteText.ends_with("would find a file with the name of Smith_TM.BKS."));
    EXPECT_EQ(w.platform.mail.signOns, 1);
    EXPECT_EQ(w.platform.mail.signOffs, 1);
    w.platform.mail.SignOn();  // a session already open is used as it is
    w.Trigger("mnuPicsEmail");
    EXPECT_EQ(w.platform.mail.signOns, 2);
    EXPECT_EQ(w.platform.mail.sent.size(), 2u);

    // The form for browsers goes along as the second attachment once it is built.
    w.folder.Write("QUILLON.HTM", "form");
    w.Trigger("mnuPicsEmail");
    ASSERT_EQ(w.platform.mail.sent.size(), 3u);
    const std::vector<MailAttachment>& both = w.platform.mail.sent[2].attachments;
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].path, w.folder.File("QUILLON.EXE"));
    EXPECT_EQ(both[1].path, w.folder.File("QUILLON.HTM"));
    EXPECT_EQ(both[1].position, 1);
    // Its note offers the form first and keeps the steps and the return of the ".BKS" file.
    const std::string& note = w.platform.mail.sent[2].noteText;
    for (const char* text : {"Open QUILLON.HTM in any web browser (on a computer, a tablet or a phone; nothing to "
                             "install), or run the program QUILLON.EXE", "Email.\r\n\r\n1) Select the winner",
                             "with the [Save As] button, in the program by selecting the menu option - [File - "
                             "SaveAs]. \r\n\r\n4) Finally", "with the name of Smith_TM.BKS."})
        EXPECT_NE(note.find(text), std::string::npos) << text;

    w.platform.mail.FailNext("");
    w.Trigger("mnuPicsEmail");
    ASSERT_EQ(w.platform.dialogs.messages().size(), 2u);
    EXPECT_EQ(w.platform.dialogs.messages()[1].text, "General Error Condition");
    EXPECT_EQ(w.platform.dialogs.messages()[1].title, "Brackwell - frmPoolMain, mnuPicsEmail_Click");
}

TEST(BracketWindow, HelpAboutAndTheTestRunReachTheirSeams) {
    Window w;
    w.Open();
    w.Trigger("mnuHelpDisplay");
    EXPECT_EQ(w.platform.help.helpFiles, std::vector<std::string>{w.folder.File("BRACKWELL.HLP")});
    w.platform.help.helpShows = false;
    w.platform.dialogs.AllowMessages();
    w.Trigger("mnuHelpDisplay");
    ASSERT_EQ(w.platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.platform.dialogs.messages()[0].title, "** Help File Problem **");
    EXPECT_EQ(w.platform.dialogs.messages()[0].text,
              "Trouble loading the help file, make sure that \r\nBRACKWELL.HLP is present in the same directory "
              "\r\nas the application program.");
    w.Trigger("mnuAboutDisplay");
    EXPECT_EQ(w.platform.help.aboutShown, 1);
    w.Trigger("mnuPicsTest");
    EXPECT_EQ(w.platform.launcher.started, std::vector<std::string>{w.folder.File("QUILLON.EXE")});
    w.platform.launcher.starts = false;
    w.Trigger("mnuPicsTest");
    ASSERT_EQ(w.platform.dialogs.messages().size(), 2u);
    EXPECT_EQ(w.platform.dialogs.messages()[1].title, "Brackwell - frmPoolMain, mnuPicsTest_Click");
    EXPECT_EQ(w.platform.dialogs.messages()[1].icon, MsgIcon::Critical);
}

TEST(BracketWindow, DemoCommandsChangeTheFolderAndReloadTheWindow) {
    Window w("0");
    testing::WriteBytes(w.folder.File(kDemoArchiveName), testing::ReadBytes(std::string(BRACKWELL_APP_DIR) + "/DEMOSET.ZIP"));
    w.Open();
    w.platform.dialogs.Answer(MsgAnswer::Cancel).Answer(MsgAnswer::OK);
    w.Trigger("mnuDemoSet");
    EXPECT_EQ(w.reloads, 0);
    ASSERT_EQ(w.platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.platform.dialogs.messages()[0].title, "** DEMO MODE SET **");
    EXPECT_EQ(w.platform.dialogs.messages()[0].text,
              "You have selected to enter DEMO MODE\r\n \r\nIf you continue, any setup activity INCLUDING the \r\n"
              "files defining the starting tournament teams and\r\nthe special comments will be deleted..\r\n \r\n"
              "Do you want to enter DEMO Mode?");
    w.Trigger("mnuDemoSet");
    EXPECT_EQ(w.reloads, 1);
    EXPECT_TRUE(DemoModeActive(w.model));

    Window reset("1");
    reset.folder.Write(kSettingsFileName, "1\r\n");
    reset.Open();
    reset.Trigger("mnuDemoReset");
    EXPECT_EQ(reset.reloads, 1);
    EXPECT_FALSE(reset.folder.Exists(kStartFileName));
    EXPECT_FALSE(reset.folder.Exists(kSettingsFileName));
}

TEST(BracketWindow, TheFrameWindowsOpenThroughTheirHooks) {
    Window w;
    w.folder.Write(kSettingsFileName, "1\r\n");  // demo mode keeps setup available once finalized
    w.Open();
    w.Trigger("mnuEditNames");
    ASSERT_EQ(w.rosterShown.size(), 1u);
    EXPECT_EQ(w.rosterShown[0].Action, "");
    w.Trigger("mnuReports");
    EXPECT_EQ(w.reportsShown, 1);
    EXPECT_FALSE(w.Action("mnuReports")->isEnabled());
    // The outlook follows the report entry and stays available while the report window is open.
    const QList<QAction*> options = w.Find<QMenu>(QStringLiteral("mnuOptions"))->actions();
    EXPECT_EQ(options.indexOf(w.Action("mnuRptOutlook")), options.indexOf(w.Action("mnuReports")) + 1);
    w.Trigger("mnuRptOutlook");
    EXPECT_EQ(w.outlookShown, 1);
    EXPECT_TRUE(w.Action("mnuRptOutlook")->isEnabled());
    w.window->EnableReports();  // the report window closed
    EXPECT_TRUE(w.Action("mnuReports")->isEnabled());
    w.Trigger("mnuGameResults");
    w.Trigger("mnuScoreSelections");
    EXPECT_EQ(w.standingsShown, 1);
    EXPECT_FALSE(w.Action("mnuScoreSelections")->isEnabled());
    w.window->EnableScoreSelections();  // the standings closed
    EXPECT_TRUE(w.Action("mnuScoreSelections")->isEnabled());
    w.Trigger("mnuSetup");
    EXPECT_EQ(w.setupShown, 1);
    EXPECT_FALSE(w.window->isVisible());  // the bracket window unloads
}

}  // namespace
}  // namespace brackwell
