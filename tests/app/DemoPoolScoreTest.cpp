// A new user's whole road through the bracket window: a fresh application folder, the demo
// offer accepted, a sample selection opened and scored. The window's score line must agree
// with what brackwell-cli prints for the same file.

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <sstream>

#include "app/AppSession.h"
#include "bracket/frmPoolMain.h"
#include "core/DemoSet.h"
#include "tests/cli/CliRunner.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

// "Points: score / maximum" from the command line's row for a file.
std::string CliPointsOf(const std::string& table, const std::string& fileName) {
    std::istringstream rows(table);
    for (std::string row; std::getline(rows, row);) {
        std::istringstream cells(row);
        std::string file, player, score, maximum;
        std::getline(cells, file, '\t');
        std::getline(cells, player, '\t');
        std::getline(cells, score, '\t');
        std::getline(cells, maximum, '\t');
        if (file == fileName) return "Points: " + score + " / " + maximum;
    }
    return "<no row for " + fileName + ">";
}

TEST(DemoPoolScore, TheBracketWindowScoresASampleAsTheCommandLineDoes) {
    testing::TempFolder home;
    testing::WriteBytes(home.File(kDemoArchiveName), testing::ReadBytes(std::string(BRACKWELL_APP_DIR) + "/DEMOSET.ZIP"));
    testing::TestPlatform platform;
    platform.dialogs.Answer(MsgAnswer::OK);  // the demo offer
    AppSession session(home.path(), platform.platform);
    session.Start();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmPoolMain* window = session.bracketWindow();
    ASSERT_NE(window, nullptr);

    const testing::CliRun scored = testing::RunCli({"score", "--folder", home.path()});
    ASSERT_EQ(scored.exitCode, 0) << scored.err;
    for (const char* sample : kDemoSelectionFiles) {
        platform.dialogs.ChooseFile(home.File(sample));
        window->mnuOpenSelection->trigger();
        ASSERT_TRUE(window->mnuScoreSelections->isEnabled()) << sample;
        window->mnuScoreSelections->trigger();
        EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("txtPointScore"))->text().toStdString(),
                  CliPointsOf(scored.out, sample));
        QMetaObject::invokeMethod(window->findChild<QObject*>(QStringLiteral("cmdDefaultColors")), "click");
    }
    EXPECT_EQ(platform.dialogs.messages().size(), 1u);
}

}  // namespace
}  // namespace brackwell
