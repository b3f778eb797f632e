#pragma once
// The roster editor "PlayerName Edit": the participants of "PLAYERNAMES.CSV" in a list, the
// four fields of the one being edited, and the commands that add, change and delete them. The
// caller sets the model's roster hand-over (empty from the menu) and runs exec().

#include <QDialog>

#include <cstddef>
#include <functional>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "participants/rules/RosterEditor.h"

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brackwell {

class frmPoolNames : public QDialog {
    Q_OBJECT

public:
    frmPoolNames(modBrackwell& model, Dialogs& dialogs, QWidget* parent = nullptr);

    // Closing the window without "Done" is a "Cancel": nothing is written.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* AddField(const char* name, const char* caption, int row, std::size_t width);
    QPushButton* AddButton(const char* name, const char* caption, const char* toolTip = nullptr);
    // Runs one command of the window with the editor's fields as typed and shows the editor's
    // state afterwards. An error is reported under the procedure's name.
    void Run(const char* procedure, const std::function<void()>& command);
    // A command after which the editor may have closed: the window then closes as accepted.
    void Command(const char* procedure, const std::function<void()>& command);
    void PullFields();
    void ShowState();

    Dialogs& dialogs_;
    RosterEditor editor_;
    bool loaded_ = false;
    bool showing_ = false;

    QGridLayout* fieldsLayout_;
    QHBoxLayout* buttonsLayout_;
    QListWidget* lstNames_;
    QLineEdit* txtName_;
    QLineEdit* txtFileName_;
    QLineEdit* txtEmail_;
    QLineEdit* txtPhone_;
    QPushButton* cmdAdd_;
    QPushButton* cmdChange_;
    QPushButton* cmdDelete_;
    QPushButton* cmdCancel_;
    QPushButton* cmdExit_;
};

}  // namespace brackwell
