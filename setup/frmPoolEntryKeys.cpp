// The setup window's keyboard and list handling: type-ahead into the team boxes, the keys into
// and out of the list, the current box painted while the list is used.
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include <algorithm>

#include "desktop/AnsiQt.h"
#include "desktop/TeamBoxTypeAhead.h"
#include "setup/frmPoolEntry.h"
#include "setup/rules/TeamNameEdits.h"

namespace brackwell {

namespace {
const QColor kCurrentBoxGreen(128, 255, 128);
}  // namespace

void frmPoolEntry::FocusBox(const SetupFocus& focus) {
    switch (focus.box) {
        case SetupFocus::Box::Team: FocusTeamBox(focus.index); break;
        case SetupFocus::Box::Info: TxtInfo_[focus.index]->setFocus(); break;
        case SetupFocus::Box::Points: txtInfo6_[focus.index]->setFocus(); break;
        case SetupFocus::Box::None: break;
    }
}

void frmPoolEntry::FocusTeamBox(int index) {
    currentBox_ = std::clamp(index, 0, kTeamBoxCount - 1);
    txtRegion_[currentBox_]->setFocus();
    txtRegion_[currentBox_]->selectAll();
}

void frmPoolEntry::PaintCurrentBox(bool highlighted) {
    // The box painted green is the one painted back, even when the current box has moved on.
    if (highlighted) paintedBox_ = currentBox_;
    if (!paintedBox_) return;
    QLineEdit* box = txtRegion_[*paintedBox_];
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, highlighted ? kCurrentBoxGreen : palette().color(QPalette::Window));
    box->setPalette(colours);
    if (!highlighted) paintedBox_.reset();
}

void frmPoolEntry::PutListNameIntoBox() {
    const std::optional<int> selected = SelectedName();
    if (!selected) return;
    const std::string& name = teamNames_[*selected];
    txtRegion_[currentBox_]->setText(AnsiToQString(name));
    NoteTypedTeamName(typedNames_, currentBox_, name, teamNames_);
    FocusTeamBox(currentBox_ + 1);
}

bool frmPoolEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTeamNames_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            PaintCurrentBox(true);
        return false;
    }
    if (watched == lstTeamNames_) {
        if (event->type() == QEvent::FocusOut) PaintCurrentBox(false);
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Trapped("lstTeamNames_KeyPress", [this] { PutListNameIntoBox(); });
            return true;
        }
        if (key == Qt::Key_Escape) {
            FocusTeamBox(currentBox_);
            return true;
        }
        return false;
    }
    const auto box = std::find(txtRegion_.begin(), txtRegion_.end(), watched);
    if (box == txtRegion_.end()) return QWidget::eventFilter(watched, event);
    const int index = static_cast<int>(box - txtRegion_.begin());
    if (event->type() == QEvent::FocusIn) {
        currentBox_ = index;
        lstTeamNames_->clearSelection();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            (*box)->deselect();
            FocusTeamBox(index + 1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (override_) return false;
            lstTeamNames_->setFocus();
            QCoreApplication::sendEvent(lstTeamNames_, key);
            return true;
        default:
            break;
    }
    if (override_) return false;
    bool consumed = false;
    Trapped("txtRegion_KeyPress", [&] { consumed = TypeAheadKey(**box, *lstTeamNames_, teamNames_, *key); });
    return consumed;
}

}  // namespace brackwell
