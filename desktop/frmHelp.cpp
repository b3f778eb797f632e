#include "desktop/frmHelp.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <optional>
#include <string>

#include "desktop/AnsiQt.h"
#include "core/HelpViewer.h"

namespace brackwell {

namespace {

// The help and what it links to are read as every file of the folder is read: a pipe, a device or
// a huge file in their place gives an empty page instead of a window that hangs or runs out of
// memory.
class HelpBrowser final : public QTextBrowser {
public:
    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = name.isRelative() && source().isValid() ? source().resolved(name) : name;
        if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
        const std::optional<std::string> bytes = ReadHelpFile(QStringToPath(url.toLocalFile()));
        if (!bytes) return {};
        return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
};

QPushButton* Button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

frmHelp::frmHelp(QWidget* parent)
    : QMainWindow(parent),
      txtHelp_(new HelpBrowser),
      cmdBack_(Button(QStringLiteral("cmdBack"), tr("&Back"))),
      cmdContents_(Button(QStringLiteral("cmdContents"), tr("C&ontents"))),
      cmdClose_(Button(QStringLiteral("cmdClose"), tr("&Close"))) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Brackwell Help"));
    // The help stays up beside the program's windows, but closing the frame still ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose);

    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    txtHelp_->setAccessibleName(QStringLiteral("Help text"));
    txtHelp_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack_);
    buttons->addWidget(cmdContents_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp_);
    setCentralWidget(page);

    cmdBack_->setEnabled(false);
    connect(txtHelp_, &QTextBrowser::backwardAvailable, cmdBack_, &QPushButton::setEnabled);
    connect(cmdBack_, &QPushButton::clicked, txtHelp_, &QTextBrowser::backward);
    connect(cmdContents_, &QPushButton::clicked, txtHelp_, &QTextBrowser::home);
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(txtHelp_, cmdBack_);
    setTabOrder(cmdBack_, cmdContents_);
    setTabOrder(cmdContents_, cmdClose_);
    resize(780, 620);
}

void frmHelp::ShowFile(const QUrl& file) {
    // The help file's name does not tell the browser what it holds.
    txtHelp_->setSource(file, QTextDocument::HtmlResource);
    txtHelp_->clearHistory();
    txtHelp_->setFocus();
}

void frmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace brackwell
