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

    // Where a window opens: below the menu bars of the windows already open, so that their menus
    // can still be reached, or at the top left corner, for a window that takes the place of the
    // ones going (the bracket window, the setup window).
    enum class Place { BelowMenus, TopLeft };

    // Shows child as a window of the frame, at the left edge of the client area and within it,
    // in the size the user last gave a window of its name. The frame owns it from now on;
    // closing the window deletes it.
    QMdiSubWindow* ShowChild(QWidget* child, Place place = Place::BelowMenus);
    QMdiArea* mdiArea() const { return mdiArea_; }
    // True while the frame is unloading its windows on the way out.
    bool closing() const { return closing_; }

protected:
    // Unloads the child windows from the most recently opened to the first; a child that refuses
    // to close keeps the frame open.
    void closeEvent(QCloseEvent* event) override;

private:
    // The bottom of the lowest menu bar of the open windows, in the area's coordinates.
    int MenuClearance() const;

    QMdiArea* mdiArea_;
    bool closing_ = false;
};

}  // namespace brackwell
