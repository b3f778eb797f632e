#pragma once
// A label for a name in a box of fixed size: a name too wide for its font is drawn in a smaller
// one, down to a floor, and only past that cut short with an ellipsis; the whole name then shows
// as its tooltip. The label's text stays the whole name, so whoever reads the label (the window's
// own rules, assistive technology) reads the name itself.

#include <QLabel>

#include "core/TextFit.h"

namespace brackwell {

class FittedLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittedLabel(QWidget* parent = nullptr);

    // The smallest font size, in points, a name is drawn at before it is cut short.
    void setSmallestPoints(double points) { smallestPoints_ = points; }
    // The size and cut the current text gets at the label's current font and width.
    TextFit fit() const;
    // The text as it is drawn: the whole name, or its start and an ellipsis.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QFont FontAt(double points) const;
    QRect TextRect() const;

    double smallestPoints_ = 6;
};

}  // namespace brackwell
