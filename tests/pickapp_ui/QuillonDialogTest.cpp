// The QUILLON window offscreen: the field shown, picks by clicks on the labels, Save As with
// its refusals and the file written, the menus and the keys it swallows.

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "pickapp/BracketGeometry.h"
#include "pickapp/QtPickDialogs.h"
#include "pickapp/QuillonDialog.h"
#include "tests/support/RecordingPickDialogs.h"
#include "tests/support/ShippedTeamNames.h"
#include "tests/support/TempFolder.h"

namespace brackwell::pick {
namespace {

using brackwell::testing::RecordingPickDialogs;
using brackwell::testing::TempFolder;

PickField Field() {
    PickField field;
    for (std::size_t i = 0; i < 64; ++i) field.teams[i] = "T" + std::to_string(i + 1);
    field.teams[0] = "Texas A&M";
    field.teams[16] = "Universit\xe9";
    field.others = {"2000 Pool", "Midwest", "West", "East", "South", "1", "2", "4", "8", "12", "16", "one\r\ntwo", ""};
    return field;
}

class QuillonDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(getcwd(oldFolder_, sizeof oldFolder_), nullptr);
        ASSERT_EQ(chdir(folder_.path().c_str()), 0) << "the demo flag is looked for in the current folder";
        dialog_ = std::make_unique<QuillonDialog>(Field(), dialogs_);
        dialog_->show();
    }
    void TearDown() override {
        dialog_.reset();
        ASSERT_EQ(chdir(oldFolder_), 0);
    }

