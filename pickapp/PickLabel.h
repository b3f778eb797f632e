#pragma once
// A label that reports a click (press and release on it), as the window's team labels do.
// Captions are plain text: "Texas A&M" shows its "&"; a long one is drawn smaller to fit.

#include "desktop/FittedLabel.h"

namespace brackwell::pick {

class PickLabel final : public FittedLabel {
    Q_OBJECT
public:
    explicit PickLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace brackwell::pick
