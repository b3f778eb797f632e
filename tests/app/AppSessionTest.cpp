#include "app/AppSession.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "desktop/AnsiQt.h"
#include "bracket/frmPoolMain.h"
#include "core/SelectionFile.h"
#include "outlook/frmPoolOutlook.h"
#include "core/RosterFile.h"
#include "core/StartFile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/SampleBrackets.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

StartLinesArray SampleField() {
    StartLinesArray lines = DefaultStartLines();
    lines[0] = "Duke";
    lines[1] = "Lamar";
    lines[15] = "Lafayette";
    lines[16] = "Michigan State";
    lines[40] = "Miami (FL)";
    lines[62] = "St. John's";
    lines[63] = "Caf\xE9 <State> & Co";
    lines[kTitleLine] = "2000 NCAA Tournament";
    lines[kFirstRegionNameLine + 0] = "East Region";
    lines[kFirstRegionNameLine + 3] = "West Region";
    const char* points[] = {"2", "3", "5", "8", "13", "21"};
    for (int round = 0; round < 6; ++round) lines[kFirstPointsLine + round] = points[round];
    lines[kComment1Line] = "Entries due Thursday|Five dollars each";
    lines[kComment2Line] = "Good luck";
    lines[kFinalizedLine] = "1";
    return lines;
}

QString Caption(const frmPoolMain& window, const QString& name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QStringLiteral("<missing>");
}
QString Team(const frmPoolMain& window, int label) { return Caption(window, QStringLiteral("lblRegion_%1").arg(label)); }

QString Comment(const frmPoolMain& window, const char* name) {
    const auto* edit = window.findChild<QPlainTextEdit*>(QLatin1String(name));
    return edit != nullptr ? edit->toPlainText() : QStringLiteral("<missing>");
}

// The one bracket window the session shows in its frame, at the top left of the client area.
const frmPoolMain* ShownBracket(AppSession& session) {
    // A window replaced by a reload goes once its command is over.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QMdiSubWindow*> windows = session.frame().mdiArea()->subWindowList();
    if (windows.size() != 1) return nullptr;
    EXPECT_EQ(windows.front()->pos(), QPoint(0, 0));
    EXPECT_EQ(windows.front()->widget(), session.bracketWindow());
    return qobject_cast<const frmPoolMain*>(windows.front()->widget());
}

constexpr const char* kDemoOffer =
    "It looks like you are just starting to work \r\nwith Brackwell..  A DEMO Mode is offered\r\nwhich will allow you "
    "to view and evaluate\r\nwith information from the 2000 tournament...\r\n \r\nMore information is available on "
    "DEMO Mode in HELP\r\n \r\nDo you want to initiate DEMO Mode?";

