#include <QAction>
#include <QMdiArea>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "desktop/frmPoolMIDI.h"
#include "core/StartFile.h"
#include "tests/setup/SetupWindowFixture.h"

namespace brackwell::testing {
namespace {

const std::string kBlankText = "You have selected FINALIZE and there are blank fields , this MUST be corrected!";

// A template with both areas, so that a finalizing save has something to build from.
std::string PickTemplate() {
    return "head" + std::string("@@TEAMS@@") + std::string(1070, '.') + std::string(1, '\0') + "@@OTHERS@@" +
           std::string(389, '.') + std::string(1, '\0') + "tail";
}

TEST_F(SetupWindowTest, LoadShowsTheStartFieldTheListAndTheDemoState) {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = "Texas A&M";
    lines[kComment1Line] = "Entries due|by Thursday";
    folder.Write(kStartFileName, StartFileContents(lines));
    frmPoolEntry& w = Open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Define Starting Field & Options"));
    EXPECT_EQ(Find<QLineEdit>("txtRegion", 0).text(), QStringLiteral("Texas A&M"));
    EXPECT_EQ(Find<QLineEdit>("txtRegion", 63).text(), QStringLiteral("TEAM64"));
    EXPECT_EQ(Find<QLabel>("lblSeed", 0).text(), QStringLiteral(" 1"));
    EXPECT_EQ(Find<QLabel>("lblSeed", 49).text(), QStringLiteral("16"));
    EXPECT_EQ(Find<QLineEdit>("TxtInfo", 4).text(), QStringLiteral("West Region"));
    EXPECT_EQ(Find<QLineEdit>("txtInfo6", 5).toolTip(), QStringLiteral("Points for selecting winner in FINAL GAME"));
    EXPECT_EQ(Find<QPlainTextEdit>(QStringLiteral("txtComment1")).toPlainText(),
              QStringLiteral("Entries due\nby Thursday"));
    EXPECT_EQ(Find<QListWidget>(QStringLiteral("lstTeamNames")).count(), 4);
    EXPECT_TRUE(w.mnuDemoSet->isEnabled());
    EXPECT_FALSE(w.mnuDemoReset->isEnabled());
    EXPECT_FALSE(Find<QLabel>(QStringLiteral("lblDemoMode")).isVisible());
    EXPECT_FALSE(Find<QProgressBar>(QStringLiteral("prgQuillon")).isVisible());
    EXPECT_EQ(w.mnuHelpDisplay->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_LE(w.sizeHint().width(), 1366);
    EXPECT_LE(w.sizeHint().height(), 640);
}

TEST_F(SetupWindowTest, DemoModeShowsItselfAndRefusesTheSave) {
    folder.Write("BRACKWELL.INI", "1\r\n");
    frmPoolEntry& w = Open();
    EXPECT_FALSE(w.mnuDemoSet->isEnabled());
    EXPECT_TRUE(w.mnuDemoReset->isEnabled());
    EXPECT_TRUE(Find<QLabel>(QStringLiteral("lblDemoMode")).isVisible());
    test.dialogs.AllowMessages();
    w.mnuSaveStartingField->trigger();
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].title, "DEMO MODE SAVE ATTEMPT");
    EXPECT_FALSE(folder.Exists(kStartFileName));
}

TEST_F(SetupWindowTest, AFailedCheckPutsTheFocusOnTheBoxToMend) {
    Open();
    Find<QPushButton>(QStringLiteral("cmdFinalize")).click();
    Find<QLineEdit>("txtRegion", 7).clear();
    Find<QLineEdit>("txtInfo6", 2).setText(QStringLiteral("100"));
    test.dialogs.AllowMessages();
    window->mnuSaveStartingField->trigger();
    EXPECT_EQ(test.dialogs.messages().back().title, "Initial TEAM FIELD NAMES are BLANK");
    EXPECT_EQ(test.dialogs.messages().back().text, kBlankText);
    EXPECT_TRUE(Find<QLineEdit>("txtRegion", 7).hasFocus());
    Find<QLineEdit>("txtRegion", 7).setText(QStringLiteral("Gonzaga"));
    window->mnuSaveStartingField->trigger();
    EXPECT_EQ(test.dialogs.messages().back().title, "PAYOFF POINTS / ROUND are INVALID");
    EXPECT_TRUE(Find<QLineEdit>("txtInfo6", 2).hasFocus());
    EXPECT_FALSE(folder.Exists(kStartFileName));
    EXPECT_EQ(returned, 0);
}

TEST_F(SetupWindowTest, CancellingTheFinalizeConfirmationOffersTheButtonAgain) {
    Open();
    auto& finalize = Find<QPushButton>(QStringLiteral("cmdFinalize"));
    finalize.click();
    EXPECT_FALSE(finalize.isEnabled());
    EXPECT_EQ(finalize.property("tag").toString(), QStringLiteral("1"));
    test.dialogs.Answer(MsgAnswer::Cancel);
    window->mnuSaveStartingField->trigger();
    EXPECT_TRUE(finalize.isEnabled());
    EXPECT_EQ(finalize.property("tag").toString(), QStringLiteral("0"));
    EXPECT_FALSE(folder.Exists(kStartFileName));
    test.dialogs.ClearCalls();
    window->mnuSaveStartingField->trigger();  // a plain save now, without asking
    EXPECT_TRUE(test.dialogs.calls().empty());
    EXPECT_TRUE(folder.Exists(kStartFileName));
    EXPECT_EQ(returned, 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(SetupWindowTest, FinalizingBuildsThePickProgramSavesAndReturnsToTheBracket) {
    folder.Write("QUILLON.OBJ", PickTemplate());
    folder.Write("QUILLON-TEMPLATE.HTM", "<p>form</p>" + PickTemplate());
    Open();
    Find<QLineEdit>("txtRegion", 0).setText(QStringLiteral("Texas A&M"));
    Find<QPlainTextEdit>(QStringLiteral("txtComment2")).setPlainText(QStringLiteral("line one\nline two"));
    Find<QPushButton>(QStringLiteral("cmdFinalize")).click();
    test.dialogs.Answer(MsgAnswer::OK);
    window->mnuSaveStartingField->trigger();
    const std::string program = folder.Read("QUILLON.EXE");
    EXPECT_EQ(program.size(), PickTemplate().size());
    EXPECT_EQ(program.substr(4 + 9, 11), "Texas A&M^T");
    EXPECT_NE(program.find("line one\r\nline two^"), std::string::npos);
    EXPECT_EQ(folder.Read("QUILLON.HTM"), "<p>form</p>" + program) << "the form's areas filled alike";
    StartLinesArray expected = DefaultStartLines();
    expected[0] = "Texas A&M";
    expected[kComment2Line] = "line one|line two";
    expected[kFinalizedLine] = "1";
    EXPECT_EQ(folder.Read(kStartFileName), StartFileContents(expected));
    const auto& progress = Find<QProgressBar>(QStringLiteral("prgQuillon"));
    EXPECT_FALSE(progress.isVisible());
    EXPECT_EQ(progress.maximum(), static_cast<int>(PickTemplate().size()));  // counted in bytes
    EXPECT_EQ(progress.value(), 0);
    EXPECT_EQ(returned, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SetupWindowTest, WithoutTheFormTemplateFinalizingWarnsAndGoesOnWithTheProgram) {
    folder.Write("QUILLON.OBJ", PickTemplate());
    Open();
    Find<QPushButton>(QStringLiteral("cmdFinalize")).click();
    test.dialogs.Answer(MsgAnswer::OK).Answer(MsgAnswer::OK);
    window->mnuSaveStartingField->trigger();
    const auto calls = test.dialogs.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].title, "QUILLON Routine");
    EXPECT_EQ(calls[1].text.substr(0, 46), "** The file QUILLON-TEMPLATE.HTM is missing.\r\n");
    EXPECT_TRUE(folder.Exists("QUILLON.EXE"));
    EXPECT_FALSE(folder.Exists("QUILLON.HTM"));
    EXPECT_EQ(returned, 1) << "finalized all the same";
}

TEST_F(SetupWindowTest, AFailedBuildAsksWhetherToFinalizeWithoutThePickProgram) {
    Open();
    // No template yet; then a template, but a name holding the areas' separator.
    for (const bool withTemplate : {false, true}) {
        if (withTemplate) {
            folder.Write("QUILLON.OBJ", PickTemplate());
            Find<QLineEdit>("txtRegion", 9).setText(QStringLiteral("St. John^s"));
        }
        Find<QPushButton>(QStringLiteral("cmdFinalize")).click();
        test.dialogs.Answer(MsgAnswer::OK).Answer(MsgAnswer::OK).Answer(MsgAnswer::Cancel);
        window->mnuSaveStartingField->trigger();
        const auto calls = test.dialogs.calls();
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[1].title, "QUILLON Routine");
        EXPECT_EQ(calls[2].title, "FAILURE WITH QUILLON creation");
        EXPECT_FALSE(folder.Exists(kStartFileName));
        EXPECT_FALSE(folder.Exists("QUILLON.EXE"));
        EXPECT_EQ(returned, 0);
        test.dialogs.ClearCalls();
    }
}

TEST_F(SetupWindowTest, TypingCompletesFromTheListUnlessOverridden) {
    Open();
    auto& list = Find<QListWidget>(QStringLiteral("lstTeamNames"));
    auto& box = Find<QLineEdit>("txtRegion", 3);
    box.setFocus();
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("du"));
    EXPECT_EQ(box.text(), QStringLiteral("Duke"));
    EXPECT_EQ(box.selectedText(), QStringLiteral("ke"));
    EXPECT_EQ(list.currentRow(), 1);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.selectedText(), QStringLiteral("uke"));

    Find<QPushButton>(QStringLiteral("cmdOverride")).click();
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("cmdOverride")).text(), QStringLiteral("Continue &Selecting"));
    EXPECT_FALSE(list.isEnabled());
    EXPECT_TRUE(box.hasFocus());  // back in the box last entered
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("du"));
    EXPECT_EQ(box.text(), QStringLiteral("du"));
}

