#pragma once
// The frame window: every window of the organiser's program is a child of its MDI area.

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

namespace brackwell {

// Unloads a window: its frame window when it is a child of the frame (closing only the widget
// would leave an empty frame window behind), else the window itself.
void UnloadWindow(QWidget& window);

class frmPoolMIDI : public QMainWindow {
    Q_OBJECT

public:
    explicit frmPoolMIDI(QWidget* parent = nullptr);

    // Shows child as a window of the frame, at the top left corner of the client area. The frame
    // owns it from now on; closing the window deletes it.
    QMdiSubWindow* ShowChild(QWidget* child);
    QMdiArea* mdiArea() const { return mdiArea_; }
    // True while the frame is unloading its windows on the way out.
    bool closing() const { return closing_; }

protected:
    // Unloads the child windows from the most recently opened to the first; a child that refuses
    // to close keeps the frame open.
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* mdiArea_;
    bool closing_ = false;
};

}  // namespace brackwell