    template <typename T>
    T* Control(const QString& name) const {
        T* control = dialog_->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QLabel* Team(int position) const { return Control<QLabel>(QStringLiteral("lblRegion_%1").arg(position - 1)); }
    void Click(int position) const { QTest::mouseClick(Team(position), Qt::LeftButton); }
    void Type(const char* name, const QString& text) const {
        QLineEdit* edit = Control<QLineEdit>(QString::fromLatin1(name));
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void Enter(const QString& initials, const QString& name, const QString& total) const {
        Type("txtPlayerInitials", initials);
        Type("txtPlayerName", name);
        Type("txtFinalPoints", total);
    }

    TempFolder folder_;
    RecordingPickDialogs dialogs_;
    std::unique_ptr<QuillonDialog> dialog_;
    char oldFolder_[4096] = {};
};

TEST_F(QuillonDialogTest, ShowsTheFieldAsItsAreasCarryIt) {
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("QUILLON"));
    QLabel* first = Team(1);
    EXPECT_EQ(first->text(), QStringLiteral("Texas A&M"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name), QStringLiteral("Texas A&M"));
    EXPECT_EQ(Team(32)->text(), QString::fromUtf8("Universit\xc3\xa9"));
    EXPECT_EQ(Team(109)->text(), QStringLiteral("T64"));
    EXPECT_EQ(Team(17)->text(), QString());
    EXPECT_EQ(Control<QLabel>(QStringLiteral("lblTitle"))->text(), QStringLiteral("2000 Pool"));
    EXPECT_EQ(Control<QLabel>(QStringLiteral("lblRegionTitle_1"))->text(), QStringLiteral("West"));
    EXPECT_EQ(Control<QLabel>(QStringLiteral("lblInfo_5"))->text(), QStringLiteral("16"));
    EXPECT_EQ(Control<QLabel>(QStringLiteral("lblComment_0"))->text(), QStringLiteral("one\ntwo"));
    // The left half's columns run left to right, the right half's mirror them.
    EXPECT_LT(Team(1)->x(), Team(17)->x());
    EXPECT_GT(Team(63)->x(), Team(79)->x());
    EXPECT_LT(Team(1)->y(), Team(2)->y());
}

TEST(QuillonLayout, TheWindowFitsA768PixelScreenWithAPanelAndATitleBar) {
    constexpr int kMenu = 25;
    struct Case {
        int freeWidth, freeHeight;
        DialogBase expected;
    };
    const Case cases[] = {
        {1920, 1050, {7, 13}},  // room enough: the font's own units
        {1366, 736, {7, 12}},   // 768 pixels less a panel of 32
        {1024, 600, {6, 10}},   // a small screen: never below three quarters of the font's
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitDialogBase({7, 13}, c.freeWidth, c.freeHeight, kMenu), c.expected)
            << c.freeWidth << "x" << c.freeHeight;
}

TEST_F(QuillonDialogTest, EveryShippedTeamNameShowsWholeInTheLabelsOfEachRound) {
    for (int position : {1, 17, 25, 29, 31, 125, 127}) {
        auto* label = qobject_cast<FittedLabel*>(Team(position));
        ASSERT_NE(label, nullptr);
        for (const std::string& name : brackwell::testing::ShippedTeamNames()) {
            label->setText(PickText(name));
            EXPECT_FALSE(label->fit().elided) << position << " " << name;
        }
    }
    // The widget tests' screen is 1366 x 768: the window leaves room for a title bar.
    EXPECT_LE(dialog_->height() + 28, dialog_->screen()->availableGeometry().height());
}

TEST_F(QuillonDialogTest, ClicksOnTheLabelsPickAndRepicksRemoveTheLoser) {
    for (int position : {1, 17, 25, 29, 31}) Click(position);
    EXPECT_EQ(Team(31)->text(), QStringLiteral("Texas A&M"));
    Click(2);
    EXPECT_EQ(Team(17)->text(), QStringLiteral("T2"));
    for (int position : {25, 29, 31}) EXPECT_EQ(Team(position)->text(), QString()) << position;
}

TEST_F(QuillonDialogTest, SaveAsWritesTheSelectionFile) {
    for (int position : {1, 17, 32}) Click(position);
    Enter(QStringLiteral("ab"), QStringLiteral("Smith"), QStringLiteral("12a34"));
    EXPECT_EQ(Control<QLineEdit>(QStringLiteral("txtFinalPoints"))->text(), QStringLiteral("123")) << "digits, three";
    dialogs_.chosenFile = folder_.File("Smith_ab.bks");
    dialog_->mnuFileSaveAs->trigger();

    ASSERT_EQ(dialogs_.requests.size(), 1u);
    const SaveFileRequest& request = dialogs_.requests[0];
    EXPECT_EQ(request.title, "Save File Name AS.....");
    EXPECT_EQ(request.filter, "Brackwell files (*.bks)|*.bks|All files (*.*)|*.*||");
    EXPECT_EQ(request.defaultExtension, "bks");
    EXPECT_EQ(request.suggestedName, "Smith_ab");
    EXPECT_TRUE(request.promptOverwrite);
    std::string expected;
    const PickField field = Field();
    for (int p = 1; p <= 127; ++p) {
        std::string caption;
        const int region = (p - 1) / 31, offset = p - 31 * region;
        if (p <= 124 && offset <= 16) caption = field.teams[static_cast<std::size_t>(16 * region + offset - 1)];
        if (p == 17 || p == 25) caption = "Texas A&M";
        if (p == 48) caption = "Universit\xe9";
        expected += caption + "\r\n";
    }
    expected += "ab\r\nSmith\r\n123\r\n*END*\r\n";
    EXPECT_EQ(folder_.Read("Smith_ab.bks"), expected);
    EXPECT_TRUE(dialogs_.warnings.empty());
}

TEST_F(QuillonDialogTest, SaveAsRefusalsAskForNoFile) {
    struct Case {
        const char* initials;
        const char* name;
        const char* total;
        bool demo;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"ab", "Smith", "120", true, "DEMO Mode active, you cannot save the file."},
        {"ab", "", "120", false,
         "Required fields are missing.  You must fill in the fields\nfor *Initials*, *Name*, and *Total Points "
         "Prediction*."},
        {"ab", "Smith", "49", false,
         "Final Game - you must enter a valid prediction\n(between 50 & 250) for the total score of this game."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        if (c.demo) folder_.Write("BRACKWELL.INI", "1\r\n");
        else unlink(folder_.File("BRACKWELL.INI").c_str());
        dialogs_.warnings.clear();
        Enter(QString::fromLatin1(c.initials), QString::fromLatin1(c.name), QString::fromLatin1(c.total));
        dialog_->mnuFileSaveAs->trigger();
        ASSERT_EQ(dialogs_.warnings.size(), 1u);
        EXPECT_EQ(dialogs_.warnings[0].first, "** QUILLON ERROR **");
        EXPECT_EQ(dialogs_.warnings[0].second, c.message);
        EXPECT_TRUE(dialogs_.requests.empty());
    }
}

// A failed save used to end the program, and the participant lost every pick.
TEST_F(QuillonDialogTest, FileThatCannotBeCreatedIsSaidAndThePicksStayForAnotherPlace) {
    Enter(QStringLiteral("ab"), QStringLiteral("Smith"), QStringLiteral("120"));
    dialogs_.chosenFile = folder_.File("no such folder/Smith_ab.bks");
    dialog_->mnuFileSaveAs->trigger();
    ASSERT_EQ(dialogs_.warnings.size(), 1u);
    EXPECT_EQ(dialogs_.warnings[0].second, "Cannot open file.");
    EXPECT_TRUE(dialog_->isVisible());
    dialogs_.chosenFile = folder_.File("Smith_ab.bks");
    dialog_->mnuFileSaveAs->trigger();
    EXPECT_NE(folder_.Read("Smith_ab.bks").find("ab\r\nSmith\r\n120\r\n*END*"), std::string::npos);
}

TEST_F(QuillonDialogTest, MenusAndSwallowedKeys) {
    EXPECT_FALSE(dialog_->mnuFileOpen->isEnabled());
    EXPECT_FALSE(dialog_->mnuFileSave->isEnabled());
    EXPECT_FALSE(dialog_->mnuHelpHelp->isEnabled());
    EXPECT_EQ(dialog_->mnuFileSaveAs->text(), QStringLiteral("Save &As"));
    EXPECT_EQ(dialog_->mnuHelpAbout->text(), QStringLiteral("&About"));
    dialog_->mnuHelpAbout->trigger();
    EXPECT_EQ(dialogs_.abouts, 1);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(dialog_.get(), key);
        QTest::keyClick(Control<QLineEdit>(QStringLiteral("txtPlayerName")), key);
        EXPECT_TRUE(dialog_->isVisible()) << key;
    }
    dialog_->mnuFileExit->trigger();
    EXPECT_FALSE(dialog_->isVisible());
}

}  // namespace
}  // namespace brackwell::pick
