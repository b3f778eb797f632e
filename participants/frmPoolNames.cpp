#include "participants/frmPoolNames.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

#include "desktop/AnsiQt.h"
#include "desktop/TrappedCommand.h"
#include "desktop/WindowSizes.h"
#include "core/RosterFile.h"

namespace brackwell {

namespace {
constexpr const char* kWindowName = "frmPoolNames";

// "Courier New", or the fixed-pitch face the font system puts in its place (Liberation Mono):
// the desktop's own monospace choice may be a face with glyphs of more than one width.
QFont FixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void SetText(QLineEdit* field, const std::string& text) {
    const QString shown = AnsiToQString(text);
    if (field->text() != shown) field->setText(shown);
}
}  // namespace

frmPoolNames::frmPoolNames(modBrackwell& model, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), editor_(model, dialogs) {
    setObjectName(QLatin1String(kWindowName));
    setWindowTitle(QStringLiteral("PlayerName Edit"));
    setModal(true);
    const QFont fixed = FixedPitchFont();

    lstNames_ = new QListWidget;
    lstNames_->setObjectName(QStringLiteral("lstNames"));
    lstNames_->setAccessibleName(QStringLiteral("Player names"));
    lstNames_->setFont(fixed);
    lstNames_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for a whole display line and a dozen participants.
    const QFontMetrics metrics(fixed);
    lstNames_->setMinimumSize(metrics.horizontalAdvance(QString(kRosterDisplayLength + 2, u'M')),
                              metrics.height() * 12);

    auto* fields = fieldsLayout_ = new QGridLayout;
    txtName_ = AddField("txtName", "Name (Last, IN):", 0, kRosterNameWidth);
    txtFileName_ = AddField("txtFileName", "FileName:", 1, kRosterFileNameWidth);
    txtFileName_->setReadOnly(true);
    auto* note = new QLabel(QStringLiteral("The File Name cannot be changed"));
    note->setObjectName(QStringLiteral("lblFileNameNote"));
    fields->addWidget(note, 1, 2, 1, 2);
    txtEmail_ = AddField("txtEmail", "EMail Address:", 2, kRosterEmailWidth);
    txtPhone_ = AddField("txtPhone", "Phone No:", 3, kRosterPhoneWidth);
    fields->setColumnStretch(3, 1);

    auto* buttons = buttonsLayout_ = new QHBoxLayout;
    cmdAdd_ = AddButton("cmdAdd", "Add Record");
    cmdChange_ = AddButton("cmdChange", "Complete Changes", "Store the CHANGEs made");
    cmdDelete_ = AddButton("cmdDelete", "Delete Selection", "Select to DELETE selected record");
    cmdCancel_ = AddButton("cmdCancel", "Cancel");
    cmdExit_ = AddButton("cmdExit", "Done");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstNames_, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    // An entry chosen by mouse or arrow key fills the fields; the list taking the focus only
    // marks an entry as current, without choosing it.
    connect(lstNames_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = lstNames_->selectedItems();
        if (showing_ || chosen.isEmpty()) return;
        const int row = lstNames_->row(chosen.front());
        Run("lstNames_Click", [this, row] { editor_.Click(row); });
    });
    // A click on the entry already selected fills the fields again.
    connect(lstNames_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = lstNames_->row(item);
        Run("lstNames_Click", [this, row] { editor_.Click(row); });
    });
    connect(cmdAdd_, &QPushButton::clicked, this,
            [this] { Command("cmdAdd_Click", [this] { editor_.AddRecord(); }); });
    connect(cmdChange_, &QPushButton::clicked, this,
            [this] { Command("cmdChange_Click", [this] { editor_.CompleteChanges(); }); });
    connect(cmdDelete_, &QPushButton::clicked, this,
            [this] { Run("cmdDelete_Click", [this] { editor_.DeleteSelection(); }); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] {
        Run("cmdCancel_Click", [this] { editor_.Cancel(); });
        if (editor_.closed()) QDialog::reject();
    });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { Command("cmdExit_Click", [this] { editor_.Done(); }); });

    for (QWidget* watched : std::initializer_list<QWidget*>{lstNames_, txtName_, txtFileName_, txtEmail_, txtPhone_})
        watched->installEventFilter(this);
    ShowState();
    RememberWindowSize(*this);
}

