#include "desktop/DialogParent.h"

#include <QApplication>
#include <QMainWindow>

namespace brackwell {

QWidget* DialogParent() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<QMainWindow*>(window) != nullptr) return window;
    return nullptr;
}

}  // namespace brackwell