TEST_F(SetupWindowTest, TheKeyboardAloneFillsBoxesFromTheList) {
    Open();
    auto& list = Find<QListWidget>(QStringLiteral("lstTeamNames"));
    auto& first = Find<QLineEdit>("txtRegion", 10);
    first.setFocus();
    QTest::keyClick(&first, Qt::Key_Down);  // into the list, and a step down it
    EXPECT_TRUE(list.hasFocus());
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.currentRow(), 1);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(first.text(), QStringLiteral("Duke"));
    auto& next = Find<QLineEdit>("txtRegion", 11);
    EXPECT_TRUE(next.hasFocus());
    QTest::keyClicks(&next, QStringLiteral("tex"));
    QTest::keyClick(&next, Qt::Key_Return);
    EXPECT_EQ(next.text(), QStringLiteral("Texas A&M"));
    EXPECT_TRUE(Find<QLineEdit>("txtRegion", 12).hasFocus());
}

TEST_F(SetupWindowTest, APressInTheListMarksTheCurrentBoxUntilTheListIsLeft) {
    Open();
    auto& list = Find<QListWidget>(QStringLiteral("lstTeamNames"));
    auto& box = Find<QLineEdit>("txtRegion", 20);
    const QColor normal = box.palette().color(QPalette::Base);
    box.setFocus();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(128, 255, 128));
    QTest::keyClick(&list, Qt::Key_Return);  // the name goes in; the focus moves to the next box
    EXPECT_EQ(box.text(), QStringLiteral("Kansas"));
    EXPECT_EQ(box.palette().color(QPalette::Base), window->palette().color(QPalette::Window));
    EXPECT_EQ(Find<QLineEdit>("txtRegion", 21).palette().color(QPalette::Base), normal);
    EXPECT_TRUE(list.selectedItems().isEmpty());  // entering a team box clears the choice
}

