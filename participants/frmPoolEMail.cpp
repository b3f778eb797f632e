#include "participants/frmPoolEMail.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/AnsiQt.h"
#include "desktop/TeamBoxTypeAhead.h"
#include "desktop/TrappedCommand.h"
#include "desktop/WindowSizes.h"

namespace brackwell {

namespace {

QLabel* BuddyLabel(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(QLatin1String(caption));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

frmPoolEMail::frmPoolEMail(modBrackwell& model, Dialogs& dialogs, bool emailAll, QWidget* parent)
    : QDialog(parent), model_(model), dialogs_(dialogs), emailAll_(emailAll) {
    setObjectName(QStringLiteral("frmPoolEMail"));
    setWindowTitle(QStringLiteral("Brackwell - EMail Selections"));
    setModal(true);

    lstPlayerNames_ = new QListWidget;
    lstPlayerNames_->setObjectName(QStringLiteral("lstPlayerNames"));
    lstPlayerNames_->setAccessibleName(QStringLiteral("Participants"));
    // The names are padded to one width, so the addresses line up in a fixed-pitch font.
    lstPlayerNames_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lstTo_ = new QListWidget;
    lstTo_->setObjectName(QStringLiteral("lstTo"));
    lstTo_->setAccessibleName(QStringLiteral("Send To"));
    txtEntry_ = new QLineEdit;
    txtEntry_->setObjectName(QStringLiteral("txtEntry"));
    txtEntry_->setAccessibleName(QStringLiteral("Search or EMail address"));
    txtEntry_->installEventFilter(this);
    txtSubject_ = new QLineEdit;
    txtSubject_->setObjectName(QStringLiteral("txtSubject"));
    txtSubject_->setAccessibleName(QStringLiteral("Subject"));
    txtMessage_ = new QPlainTextEdit;
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setAccessibleName(QStringLiteral("Message"));
    txtMessage_->setTabChangesFocus(true);

    auto* buttons = new QHBoxLayout;
    auto add = [&](const char* name, const char* caption) {
        QPushButton* button = AddButton(name, caption);
        buttons->addWidget(button);
        return button;
    };
    cmdUseList_ = add("cmdUseList", "Match List Below");
    cmdFreeEntry_ = add("cmdFreeEntry", "Not In List Below");
    cmdDelete_ = add("cmdDelete", "Delete Email Selected");
    cmdSend_ = add("cmdSend", "Send Email");
    cmdExit_ = add("cmdExit", "Exit/Cancel");

    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel("Entry:", txtEntry_), 0, 0);
    grid->addWidget(txtEntry_, 0, 1);
    grid->addWidget(BuddyLabel("Subject:", txtSubject_), 1, 0);
    grid->addWidget(txtSubject_, 1, 1);
    auto* lists = new QHBoxLayout;
    auto* namesColumn = new QVBoxLayout;
    namesColumn->addWidget(BuddyLabel("Participants:", lstPlayerNames_));
    namesColumn->addWidget(lstPlayerNames_);
    auto* toColumn = new QVBoxLayout;
    toColumn->addWidget(BuddyLabel("Send To:", lstTo_));
    toColumn->addWidget(lstTo_);
    lists->addLayout(namesColumn, 3);
    lists->addLayout(toColumn, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addLayout(lists);
    layout->addWidget(BuddyLabel("Message:", txtMessage_));
    layout->addWidget(txtMessage_);
    resize(760, 520);
    RememberWindowSize(*this);

    cmdUseList_->setEnabled(false);
    connect(cmdUseList_, &QPushButton::clicked, this, [this] { cmdUseList_Click(); });
    connect(cmdFreeEntry_, &QPushButton::clicked, this, [this] { cmdFreeEntry_Click(); });
    connect(cmdDelete_, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdSend_, &QPushButton::clicked, this, [this] { cmdSend_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(lstPlayerNames_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Run("lstPlayerNames_DblClick", [this, item] {
            const std::string& address = roster_.addresses.at(static_cast<std::size_t>(lstPlayerNames_->row(item)));
            if (!address.empty()) AddSendTo(address);
        });
    });
}

QPushButton* frmPoolEMail::AddButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    // Enter in the entry box adds an address; it must not press a button.
    button->setAutoDefault(false);
    return button;
}

void frmPoolEMail::Run(const char* procedure, const std::function<void()>& command) {
    RunTrapped(dialogs_, std::string("Brackwell - frmPoolEMail, ") + procedure, command);
}

void frmPoolEMail::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    if (QWidget* anchor = parentWidget()) move(anchor->mapToGlobal(QPoint(0, 0)));
    Run("Form_Load", [this] { Load(); });
}

void frmPoolEMail::Load() {
    roster_ = OpenMailRoster(model_, dialogs_, emailAll_);
    for (const std::string& entry : roster_.entries) lstPlayerNames_->addItem(AnsiToQString(entry));
    for (const std::string& address : roster_.sendTo) AddSendTo(address);
    txtEntry_->setFocus(Qt::OtherFocusReason);
}

void frmPoolEMail::AddSendTo(const std::string& address) { lstTo_->addItem(AnsiToQString(address)); }

bool frmPoolEMail::eventFilter(QObject* watched, QEvent* event) {
    if (watched != txtEntry_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Run("Form_KeyPress", [this] { EntryEnter(); });
        return true;
    }
    if (!freeEntry_) return TypeAheadKey(*txtEntry_, *lstPlayerNames_, roster_.entries, *key);
    return QDialog::eventFilter(watched, event);
}

void frmPoolEMail::EntryEnter() {
    if (freeEntry_) {
        // A refused text stays in the box to be mended.
        if (const auto address = TypedAddress(QStringToAnsi(txtEntry_->text()), dialogs_)) {
            AddSendTo(*address);
            txtEntry_->clear();
        }
        return;
    }
    if (const auto address = ChosenRosterAddress(roster_, lstPlayerNames_->currentRow(), dialogs_)) AddSendTo(*address);
}

void frmPoolEMail::cmdFreeEntry_Click() {
    freeEntry_ = true;
    cmdFreeEntry_->setEnabled(false);
    cmdUseList_->setEnabled(true);
    // The search text, or the roster entry it found, is no start for an address.
    txtEntry_->clear();
    txtEntry_->setFocus(Qt::OtherFocusReason);
}

void frmPoolEMail::cmdUseList_Click() {
    freeEntry_ = false;
    cmdFreeEntry_->setEnabled(true);
    cmdUseList_->setEnabled(false);
    txtEntry_->clear();
    txtEntry_->setFocus(Qt::OtherFocusReason);
}

void frmPoolEMail::cmdDelete_Click() {
    Run("cmdDelete_Click", [this] {
        QListWidgetItem* item = lstTo_->currentItem();
        if (item == nullptr || !item->isSelected()) {
            dialogs_.MessageBox(kMailNothingSelectedMessage, MsgButtons::OK, MsgIcon::None, kMailDeleteTitle);
            return;
        }
        delete lstTo_->takeItem(lstTo_->row(item));
        lstTo_->setCurrentRow(-1);
        txtEntry_->setFocus(Qt::OtherFocusReason);
    });
}

void frmPoolEMail::cmdSend_Click() {
    Run("cmdSend_Click", [this] {
        std::vector<std::string> sendTo;
        for (int row = 0; row < lstTo_->count(); ++row) sendTo.push_back(QStringToAnsi(lstTo_->item(row)->text()));
        // The message's line breaks are CR LF in the mail, as everywhere in the program's text.
        const std::string message = QStringToAnsi(txtMessage_->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
        if (SendMailSelections(model_, dialogs_, sendTo, QStringToAnsi(txtSubject_->text()), message)) accept();
    });
}

void frmPoolEMail::cmdExit_Click() { reject(); }

void frmPoolEMail::reject() {
    // Any way out but "Send Email" sends nothing.
    model_.MailHandOver.Cancelled = true;
    QDialog::reject();
}

}  // namespace brackwell
