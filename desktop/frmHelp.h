#pragma once
// The help window: the help file in a browser with Back, Contents and Close. A main window of its
// own, so that it stands beside the program's windows rather than over them.

#include <QMainWindow>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace brackwell {

class frmHelp : public QMainWindow {
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
