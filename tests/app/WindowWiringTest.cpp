// The windows the frame opens from the bracket window's menu, and what they hand back.
#include <QApplication>
#include <QCoreApplication>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/AppSession.h"
#include "bracket/frmPoolMain.h"
#include "core/StartFile.h"
#include "tests/app/ScopedEnv.h"
#include "tests/support/PlatformDoubles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/ModalDialog.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

// A session over a folder holding a finalized field, so every window can be reached.
class WindowWiring : public ::testing::Test {
protected:
    WindowWiring() : env_("BRACKWELL_HOME", home_.path().c_str()) {
        StartLinesArray lines = DefaultStartLines();
        lines[kFinalizedLine] = "1";
        home_.Write(kStartFileName, StartFileContents(lines));
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

}  // namespace
}  // namespace brackwell
