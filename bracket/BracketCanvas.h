#pragma once
// The bracket's drawing surface: it holds the team labels and the other controls, draws the
// lines that join each pair of labels to the label their game feeds, and passes the mouse
// events of the labels (which labels do not take themselves) to the window.

#include <QWidget>

#include <array>
#include <functional>

#include "core/Model.h"

class QLabel;

namespace brackwell {

class BracketCanvas : public QWidget {
    Q_OBJECT

public:
    explicit BracketCanvas(QWidget* parent = nullptr);

    void SetTeamLabels(const std::array<QLabel*, kPositionCount>& labels) { labels_ = labels; }

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QMouseEvent*)> onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, kPositionCount> labels_{};
};

}  // namespace brackwell
