#include "desktop/QtHelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "desktop/AnsiQt.h"
#include "desktop/DialogParent.h"
#include "desktop/frmAbout.h"

namespace brackwell {

QtHelpViewer::~QtHelpViewer() { delete window_.data(); }

bool QtHelpViewer::ShowHelpFile(const std::string& path) {
    const QString file = PathToQString(path);
    // The browser shows an empty page for a file it cannot read; the caller's message is better.
    if (QFile probe(file); !probe.open(QIODevice::ReadOnly)) return false;
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