TEST_F(SetupWindowTest, ListButtonsEditTheListAndExitOffersToSaveIt) {
    Open();
    auto& list = Find<QListWidget>(QStringLiteral("lstTeamNames"));
    test.dialogs.AllowMessages();
    Find<QPushButton>(QStringLiteral("cmdDeleteName")).click();
    EXPECT_EQ(test.dialogs.messages().back().text, "** You need to select one team to DELETE **");
    EXPECT_FALSE(model.TeamNamesChanged);

    test.dialogs.Type("Gonzaga");
    Find<QPushButton>(QStringLiteral("cmdAddName")).click();
    EXPECT_EQ(list.currentItem()->text(), QStringLiteral("Gonzaga"));
    list.setCurrentRow(0);
    test.dialogs.Type("Arizona State");
    Find<QPushButton>(QStringLiteral("cmdChangeName")).click();
    list.setCurrentRow(2);  // Gonzaga
    test.dialogs.Answer(MsgAnswer::OK);
    Find<QPushButton>(QStringLiteral("cmdDeleteName")).click();
    QStringList shown;
    for (int i = 0; i < list.count(); ++i) shown << list.item(i)->text();
    EXPECT_EQ(shown, (QStringList{"Arizona State", "Duke", "Kansas", "Texas A&M"}));

    auto& box = Find<QLineEdit>("txtRegion", 5);
    box.setFocus();
    box.setText(QStringLiteral("Xavier"));
    Find<QLineEdit>("txtRegion", 6).setFocus();  // leaving the box records the new name
    test.dialogs.Answer(MsgAnswer::Yes);
    window->mnuEnd->trigger();
    EXPECT_EQ(test.dialogs.calls().back().title, "TEAM NAMES Changed / Added");
    EXPECT_EQ(folder.Read("NCAALIST.BKT"),
              CrLf({"*START*", "Arizona State", "Duke", "Kansas", "Texas A&M", "Xavier", "*END*"}));
    EXPECT_FALSE(folder.Exists(kStartFileName));  // Exit does not save the field
    EXPECT_EQ(returned, 1);
}

