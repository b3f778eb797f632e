#include "desktop/QtHelpViewer.h"

#include <QFileInfo>
#include <QUrl>

#include "desktop/AnsiQt.h"
#include "desktop/DialogParent.h"
#include "desktop/frmAbout.h"

namespace brackwell {

QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

bool QtHelpViewer::ShowHelpFile(const std::string& path) {
    // The browser shows an empty page for a file it cannot read; the caller's message is better.
    // The window reads the file again through the same reader, so nothing it is swapped for can
    // hold it up.
    if (!ReadHelpFile(path)) return false;
    const QString file = PathToQString(path);
    if (window_.isNull()) window_ = new frmHelp;
    window_->ShowFile(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

void QtHelpViewer::ShowAbout() {
    frmAbout about(DialogParent());
    about.exec();
}

}  // namespace brackwell
