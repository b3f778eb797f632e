#include "app/AppSession.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/AnsiQt.h"
#include "app/FieldOverview.h"
#include "core/StartFile.h"
#include "tests/app/ScopedEnv.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::ScriptedDialogs;
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

QString Cell(const FieldOverview& view, const QString& table, int row, int column) {
    const auto* widget = view.findChild<QTableWidget*>(table);
    if (widget == nullptr || widget->item(row, column) == nullptr) return QStringLiteral("<missing>");
    return widget->item(row, column)->text();
}

QString RegionTitle(const FieldOverview& view, int region) {
    const auto* box = view.findChild<QGroupBox*>(QStringLiteral("lblRegionTitle_%1").arg(region));
    return box != nullptr ? box->title() : QStringLiteral("<missing>");
}

QString Comment(const FieldOverview& view, const char* name) {
    const auto* edit = view.findChild<QPlainTextEdit*>(QLatin1String(name));
    return edit != nullptr ? edit->toPlainText() : QStringLiteral("<missing>");
}

// The field overview the session opened in its frame.
const FieldOverview* ShownOverview(AppSession& session) {
    const QList<QMdiSubWindow*> windows = session.frame().mdiArea()->subWindowList();
    if (windows.size() != 1) return nullptr;
    EXPECT_EQ(windows.front()->pos(), QPoint(0, 0));
    return qobject_cast<const FieldOverview*>(windows.front()->widget());
}

TEST(AppSession, ShowsTheStartFileOfTheApplicationFolderInTheFrame) {
    TempFolder home;
    home.Write(kStartFileName, StartFileContents(SampleField()));
    ScopedEnv env("BRACKWELL_HOME", home.path().c_str());
    ScriptedDialogs dialogs;
    AppSession session(PrepareAppFolder(ProgramPlaces()), dialogs);
    session.Start();

    EXPECT_EQ(session.model().AppFolder, home.path());
    EXPECT_TRUE(session.frame().isVisible());
    EXPECT_EQ(session.frame().windowTitle(), QStringLiteral("Brackwell"));
    const FieldOverview* view = ShownOverview(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("2000 NCAA Tournament"));
    EXPECT_EQ(RegionTitle(*view, 0), QStringLiteral("East Region"));
    EXPECT_EQ(RegionTitle(*view, 1), QStringLiteral("South Region"));
    EXPECT_EQ(RegionTitle(*view, 3), QStringLiteral("West Region"));
    EXPECT_EQ(Cell(*view, "tblRegion_0", 0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(*view, "tblRegion_0", 0, 1), QStringLiteral("Duke"));
    EXPECT_EQ(Cell(*view, "tblRegion_0", 1, 0), QStringLiteral("16"));
    EXPECT_EQ(Cell(*view, "tblRegion_0", 1, 1), QStringLiteral("Lamar"));
    EXPECT_EQ(Cell(*view, "tblRegion_0", 15, 1), QStringLiteral("Lafayette"));
    EXPECT_EQ(Cell(*view, "tblRegion_1", 0, 1), QStringLiteral("Michigan State"));
    EXPECT_EQ(Cell(*view, "tblRegion_2", 8, 0), QStringLiteral("6"));
    EXPECT_EQ(Cell(*view, "tblRegion_2", 8, 1), QStringLiteral("Miami (FL)"));
    EXPECT_EQ(Cell(*view, "tblRegion_3", 14, 1), QStringLiteral("St. John's"));
    EXPECT_EQ(Cell(*view, "tblRegion_3", 15, 0), QStringLiteral("15"));
    EXPECT_EQ(Cell(*view, "tblRegion_3", 15, 1), QString::fromUtf8("Caf\xC3\xA9 <State> & Co"));
    const QString points[] = {"2", "3", "5", "8", "13", "21"};
    for (int round = 0; round < 6; ++round) EXPECT_EQ(Cell(*view, "tblPoints", 0, round), points[round]) << round;
    EXPECT_EQ(Comment(*view, "txtComment1"), QStringLiteral("Entries due Thursday\nFive dollars each"));
    EXPECT_EQ(Comment(*view, "txtComment2"), QStringLiteral("Good luck"));
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST(AppSession, WithoutAStartFileTheDefaultFieldIsShownSilently) {
    TempFolder home;
    ScriptedDialogs dialogs;  // any dialog would fail the test
    AppSession session(home.path(), dialogs);
    session.Start();
    const FieldOverview* view = ShownOverview(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("2002 NCAA Tournament"));
    const QString regions[] = {"Midwest Region", "South Region", "East Region", "West Region"};
    for (int region = 0; region < 4; ++region) EXPECT_EQ(RegionTitle(*view, region), regions[region]);
    EXPECT_EQ(Cell(*view, "tblRegion_0", 0, 1), QStringLiteral("TEAM1"));
    EXPECT_EQ(Cell(*view, "tblRegion_3", 15, 1), QStringLiteral("TEAM64"));
    const QString seeds[] = {"1", "16", "8", "9", "5", "12", "4", "13", "6", "11", "3", "14", "7", "10", "2", "15"};
    for (int slot = 0; slot < 16; ++slot) EXPECT_EQ(Cell(*view, "tblRegion_2", slot, 0), seeds[slot]) << slot;
    const QString points[] = {"1", "2", "4", "8", "12", "16"};
    for (int round = 0; round < 6; ++round) EXPECT_EQ(Cell(*view, "tblPoints", 0, round), points[round]) << round;
    EXPECT_EQ(Comment(*view, "txtComment1"), QString());
}

TEST(AppSession, AMalformedStartFileIsReportedAndTheDefaultsShown) {
    TempFolder home;
    home.Write(kStartFileName, testing::CrLf({"Duke", "Lamar", "*END*"}));
    ScriptedDialogs dialogs;
    dialogs.AllowMessages();
    AppSession session(home.path(), dialogs);
    session.Start();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "Problem with file, will use default values");
    EXPECT_EQ(dialogs.messages()[0].title, "Brackwell");
    const FieldOverview* view = ShownOverview(session);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Cell(*view, "tblRegion_0", 0, 1), QStringLiteral("TEAM1"));
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
