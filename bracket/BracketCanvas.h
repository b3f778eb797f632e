#pragma once
// The bracket's drawing surface: it holds the team labels and the other controls, draws the
// connector lines scaled as the controls are, and passes the mouse events of the labels
// (which labels do not take themselves) to the window.

#include <QWidget>

#include <functional>

namespace brackwell {

class BracketCanvas : public QWidget {
    Q_OBJECT

public:
    explicit BracketCanvas(QWidget* parent = nullptr);

    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QMouseEvent*)> onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace brackwell