QLineEdit* frmPoolNames::AddField(const char* name, const char* caption, int row, std::size_t width) {
    auto* label = new QLabel(QLatin1String(caption));
    label->setObjectName(QStringLiteral("lbl") + QLatin1String(name + 3));
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setFont(lstNames_->font());
    // As wide as the field's stored width; a longer text is cut when it is stored.
    const QFontMetrics metrics(field->font());
    field->setFixedWidth(metrics.horizontalAdvance(QString(static_cast<qsizetype>(width) + 2, u'M')));
    field->setAccessibleName(QLatin1String(caption));
    label->setBuddy(field);
    fieldsLayout_->addWidget(label, row, 0);
    fieldsLayout_->addWidget(field, row, 1);
    return field;
}

QPushButton* frmPoolNames::AddButton(const char* name, const char* caption, const char* toolTip) {
    auto* button = new QPushButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    // Enter in a field must not run a command.
    button->setAutoDefault(false);
    if (toolTip != nullptr) button->setToolTip(QLatin1String(toolTip));
    buttonsLayout_->addWidget(button);
    return button;
}

void frmPoolNames::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    if (QWidget* anchor = parentWidget()) move(anchor->mapToGlobal(QPoint(0, 0)));
    Run("Form_Load", [this] { editor_.Load(); });
}

void frmPoolNames::reject() {
    if (!editor_.closed()) Run("Form_Unload", [this] { editor_.Cancel(); });
    QDialog::reject();
}

void frmPoolNames::keyPressEvent(QKeyEvent* event) {
    // Escape only moves the focus between the list and the fields; it never closes the editor.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmPoolNames::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == lstNames_) {
        if (key == Qt::Key_Left || key == Qt::Key_Right) return true;
        if (key == Qt::Key_Escape) {
            txtName_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    } else {
        if (key == Qt::Key_Up || key == Qt::Key_Down) return true;
        if (key == Qt::Key_Escape) {
            lstNames_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPoolNames::Run(const char* procedure, const std::function<void()>& command) {
    const std::string title = std::string("Brackwell - ") + kWindowName + ", " + procedure;
    RunTrapped(dialogs_, title, [this, &command] {
        PullFields();
        command();
    });
    ShowState();
}

void frmPoolNames::Command(const char* procedure, const std::function<void()>& command) {
    Run(procedure, command);
    if (editor_.closed()) accept();
}

void frmPoolNames::PullFields() {
    RosterFields& fields = editor_.fields();
    fields.name = QStringToAnsi(txtName_->text());
    fields.fileName = QStringToAnsi(txtFileName_->text());
    fields.email = QStringToAnsi(txtEmail_->text());
    fields.phone = QStringToAnsi(txtPhone_->text());
}

void frmPoolNames::ShowState() {
    showing_ = true;
    const std::vector<std::string>& lines = editor_.lines();
    bool same = lstNames_->count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < lstNames_->count(); ++i)
        same = lstNames_->item(i)->text() == AnsiToQString(lines[i]);
    if (!same) {
        lstNames_->clear();
        for (const std::string& line : lines) lstNames_->addItem(AnsiToQString(line));
    }
    lstNames_->setCurrentRow(editor_.selected());
    if (editor_.selected() < 0) lstNames_->clearSelection();
    const RosterFields& fields = editor_.fields();
    SetText(txtName_, fields.name);
    SetText(txtFileName_, fields.fileName);
    SetText(txtEmail_, fields.email);
    SetText(txtPhone_, fields.phone);
    const RosterControls& controls = editor_.controls();
    cmdAdd_->setEnabled(controls.add);
    cmdChange_->setEnabled(controls.change);
    cmdDelete_->setEnabled(controls.remove);
    cmdCancel_->setEnabled(controls.cancel);
    cmdExit_->setEnabled(controls.done);
    lstNames_->setEnabled(controls.list);
    showing_ = false;
}

}  // namespace brackwell