TEST(AppSession, ShowsTheStartFileOfTheApplicationFolderInTheBracketWindow) {
    TempFolder home;
    home.Write(kStartFileName, StartFileContents(SampleField()));
    ScopedEnv env("BRACKWELL_HOME", home.path().c_str());
    testing::TestPlatform platform;  // any dialog would fail the test
    AppSession session(PrepareAppFolder(ProgramPlaces()), platform.platform);
    session.Start();

    EXPECT_EQ(session.model().AppFolder, home.path());
    EXPECT_EQ(session.helpFile(), home.File("BRACKWELL.HLP"));
    EXPECT_TRUE(session.frame().isVisible());
    EXPECT_EQ(session.frame().windowTitle(), QStringLiteral("Brackwell"));
    const frmPoolMain* view = ShownBracket(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Make Tournament Selections"));
    EXPECT_EQ(Caption(*view, "lblTitle"), QStringLiteral("2000 NCAA Tournament"));
    EXPECT_EQ(Caption(*view, "lblRegionTitle_0"), QStringLiteral("East Region"));
    EXPECT_EQ(Caption(*view, "lblRegionTitle_1"), QStringLiteral("South Region"));
    EXPECT_EQ(Caption(*view, "lblRegionTitle_3"), QStringLiteral("West Region"));
    EXPECT_EQ(Team(*view, 0), QStringLiteral("Duke"));
    EXPECT_EQ(Team(*view, 1), QStringLiteral("Lamar"));
    EXPECT_EQ(Team(*view, 15), QStringLiteral("Lafayette"));
    EXPECT_EQ(Team(*view, 31), QStringLiteral("Michigan State"));
    EXPECT_EQ(Team(*view, 70), QStringLiteral("Miami (FL)"));
    EXPECT_EQ(Team(*view, 107), QStringLiteral("St. John's"));
    EXPECT_EQ(Team(*view, 108), QString::fromUtf8("Caf\xC3\xA9 <State> & Co"));
    EXPECT_EQ(Team(*view, 16), QString());
    const QString points[] = {"2", "3", "5", "8", "13", "21"};
    for (int round = 0; round < 6; ++round)
        EXPECT_EQ(Caption(*view, QStringLiteral("lblInfo_%1").arg(round)), points[round]) << round;
    EXPECT_EQ(view->findChild<QLineEdit*>(QStringLiteral("txtSeed_49"))->text(), QStringLiteral("16"));
    EXPECT_EQ(Comment(*view, "txtComment1"), QStringLiteral("Entries due Thursday\nFive dollars each"));
    EXPECT_EQ(Comment(*view, "txtComment2"), QStringLiteral("Good luck"));
    // The load sets up the roster a new pool lacks.
    EXPECT_EQ(home.Read("PLAYERNAMES.CSV"), RosterHeaderLine() + "\r\n");
}

TEST(AppSession, AFirstRunOffersDemoModeAndCancelKeepsTheDefaultField) {
    TempFolder home;
    testing::TestPlatform platform;
    platform.dialogs.Answer(MsgAnswer::Cancel);
    AppSession session(home.path(), platform.platform);
    session.Start();
    ASSERT_EQ(platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(platform.dialogs.messages()[0].title, "** DEMO MODE OPTION **");
    EXPECT_EQ(platform.dialogs.messages()[0].text, kDemoOffer);
    EXPECT_EQ(platform.dialogs.messages()[0].buttons, MsgButtons::OKCancel);
    const frmPoolMain* view = ShownBracket(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Caption(*view, "lblTitle"), QStringLiteral("2002 NCAA Tournament"));
    EXPECT_EQ(Team(*view, 0), QStringLiteral("TEAM1"));
    EXPECT_EQ(Team(*view, 108), QStringLiteral("TEAM64"));
    EXPECT_FALSE(home.Exists(kStartFileName));
}

TEST(AppSession, AcceptingTheDemoOfferShowsTheDemoPoolInANewBracketWindow) {
    TempFolder home;
    testing::WriteBytes(home.File("DEMOSET.ZIP"), testing::ReadBytes(std::string(BRACKWELL_APP_DIR) + "/DEMOSET.ZIP"));
    testing::TestPlatform platform;
    platform.dialogs.Answer(MsgAnswer::OK);
    AppSession session(home.path(), platform.platform);
    session.Start();
    const frmPoolMain* view = ShownBracket(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Caption(*view, "lblTitle"), QStringLiteral("2000 NCAA Tournament"));
    EXPECT_EQ(Team(*view, 0), QStringLiteral("Michigan State"));
    EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("lblDemoMode"))->isVisibleTo(view));
    EXPECT_EQ(platform.dialogs.messages().size(), 1u);
}

