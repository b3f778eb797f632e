#include "desktop/frmPoolMIDI.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "desktop/AnsiQt.h"
#include "core/Dialogs.h"

namespace brackwell {

namespace {
// Room for the whole bracket window, within the screen less the frame's own title bar and border.
constexpr QSize kPreferredSize(1340, 720);
constexpr QSize kWindowDecoration(16, 40);
}  // namespace

frmPoolMIDI::frmPoolMIDI(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frmPoolMIDI"));
    setWindowTitle(AnsiToQString(kAppTitle));
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    QSize size = kPreferredSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() - kWindowDecoration);
    resize(size);
}

void UnloadWindow(QWidget& window) {
    if (auto* frameWindow = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        frameWindow->close();
    else
        window.close();
}

QMdiSubWindow* frmPoolMIDI::ShowChild(QWidget* child) {
    // A window that sized itself (the standings fit their columns) keeps that size; the others
    // take their size hint.
    const bool sizedItself = child->testAttribute(Qt::WA_Resized);
    const QSize wanted = child->size();
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->adjustSize();
    if (sizedItself) window->resize(window->size() - child->size() + wanted.expandedTo(child->minimumSizeHint()));
    // Placed after showing: the MDI area's own placement runs when a window is shown.
    window->move(0, 0);
    return window;
}

void frmPoolMIDI::closeEvent(QCloseEvent* event) {
    closing_ = true;
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (!(*it)->close()) {
            closing_ = false;
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace brackwell
