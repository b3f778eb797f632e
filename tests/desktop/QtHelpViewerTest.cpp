#include "desktop/QtHelpViewer.h"

#include <sys/stat.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "desktop/AnsiQt.h"
#include "tests/support/qt/ModalDialog.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WhenModalDialogShows;

const std::string kShippedHelp = BRACKWELL_SOURCE_DIR "/data/BRACKWELL.HLP";

// Anchor names and the targets of the links within the document ("#name").
struct Links {
    std::set<QString> anchors, targets;
};

Links LinksOf(const QTextDocument& document) {
    Links links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            for (const QString& name : format.anchorNames()) links.anchors.insert(name);
            if (format.anchorHref().startsWith(u'#')) links.targets.insert(format.anchorHref().mid(1));
        }
    return links;
}

TEST(QtHelpViewer, ShowsTheShippedHelpInOneModelessWindowWithWorkingLinks) {
    QtHelpViewer viewer;
    ASSERT_TRUE(viewer.ShowHelpFile(kShippedHelp));
    frmHelp* window = viewer.helpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brackwell Help"));
    const QString text = window->browser()->toPlainText();
    for (const char* topic : {"PLAYERNAMES.TXT", "brackwell-cli quillon", "DEMO-Reset", "Enter Game Results",
                              "Pool Outlook"})
        EXPECT_TRUE(text.contains(QLatin1String(topic))) << topic;

    const Links links = LinksOf(*window->browser()->document());
    EXPECT_GE(links.targets.size(), 14u);
    for (const QString& target : links.targets)
        EXPECT_TRUE(links.anchors.count(target)) << "no anchor for link #" << target.toStdString();

    // Help asked for again brings up the same window.
    ASSERT_TRUE(viewer.ShowHelpFile(kShippedHelp));
    EXPECT_EQ(viewer.helpWindow(), window);
    QTest::keyClick(window->browser(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&viewer] { return viewer.helpWindow() == nullptr; }));
}

TEST(QtHelpViewer, FollowingALinkCanBeUndoneWithBack) {
    QtHelpViewer viewer;
    ASSERT_TRUE(viewer.ShowHelpFile(kShippedHelp));
    frmHelp* window = viewer.helpWindow();
    auto* back = window->findChild<QPushButton*>(QStringLiteral("cmdBack"));
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Alt+Left" : "Back");
        window->browser()->setSource(QUrl(QStringLiteral("#mending")));
        EXPECT_TRUE(back->isEnabled());
        if (byKey)
            QTest::keyClick(window->browser(), Qt::Key_Left, Qt::AltModifier);
        else
            back->click();
        EXPECT_EQ(window->browser()->source().fragment(), QString());
    }
    window->close();
}

TEST(QtHelpViewer, AnswersFalseForAFileThatCannotBeRead) {
    TempFolder folder;
    std::filesystem::create_directory(folder.File("BRACKWELL.HLP"));
    // A pipe nobody writes into and an endless device must neither hang nor fill the memory.
    ASSERT_EQ(mkfifo(folder.File("PIPE.HLP").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.File("ZERO.HLP"));
    for (const std::string& path : {folder.File("MISSING.HLP"), folder.File("BRACKWELL.HLP"), folder.File("PIPE.HLP"),
                                    folder.File("ZERO.HLP")}) {
        SCOPED_TRACE(path);
        QtHelpViewer viewer;
        EXPECT_FALSE(viewer.ShowHelpFile(path));
        EXPECT_EQ(viewer.helpWindow(), nullptr);
    }
}

TEST(QtHelpViewer, TheAboutWindowShowsTheProjectsVersion) {
    std::smatch version;
    const std::string project = ReadBytes(BRACKWELL_SOURCE_DIR "/CMakeLists.txt");
    ASSERT_TRUE(std::regex_search(project, version, std::regex(R"(project\(Brackwell VERSION ([0-9.]+))")));
    QString title, shown;
    bool modal = false;
    WhenModalDialogShows([&](QWidget* dialog) {
        title = dialog->windowTitle();
        modal = dialog->isModal();
        if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblVersion"))) shown = label->text();
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    QtHelpViewer().ShowAbout();
    EXPECT_EQ(title, QStringLiteral("About Brackwell"));
    EXPECT_TRUE(modal);
    EXPECT_EQ(shown.toStdString(), "Version " + version[1].str());
}

}  // namespace
}  // namespace brackwell