TEST(AppSession, AMalformedStartFileIsReportedAndTheDefaultsShown) {
    TempFolder home;
    home.Write(kStartFileName, testing::CrLf({"Duke", "Lamar", "*END*"}));
    testing::TestPlatform platform;
    platform.dialogs.AllowMessages();
    AppSession session(home.path(), platform.platform);
    session.Start();
    ASSERT_EQ(platform.dialogs.messages().size(), 1u);
    EXPECT_EQ(platform.dialogs.messages()[0].text, "Problem with file, will use default values");
    EXPECT_EQ(platform.dialogs.messages()[0].title, "Brackwell");
    const frmPoolMain* view = ShownBracket(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Team(*view, 0), QStringLiteral("TEAM1"));
}

TEST(AppSession, TheBracketWindowFitsTheFrameOnASmallScreen) {
    // A 1366 x 768 screen less a panel leaves the frame about 1350 x 690; the bracket window
    // with its own title bar and borders fits inside.
    TempFolder home;
    testing::TestPlatform platform;
    platform.dialogs.Answer(MsgAnswer::Cancel);
    AppSession session(home.path(), platform.platform);
    session.Start();
    const frmPoolMain* view = ShownBracket(session);
    ASSERT_NE(view, nullptr);
    EXPECT_LE(view->minimumSizeHint().width(), 1330);
    EXPECT_LE(view->minimumSizeHint().height(), 640);
}

TEST(AppSession, PoolOutlookOpensOneWindowBesideTheBracketAndLeavesTheModelAlone) {
    TempFolder home;
    home.Write(kStartFileName, StartFileContents(SampleField()));
    SelLinesArray results = testing::UpperTeamsWin(SampleField());
    results[127].clear();
    home.Write(kResultsFileName, testing::SelectionFileBytes(results));
    home.Write("Smith_TM.BKS", testing::SelectionFileBytes(testing::UpperTeamsWin(SampleField())));
    testing::TestPlatform platform;
    AppSession session(home.path(), platform.platform);
    session.Start();
    const SelLinesArray before = session.model().SelLines;
    frmPoolMain* bracket = session.bracketWindow();
    ASSERT_NE(bracket, nullptr);
    bracket->mnuRptOutlook->trigger();
    bracket->mnuRptOutlook->trigger();  // raises the window already open
    const QList<QMdiSubWindow*> windows = session.frame().mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 2u);
    auto* outlook = qobject_cast<frmPoolOutlook*>(windows.back()->widget());
    ASSERT_NE(outlook, nullptr);
    EXPECT_EQ(session.frame().mdiArea()->activeSubWindow(), windows.back());
    ASSERT_TRUE(QTest::qWaitFor([outlook] { return !outlook->Computing(); }, 20000));
    const auto* grid = outlook->findChild<QTableWidget*>("grdOutlook");
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->item(0, 0)->toolTip(), QStringLiteral("Smith_TM.BKS"));
    EXPECT_EQ(session.model().SelLines, before);
    EXPECT_TRUE(bracket->isEnabled());
}

TEST(ProgramPlaces, ComeFromTheEnvironmentAndTheProgramsFolder) {
    const std::string programFolder = QStringToPath(QCoreApplication::applicationDirPath());
    const std::string shared = std::filesystem::path(programFolder).parent_path().string() + "/share/brackwell";
    {
        ScopedEnv env("BRACKWELL_HOME", "/srv/pool");
        const AppFolderPlaces places = ProgramPlaces();
        EXPECT_EQ(places.brackwellHome, std::optional<std::string>("/srv/pool"));
        EXPECT_EQ(places.programFolder, programFolder);
        EXPECT_EQ(places.sharedDataFolder, shared);
        EXPECT_EQ(places.userDataFolder, DefaultUserDataFolder());
    }
    ScopedEnv unset("BRACKWELL_HOME", nullptr);
    EXPECT_FALSE(ProgramPlaces().brackwellHome.has_value());
    ScopedEnv empty("BRACKWELL_HOME", "");
    EXPECT_FALSE(ProgramPlaces().brackwellHome.has_value());
}

