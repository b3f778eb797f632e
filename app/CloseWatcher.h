#pragma once
// Runs a function when a window is about to close, before anything of it is taken down: for a
// window whose neighbours hold a reference to it. The function may refuse the close by
// returning false.

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

namespace brackwell {

class CloseWatcher final : public QObject {
public:
    CloseWatcher(QObject* watched, std::function<bool()> onClose) : QObject(watched), onClose_(std::move(onClose)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close || onClose_()) return false;
        event->ignore();
        return true;
    }

private:
    std::function<bool()> onClose_;
};

}  // namespace brackwell
