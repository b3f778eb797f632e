#include "pickapp/PickLabel.h"

#include <QMouseEvent>

namespace brackwell::pick {

PickLabel::PickLabel(QWidget* parent) : FittedLabel(parent) {}

void PickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace brackwell::pick
