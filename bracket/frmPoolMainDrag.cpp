// Picking by mouse: a left click or a drag moves a team on, a right click takes a pick back.
// The drop target is the label under the pointer at the release, found with childAt.

#include "bracket/frmPoolMain.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRubberBand>

#include "bracket/BracketCanvas.h"
#include "bracket/BracketWidgets.h"
#include "bracket/rules/PickRules.h"

namespace brackwell {

using namespace bracket_ui;

int frmPoolMain::TeamLabelAt(QPoint at) const {
    const QWidget* child = canvas_->childAt(at);
    if (child == nullptr) return -1;
    const QVariant label = child->property(kTeamLabelProperty);
    return label.isValid() ? label.toInt() : -1;
}

void frmPoolMain::PressOnBracket(QMouseEvent* event) {
    if (model_.StandingsOpen) {
        if (hooks_.openStandings) hooks_.openStandings();
        return;
    }
    const int label = TeamLabelAt(event->position().toPoint());
    if (label < 0 || model_.MarksShown || commandRunning_) return;
    if (event->button() == Qt::LeftButton) {
        dragOrigin_ = label;
        draggedTeam_ = TeamCaption(label);
        const QRect origin = lblRegion[label]->geometry();
        dragOffset_ = event->position().toPoint() - origin.topLeft();
        dragOutline_->setGeometry(origin);
    } else if (event->button() == Qt::RightButton) {
        TakeBackPick(*this, model_.AdvanceTable, label);
    }
}

void frmPoolMain::MoveOnBracket(QMouseEvent* event) {
    if (dragOrigin_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    dragOutline_->move(event->position().toPoint() - dragOffset_);
    dragOutline_->show();
    dragOutline_->raise();
}

void frmPoolMain::ReleaseOnBracket(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragOrigin_ < 0) return;
    dragOutline_->hide();
    const int origin = dragOrigin_;
    dragOrigin_ = -1;
    const int target = TeamLabelAt(event->position().toPoint());
    if (target >= 0) DropTeam(*this, model_.AdvanceTable, origin, target, draggedTeam_);
}

}  // namespace brackwell
