#include "desktop/frmPoolMIDI.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

#include "desktop/AnsiQt.h"
#include "core/Dialogs.h"
#include "desktop/WindowSizes.h"

#include <algorithm>

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
    resize(kPreferredSize);
    RestoreWindowSize(*this, objectName());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(size().boundedTo(screen->availableSize() - kWindowDecoration));
    KeepWindowSize(*this, *this, objectName());
}

void UnloadWindow(QWidget& window) {
    if (auto* frameWindow = qobject_cast<QMdiSubWindow*>(window.parentWidget()))
        frameWindow->close();
    else
        window.close();
}

int frmPoolMIDI::MenuClearance() const {
    int clearance = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isVisible() || window->widget() == nullptr) continue;
        const auto* bar = window->widget()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (bar == nullptr || !bar->isVisible()) continue;
        clearance = std::max(clearance, bar->mapTo(mdiArea_->viewport(), QPoint(0, bar->height())).y());
    }
    return clearance;
}

QMdiSubWindow* frmPoolMIDI::ShowChild(QWidget* child, Place place) {
    const QString name = child->objectName();
    if (!name.isEmpty()) RestoreWindowSize(*child, name);
    // A window that sized itself (the standings fit their columns, or the user sized it before)
    // keeps that size; the others take their size hint.
    const bool sizedItself = child->testAttribute(Qt::WA_Resized);
    const QSize wanted = child->size();
    const int top = place == Place::BelowMenus ? MenuClearance() : 0;
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->adjustSize();
    if (sizedItself) window->resize(window->size() - child->size() + wanted.expandedTo(child->minimumSizeHint()));
    // Within the area, as far as the window can shrink.
    const QSize room = mdiArea_->viewport()->size() - QSize(0, top);
    if (isVisible()) window->resize(window->size().boundedTo(room).expandedTo(window->minimumSizeHint()));
    // Placed after showing: the MDI area's own placement runs when a window is shown.
    window->move(0, top);
    if (!name.isEmpty()) KeepWindowSize(*window, *child, name);
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
