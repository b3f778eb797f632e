#include "desktop/frmPoolMIDI.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brackwell {
namespace {

// A child window that records its unloading, and may refuse it.
class RecordingChild : public QLabel {
public:
    RecordingChild(std::string name, std::vector<std::string>& closed, bool refuse = false)
        : QLabel(QString::fromStdString(name)), name_(std::move(name)), closed_(closed), refuse_(refuse) {
        resize(200, 100);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuse_) {
            event->ignore();
            return;
        }
        closed_.push_back(name_);
        event->accept();
    }

private:
    std::string name_;
    std::vector<std::string>& closed_;
    bool refuse_;
};

TEST(Frame, IsCaptionedBrackwellAndHostsAnMdiArea) {
    frmPoolMIDI frame;
    EXPECT_EQ(frame.objectName(), QStringLiteral("frmPoolMIDI"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Brackwell"));
    ASSERT_NE(frame.mdiArea(), nullptr);
    EXPECT_EQ(frame.centralWidget(), frame.mdiArea());
    EXPECT_EQ(frame.findChild<QMdiArea*>(QStringLiteral("mdiArea")), frame.mdiArea());
}

TEST(Frame, ChildWindowsOpenAtTheTopLeftOfTheClientArea) {
    std::vector<std::string> closed;
    frmPoolMIDI frame;
    QMdiSubWindow* before = frame.ShowChild(new RecordingChild("before", closed));  // frame not yet shown
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QMdiSubWindow* after = frame.ShowChild(new RecordingChild("after", closed));  // the area would place it elsewhere
    EXPECT_EQ(before->pos(), QPoint(0, 0));
    EXPECT_EQ(after->pos(), QPoint(0, 0));
    EXPECT_TRUE(after->isVisible());
    EXPECT_EQ(after->widget()->size(), QSize(200, 100));  // the size the window gave itself, not its hint
    EXPECT_EQ(frame.mdiArea()->subWindowList().size(), 2);
    EXPECT_TRUE(before->testAttribute(Qt::WA_DeleteOnClose));
}

TEST(Frame, LaterWindowsOpenBelowTheMenuBarOfTheFirstAndWithinTheArea) {
    std::vector<std::string> closed;
    frmPoolMIDI frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    auto* withMenu = new RecordingChild("with a menu bar, as the bracket window", closed);
    auto* bar = new QMenuBar(withMenu);
    bar->addMenu(QStringLiteral("File"));
    QMdiSubWindow* hub = frame.ShowChild(withMenu);
    const int menuBottom = bar->mapTo(frame.mdiArea()->viewport(), QPoint(0, bar->height())).y();
    auto* tall = new RecordingChild("tall", closed);
    tall->resize(300, 5000);
    QMdiSubWindow* later = frame.ShowChild(tall);
    EXPECT_EQ(hub->pos(), QPoint(0, 0));
    EXPECT_EQ(later->pos(), QPoint(0, menuBottom));
    EXPECT_LE(later->geometry().bottom(), frame.mdiArea()->viewport()->height());
}

TEST(Frame, AWindowOpensInTheSizeTheUserLastGaveAWindowOfItsName) {
    std::vector<std::string> closed;
    frmPoolMIDI frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    auto open = [&frame, &closed](const char* name) {
        auto* child = new RecordingChild(name, closed);
        child->setObjectName(QString::fromLatin1(name));
        return frame.ShowChild(child);
    };
    QPointer<QMdiSubWindow> first = open("remembered");
    first->resize(first->size() + QSize(40, 30));  // as dragging its border does
    const QSize given = first->widget()->size();
    first->close();
    ASSERT_TRUE(QTest::qWaitFor([&first] { return first.isNull(); }));
    EXPECT_EQ(open("remembered")->widget()->size(), given);
    EXPECT_EQ(open("other")->widget()->size(), QSize(200, 100));  // its own size

    QPointer<QMdiSubWindow> maximized = open("maximized");
    maximized->showMaximized();  // a maximized window's size is the area's, not one it was given
    maximized->close();
    ASSERT_TRUE(QTest::qWaitFor([&maximized] { return maximized.isNull(); }));
    EXPECT_EQ(open("maximized")->widget()->size(), QSize(200, 100));
}

TEST(Frame, ClosingUnloadsTheChildrenFromTheMostRecentToTheFirst) {
    std::vector<std::string> closed;
    frmPoolMIDI frame;
    frame.show();
    QPointer<QMdiSubWindow> first = frame.ShowChild(new RecordingChild("first", closed));
    frame.ShowChild(new RecordingChild("second", closed));
    frame.ShowChild(new RecordingChild("third", closed));
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(closed, (std::vector<std::string>{"third", "second", "first"}));
    EXPECT_FALSE(frame.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&first] { return first.isNull(); }));  // closed windows are deleted
}

TEST(Frame, AChildThatRefusesToCloseKeepsTheFrameOpen) {
    std::vector<std::string> closed;
    frmPoolMIDI frame;
    frame.show();
    frame.ShowChild(new RecordingChild("stubborn", closed, true));
    frame.ShowChild(new RecordingChild("latest", closed));
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(closed, std::vector<std::string>{"latest"});
    EXPECT_TRUE(frame.isVisible());
}

}  // namespace
}  // namespace brackwell
