#pragma once
// Runs a function when a window is about to close, before anything of it is taken down: for a
// window whose neighbours hold a reference to it.

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

namespace brackwell {

class CloseWatcher final : public QObject {
public:
    CloseWatcher(QObject* watched, std::function<void()> onClose) : QObject(watched), onClose_(std::move(onClose)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) onClose_();
        return false;
    }

private:
    std::function<void()> onClose_;
};

}  // namespace brackwell
