#include "desktop/WindowSizes.h"

#include <QDir>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <utility>

namespace brackwell {

namespace {

QString SettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("Brackwell/windows.ini"));
}

QString Key(const QString& name) { return QStringLiteral("size/") + name; }

// Notes the size at each resize while its window is shown in a size of its own (not maximized or
// minimized), and writes the last one when the widget goes.
class SizeKeeper final : public QObject {
public:
    SizeKeeper(QWidget& window, QWidget& sized, QString name)
        : QObject(&sized), window_(&window), name_(std::move(name)) {}
    ~SizeKeeper() override {
        if (kept_.isValid()) QSettings(SettingsFile(), QSettings::IniFormat).setValue(Key(name_), kept_);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        constexpr Qt::WindowStates kNotItsOwnSize = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
        if (event->type() == QEvent::Resize && window_ != nullptr && window_->isVisible() &&
            !(window_->windowState() & kNotItsOwnSize))
            kept_ = static_cast<QResizeEvent*>(event)->size();
        return false;
    }

private:
    QPointer<QWidget> window_;
    QString name_;
    QSize kept_;
};

}  // namespace

bool RestoreWindowSize(QWidget& window, const QString& name) {
    const QSize stored = QSettings(SettingsFile(), QSettings::IniFormat).value(Key(name)).toSize();
    if (!stored.isValid() || stored.isEmpty()) return false;
    QSize size = stored.expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize());
    if (const QScreen* screen = window.screen()) size = size.boundedTo(screen->availableSize());
    window.resize(size);
    return true;
}

void KeepWindowSize(QWidget& window, QWidget& sized, const QString& name) {
    sized.installEventFilter(new SizeKeeper(window, sized, name));
}

void RememberWindowSize(QWidget& window) {
    RestoreWindowSize(window, window.objectName());
    KeepWindowSize(window, window, window.objectName());
}

}  // namespace brackwell
