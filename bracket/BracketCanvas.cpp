#include "bracket/BracketCanvas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace brackwell {

namespace {

// From a feeding label to the label its game feeds: out of the side facing it, to a bar half
// way, then into the fed label. Labels stacked above each other are joined straight down.
void DrawConnector(QPainter& painter, const QRect& from, const QRect& to) {
    if (from.right() >= to.left() && from.left() <= to.right()) {
        const int x = to.center().x();
        const int y1 = from.bottom() < to.top() ? from.bottom() : from.top();
        const int y2 = from.bottom() < to.top() ? to.top() : to.bottom();
        painter.drawLine(x, y1, x, y2);
        return;
    }
    const bool rightward = from.center().x() < to.center().x();
    const int startX = rightward ? from.right() + 1 : from.left() - 1;
    const int endX = rightward ? to.left() - 1 : to.right() + 1;
    const int barX = (startX + endX) / 2;
    const int y1 = from.center().y();
    const int y2 = to.center().y();
    painter.drawLine(startX, y1, barX, y1);
    painter.drawLine(barX, y1, barX, y2);
    painter.drawLine(barX, y2, endX, y2);
}

}  // namespace

BracketCanvas::BracketCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BracketCanvas"));
    setAutoFillBackground(true);
}

void BracketCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (int position = 1; position <= kPositionCount; ++position) {
        const auto [first, second] = FeedingPositions(position);
        if (first == 0 || labels_[position - 1] == nullptr) continue;
        const QRect to = labels_[position - 1]->geometry();
        for (int feeder : {first, second})
            if (labels_[feeder - 1] != nullptr) DrawConnector(painter, labels_[feeder - 1]->geometry(), to);
    }
}

void BracketCanvas::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event);
}

void BracketCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event);
}

void BracketCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event);
}

}  // namespace brackwell
