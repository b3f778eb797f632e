#include "desktop/FittedLabel.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace brackwell {

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

QFont FittedLabel::FontAt(double points) const {
    QFont shown = font();
    shown.setPointSizeF(points);
    return shown;
}

QRect FittedLabel::TextRect() const {
    // Where QLabel itself draws: inside the frame and the margin, indented on the side the text
    // is aligned to (by half an "x", less the margin, when the label has a frame and no indent of its own).
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int shift = indent();
    if (shift < 0 && frameWidth() > 0) shift = QFontMetrics(font()).horizontalAdvance(u'x') / 2 - margin();
    if (shift < 0) shift = 0;
    const Qt::Alignment side = QStyle::visualAlignment(layoutDirection(), alignment());
    if (side & Qt::AlignLeft) room.setLeft(room.left() + shift);
    if (side & Qt::AlignRight) room.setRight(room.right() - shift);
    return room;
}

TextFit FittedLabel::fit() const {
    const QString name = text();
    return FitText(font().pointSizeF(), smallestPoints_, TextRect().width(),
                   [this, &name](double points) { return QFontMetricsF(FontAt(points)).horizontalAdvance(name); });
}

QString FittedLabel::shownText() const {
    const TextFit shown = fit();
    if (!shown.elided) return text();
    return QFontMetricsF(FontAt(shown.points)).elidedText(text(), Qt::ElideRight, TextRect().width());
}

bool FittedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && fit().elided) {
        // The whole name first; the label's own hint, if it has one, under it.
        const QString tip = toolTip().isEmpty() ? text() : text() + u'\n' + toolTip();
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
        return true;
    }
    return QLabel::event(event);
}

void FittedLabel::paintEvent(QPaintEvent* event) {
    const TextFit shown = fit();
    if (shown.points == font().pointSizeF() && !shown.elided) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);  // the frame alone
    QPainter painter(this);
    painter.setFont(FontAt(shown.points));
    style()->drawItemText(&painter, TextRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
}

}  // namespace brackwell
