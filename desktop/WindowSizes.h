#pragma once
// The sizes the user gave the program's windows, kept between runs in the user's settings
// (Brackwell/windows.ini in the user's configuration folder), one entry a window.

#include <QString>

class QSize;
class QWidget;

namespace brackwell {

// Gives window the size the user last gave a window of that name, when there is one: never
// smaller than the window needs, nor larger than its screen offers. True when it did.
bool RestoreWindowSize(QWidget& window, const QString& name);

// From now on, each time `sized` is resized while `window` (its frame window, or itself) is shown
// neither maximized nor minimized, its size is noted; the last one is kept under name when
// `sized` goes.
void KeepWindowSize(QWidget& window, QWidget& sized, const QString& name);

// Both for a window of its own (a dialog), under its object name.
void RememberWindowSize(QWidget& window);

}  // namespace brackwell
