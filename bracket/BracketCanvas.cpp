#include "bracket/BracketCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "bracket/BracketGeometry.h"

namespace brackwell {

BracketCanvas::BracketCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BracketCanvas"));
    setAutoFillBackground(true);
}

void BracketCanvas::paintEvent(QPaintEvent*) {
    static const std::vector<QPolygonF> lines = ConnectorLines();
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QTransform scale = QTransform::fromScale(width() / kBracketDesignSize.width(),
                                                   height() / kBracketDesignSize.height());
    for (const QPolygonF& line : lines) painter.drawPolyline(scale.map(line));
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