TEST_F(SetupWindowTest, ExitUnloadsItsFrameWindow) {
    frmPoolMIDI frame;
    frame.show();
    auto* setup = new frmPoolEntry(model, test.platform, {});
    frame.ShowChild(setup);
    setup->mnuEnd->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&frame] { return frame.mdiArea()->subWindowList().isEmpty(); }));
}

TEST_F(SetupWindowTest, ClearAllEmptiesTheTeamBoxes) {
    Open();
    Find<QPushButton>(QStringLiteral("cmdClear")).click();
    for (int k = 0; k < 64; ++k) EXPECT_TRUE(Find<QLineEdit>("txtRegion", k).text().isEmpty()) << k;
    EXPECT_TRUE(Find<QLineEdit>("txtRegion", 0).hasFocus());
    EXPECT_EQ(Find<QLineEdit>("TxtInfo", 0).text(), QStringLiteral("2002 NCAA Tournament"));
}

TEST_F(SetupWindowTest, DemoCommandsChangeTheFolderAndReload) {
    folder.Write(kStartFileName, StartFileContents(DefaultStartLines()));
    frmPoolEntry& w = Open();
    test.dialogs.Answer(MsgAnswer::Cancel);
    w.mnuDemoSet->trigger();
    EXPECT_EQ(test.dialogs.calls().back().title, "** DEMO MODE SET **");
    EXPECT_EQ(reloaded, 0);
    EXPECT_TRUE(folder.Exists(kStartFileName));
    test.dialogs.Answer(MsgAnswer::OK).AllowMessages();  // no archive here: its message follows
    w.mnuDemoSet->trigger();
    EXPECT_EQ(test.dialogs.messages().back().title, "BRACKWELL - DemoModeSet");
    EXPECT_TRUE(folder.Exists(kStartFileName));  // without an archive nothing changes
    EXPECT_EQ(reloaded, 1);
    folder.Write("BRACKWELL.INI", "1\r\n");
    model.SetupFinalized = "1";
    Open().mnuDemoReset->trigger();  // as the frame shows it again, in demo mode
    EXPECT_FALSE(folder.Exists("BRACKWELL.INI"));
    EXPECT_EQ(model.SetupFinalized, "0");
    EXPECT_EQ(reloaded, 2);
}

TEST_F(SetupWindowTest, HelpGoesToTheViewerAndReportsAMissingFile) {
    frmPoolEntry& w = Open();
    auto& box = Find<QLineEdit>("txtRegion", 0);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_H, Qt::ControlModifier);  // the shortcut works from the boxes
    EXPECT_EQ(test.help.helpFiles, (std::vector<std::string>{folder.path() + "/BRACKWELL.HLP"}));
    test.help.helpShows = false;
    test.dialogs.AllowMessages();
    w.mnuHelpDisplay->trigger();
    ASSERT_EQ(test.dialogs.messages().size(), 1u);
    EXPECT_EQ(test.dialogs.messages()[0].title, "** Help File Problem **");
    EXPECT_EQ(test.dialogs.messages()[0].text,
              "Trouble loading the help file, make sure that \r\nBRACKWELL.HLP is present in the same directory "
              "\r\nas the application program.");
    w.mnuAboutDisplay->trigger();
    EXPECT_EQ(test.help.aboutShown, 1);
}

}  // namespace
}  // namespace brackwell::testing
