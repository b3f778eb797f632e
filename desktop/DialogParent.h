#pragma once
// The window a dialog of the organiser's program belongs to.

class QWidget;

namespace brackwell {

// The active window; at start-up, before the window system has activated the frame, the frame.
QWidget* DialogParent();

}  // namespace brackwell
