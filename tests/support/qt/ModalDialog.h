#pragma once
// Driving a modal dialog from a test: the handler runs on the dialog once it is up, inside the
// dialog's own event loop, and closes it.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace brackwell::testing {

// Calls handle(dialog) as soon as a modal dialog is active. Polls the event loop instead of
// waiting a fixed time.
inline void WhenModalDialogShows(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, handle = std::move(handle)] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        handle(dialog);
    });
    timer->start();
}

}  // namespace brackwell::testing
