#pragma once
// "Brackwell - EMail Selections": the recipients of a report mail, chosen from the roster or
// typed, with a subject and a message. "Send Email" leaves them in the model's mail hand-over
// and closes; "Exit/Cancel" (or closing the window) sets the hand-over's cancel flag. The
// caller runs exec().

#include <QDialog>

#include <functional>
#include <string>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "participants/rules/MailSelections.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace brackwell {

class frmPoolEMail : public QDialog {
    Q_OBJECT

public:
    // emailAll: the report window's "Email All Participants" choice, which preselects every
    // participant with an address.
    frmPoolEMail(modBrackwell& model, Dialogs& dialogs, bool emailAll, QWidget* parent = nullptr);

    void cmdUseList_Click();
    void cmdFreeEntry_Click();
    void cmdDelete_Click();
    void cmdSend_Click();
    void cmdExit_Click();
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const char* caption);
    void Load();
    void EntryEnter();
    void AddSendTo(const std::string& address);
    void Run(const char* procedure, const std::function<void()>& command);

    modBrackwell& model_;
    Dialogs& dialogs_;
    bool emailAll_;
    MailRoster roster_;
    bool freeEntry_ = false;
    bool loaded_ = false;

    QListWidget* lstPlayerNames_;
    QListWidget* lstTo_;
    QLineEdit* txtEntry_;
    QLineEdit* txtSubject_;
    QPlainTextEdit* txtMessage_;
    QPushButton* cmdUseList_;
    QPushButton* cmdFreeEntry_;
    QPushButton* cmdDelete_;
    QPushButton* cmdSend_;
    QPushButton* cmdExit_;
};

}  // namespace brackwell
