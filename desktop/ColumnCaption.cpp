#include "desktop/ColumnCaption.h"

#include <QPainter>
#include <QStyle>

namespace brackwell {

ColumnCaption::ColumnCaption(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
}

void ColumnCaption::setColumns(const std::vector<QWidget*>& columns) {
    columns_.assign(columns.begin(), columns.end());
    update();
}

QStringList ColumnCaption::Words() const { return text().split(u' ', Qt::SkipEmptyParts); }

std::vector<int> ColumnCaption::WordCentres() const {
    std::vector<int> centres;
    if (static_cast<std::size_t>(Words().size()) != columns_.size()) return centres;
    for (const QPointer<QWidget>& column : columns_) {
        if (column == nullptr) return {};
        centres.push_back(mapFromGlobal(column->mapToGlobal(column->rect().center())).x());
    }
    return centres;
}

void ColumnCaption::paintEvent(QPaintEvent* event) {
    const std::vector<int> centres = WordCentres();
    if (centres.empty()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QStringList words = Words();
    const QFontMetrics metrics(font());
    for (qsizetype i = 0; i < words.size(); ++i) {
        const int width = metrics.horizontalAdvance(words[i]);
        const QRect room(centres[static_cast<std::size_t>(i)] - width / 2 - 1, 0, width + 2, height());
        style()->drawItemText(&painter, room, Qt::AlignCenter, palette(), isEnabled(), words[i], foregroundRole());
    }
}

}  // namespace brackwell
