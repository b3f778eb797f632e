#pragma once
// The help window: the help file in a browser with Back, Contents and Close.

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace brackwell {

class frmHelp : public QWidget {
    Q_OBJECT

public:
    explicit frmHelp(QWidget* parent = nullptr);

    // Shows the file from its top, with a fresh history.
    void ShowFile(const QUrl& file);
    QTextBrowser* browser() const { return txtHelp_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* txtHelp_;
    QPushButton* cmdBack_;
    QPushButton* cmdContents_;
    QPushButton* cmdClose_;
};

}  // namespace brackwell