struct Install {
    TempFolder root;
    AppFolderPlaces places;
    Install() {
        std::filesystem::create_directories(root.File("bin"));
        std::filesystem::create_directories(root.File("share"));
        root.Write("share/NCAALIST.BKT", "shipped list");
        root.Write("share/BRACKWELL.HLP", "shipped help");
        places.programFolder = root.File("bin");
        places.userDataFolder = root.File("user/Brackwell");
        places.sharedDataFolder = root.File("share");
    }
};

TEST(PrepareAppFolder, TheEnvironmentWinsOverEveryOtherPlace) {
    Install install;
    install.root.Write("bin/QUILLON.OBJ", "template");
    install.places.brackwellHome = install.root.File("home");
    EXPECT_EQ(PrepareAppFolder(install.places), install.root.File("home"));
    EXPECT_FALSE(install.root.Exists("user/Brackwell"));
}

// A new, empty BRACKWELL_HOME would otherwise have no demo set, team list, help or templates.
TEST(PrepareAppFolder, AnEnvironmentFolderGetsTheShippedFilesItLacksAndNothingElse) {
    for (const bool installed : {true, false}) {
        Install install;
        const std::string source = installed ? "share" : "bin";
        install.root.Write(source + "/QUILLON.OBJ", "template");
        install.root.Write(source + "/DEMOSET.ZIP", "demo");
        install.root.Write("bin/NCAALIST.BKT", "shipped list");
        install.root.Write("bin/POOLSTART.BKT", "the build folder's own pool");
        std::filesystem::create_directories(install.root.File("home"));
        install.root.Write("home/NCAALIST.BKT", "my list");
        install.places.brackwellHome = install.root.File("home");
        EXPECT_EQ(PrepareAppFolder(install.places), install.root.File("home"));
        EXPECT_EQ(install.root.Read("home/QUILLON.OBJ"), "template") << installed;
        EXPECT_EQ(install.root.Read("home/DEMOSET.ZIP"), "demo") << installed;
        EXPECT_EQ(install.root.Read("home/NCAALIST.BKT"), "my list") << installed;
        EXPECT_FALSE(install.root.Exists("home/POOLSTART.BKT")) << installed;
    }
}

TEST(PrepareAppFolder, AProgramFolderWithTheTemplateIsAPortableInstall) {
    Install install;
    install.root.Write("bin/QUILLON.OBJ", "template");
    EXPECT_EQ(PrepareAppFolder(install.places), install.root.File("bin"));
    EXPECT_FALSE(install.root.Exists("user/Brackwell"));
}

TEST(PrepareAppFolder, OtherwiseThePerUserFolderIsCreatedAndSeeded) {
    Install install;
    EXPECT_EQ(PrepareAppFolder(install.places), install.root.File("user/Brackwell"));
    EXPECT_EQ(install.root.Read("user/Brackwell/NCAALIST.BKT"), "shipped list");
    EXPECT_EQ(install.root.Read("user/Brackwell/BRACKWELL.HLP"), "shipped help");

    // Later starts add what is new but keep the user's own copies.
    install.root.Write("user/Brackwell/NCAALIST.BKT", "my list");
    install.root.Write("share/DEMOSET.ZIP", "demo");
    PrepareAppFolder(install.places);
    EXPECT_EQ(install.root.Read("user/Brackwell/NCAALIST.BKT"), "my list");
    EXPECT_EQ(install.root.Read("user/Brackwell/DEMOSET.ZIP"), "demo");
}

TEST(PrepareAppFolder, AReadOnlyProgramFolderIsNotPortable) {
    Install install;
    install.root.Write("bin/QUILLON.OBJ", "template");
    testing::MakeReadOnly(install.root.File("bin"));
    const bool passed = testing::RunWithoutFileOverride([&install] {
        return PrepareAppFolder(install.places) == install.root.File("user/Brackwell");
    });
    testing::MakeWritable(install.root.File("bin"));
    EXPECT_TRUE(passed);
}

}  // namespace
}  // namespace brackwell
