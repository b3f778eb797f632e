#include "setup/frmPoolEntry.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

#include "app/AnsiQt.h"
#include "app/TrappedCommand.h"
#include "core/DemoSet.h"
#include "core/Numeric.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"
#include "fieldblock/PickProgramBuilder.h"
#include "setup/TeamBoxTypeAhead.h"
#include "setup/frmPoolSeatings.h"
#include "setup/rules/TeamNameEdits.h"

namespace brackwell {

namespace {

const char* const kPointsTips[kPointsBoxCount] = {
    "Points for each win in 1st round",      "Points for each win in 2nd round",
    "Points for each win in 3rd round",      "Points for each win in Regional Finals",
    "Points for each winner in Semifinals", "Points for selecting winner in FINAL GAME"};
const char* const kCommentTip = "Enter any comments or instructions";
const QColor kCurrentBoxGreen(128, 255, 128);
const char* const kTagProperty = "tag";

QString Name(const char* base, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index); }

// A comment box's text with its line breaks as CR LF.
std::string CommentText(const QPlainTextEdit& box) {
    QString text = box.toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QStringToAnsi(text);
}

// The busy cursor for as long as the object lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

frmPoolEntry::frmPoolEntry(modBrackwell& model, Platform& platform, SetupWindowHooks hooks, QWidget* parent)
    : QWidget(parent), model_(model), platform_(platform), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmPoolEntry"));
    setWindowTitle(QStringLiteral("Define Starting Field & Options"));
    BuildControls();
    BuildMenus();
    Trapped("Form_Load", [this] { Load(); });
}

frmPoolEntry::~frmPoolEntry() {
    // The controls are deleted after this object's members; the focus leaving them on the way
    // must not reach the handlers any more.
    for (QLineEdit* box : txtRegion_) {
        box->removeEventFilter(this);
        disconnect(box, nullptr, this, nullptr);
    }
    lstTeamNames_->removeEventFilter(this);
    lstTeamNames_->viewport()->removeEventFilter(this);
}

void frmPoolEntry::Trapped(const char* procedure, const std::function<void()>& command) {
    RunTrapped(platform_.dialogs, std::string("Brackwell - frmPoolEntry, ") + procedure, command);
}

void frmPoolEntry::BuildControls() {
    auto* regions = new QGridLayout;
    regions->setHorizontalSpacing(4);
    regions->setVerticalSpacing(2);
    for (int i = 0; i < kInfoBoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(Name("TxtInfo", i));
        box->setAccessibleName(i == 0 ? QStringLiteral("Tournament title") : QStringLiteral("Region %1 name").arg(i));
        TxtInfo_[i] = box;
    }
    for (int k = 0; k < kTeamBoxCount; ++k) {
        const int region = k / 16;
        const int slot = k % 16;
        auto* seed = new QLabel(this);
        seed->setObjectName(Name("lblSeed", k));
        seed->setTextFormat(Qt::PlainText);
        seed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        seed->setMinimumWidth(20);
        auto* team = new QLineEdit(this);
        team->setObjectName(Name("txtRegion", k));
        team->setMinimumWidth(150);
        team->installEventFilter(this);
        connect(team, &QLineEdit::editingFinished, this, [this, k] {
            NoteTypedTeamName(typedNames_, k, QStringToAnsi(txtRegion_[k]->text()), teamNames_);
        });
        lblSeed_[k] = seed;
        txtRegion_[k] = team;
        regions->addWidget(seed, slot + 1, region * 2);
        regions->addWidget(team, slot + 1, region * 2 + 1);
    }
    for (int r = 0; r < 4; ++r) regions->addWidget(TxtInfo_[r + 1], 0, r * 2, 1, 2);

    namNames_ = new QGroupBox(QStringLiteral("NAMES"), this);
    namNames_->setObjectName(QStringLiteral("namNames"));
    lstTeamNames_ = new QListWidget(namNames_);
    lstTeamNames_->setObjectName(QStringLiteral("lstTeamNames"));
    lstTeamNames_->setAccessibleName(QStringLiteral("Team names"));
    lstTeamNames_->installEventFilter(this);
    lstTeamNames_->viewport()->installEventFilter(this);
    connect(lstTeamNames_, &QListWidget::itemDoubleClicked, this, [this] { PutListNameIntoBox(); });
    Label1_ = new QLabel(QStringLiteral("Select Buttons to Change Names in the above List"), namNames_);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setWordWrap(true);
    cmdAddName_ = new QPushButton(QStringLiteral("&Add"), namNames_);
    cmdAddName_->setObjectName(QStringLiteral("cmdAddName"));
    cmdChangeName_ = new QPushButton(QStringLiteral("&Change"), namNames_);
    cmdChangeName_->setObjectName(QStringLiteral("cmdChangeName"));
    cmdDeleteName_ = new QPushButton(QStringLiteral("&Delete"), namNames_);
    cmdDeleteName_->setObjectName(QStringLiteral("cmdDeleteName"));
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* button : {cmdAddName_, cmdChangeName_, cmdDeleteName_}) listButtons->addWidget(button);
    auto* names = new QVBoxLayout(namNames_);
    names->addWidget(lstTeamNames_, 1);
    names->addWidget(Label1_);
    names->addLayout(listButtons);

    cmdOverride_ = new QPushButton(QStringLiteral("Override &Selecting Team Names"), this);
    cmdOverride_->setObjectName(QStringLiteral("cmdOverride"));
    cmdClear_ = new QPushButton(QStringLiteral("Clear All Team Names"), this);
    cmdClear_->setObjectName(QStringLiteral("cmdClear"));
    cmdFinalize_ = new QPushButton(QStringLiteral("Finalize Setup"), this);
    cmdFinalize_->setObjectName(QStringLiteral("cmdFinalize"));
    lblDemoMode_ = new QLabel(QStringLiteral("Demonstration Mode"), this);
    lblDemoMode_->setObjectName(QStringLiteral("lblDemoMode"));
    lblDemoMode_->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    lblDemoMode_->hide();
    auto* side = new QVBoxLayout;
    side->addWidget(lblDemoMode_);
    side->addWidget(namNames_, 1);
    side->addWidget(cmdOverride_);
    side->addWidget(cmdClear_);
    side->addWidget(cmdFinalize_);

    lblInfo1_ = new QLabel(QStringLiteral("Payoff Per Round:"), this);
    lblInfo1_->setObjectName(QStringLiteral("lblInfo1"));
    lblInfo2_ = new QLabel(QStringLiteral("  1       2      3      4     5      6"), this);
    lblInfo2_->setObjectName(QStringLiteral("lblInfo2"));
    auto* points = new QGridLayout;
    points->addWidget(lblInfo1_, 0, 0, 1, kPointsBoxCount);
    for (int i = 0; i < kPointsBoxCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(Name("txtInfo6", i));
        box->setToolTip(QString::fromLatin1(kPointsTips[i]));
        box->setAccessibleName(QString::fromLatin1(kPointsTips[i]));
        box->setMaximumWidth(36);
        txtInfo6_[i] = box;
        points->addWidget(box, 2, i);
    }
    // The round numbers stand over the boxes; the label keeps its one caption for screen readers.
    points->addWidget(lblInfo2_, 1, 0, 1, kPointsBoxCount);

    txtComment1_ = new QPlainTextEdit(this);
    txtComment1_->setObjectName(QStringLiteral("txtComment1"));
    txtComment2_ = new QPlainTextEdit(this);
    txtComment2_->setObjectName(QStringLiteral("txtComment2"));
    int n = 1;
    for (QPlainTextEdit* comment : {txtComment1_, txtComment2_}) {
        comment->setToolTip(QString::fromLatin1(kCommentTip));
        comment->setAccessibleName(QStringLiteral("Comment %1").arg(n++));
        comment->setTabChangesFocus(true);
        comment->setFixedHeight(64);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(points);
    bottom->addWidget(txtComment1_, 1);
    bottom->addWidget(txtComment2_, 1);

    prgQuillon_ = new QProgressBar(this);
    prgQuillon_->setObjectName(QStringLiteral("prgQuillon"));
    prgQuillon_->setAccessibleName(QStringLiteral("Building QUILLON.EXE"));
    prgQuillon_->setTextVisible(false);
    prgQuillon_->hide();

    auto* field = new QVBoxLayout;
    field->addWidget(TxtInfo_[0]);
    field->addLayout(regions);
    field->addLayout(bottom);
    auto* body = new QHBoxLayout;
    body->addLayout(field, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->addLayout(body);
    layout->addWidget(prgQuillon_);

    connect(cmdAddName_, &QPushButton::clicked, this, &frmPoolEntry::cmdAddName_Click);
    connect(cmdChangeName_, &QPushButton::clicked, this, &frmPoolEntry::cmdChangeName_Click);
    connect(cmdDeleteName_, &QPushButton::clicked, this, &frmPoolEntry::cmdDeleteName_Click);
    connect(cmdOverride_, &QPushButton::clicked, this, &frmPoolEntry::cmdOverride_Click);
    connect(cmdClear_, &QPushButton::clicked, this, &frmPoolEntry::cmdClear_Click);
    connect(cmdFinalize_, &QPushButton::clicked, this, &frmPoolEntry::cmdFinalize_Click);
}

void frmPoolEntry::BuildMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar_);
    auto addMenu = [this](const char* name, const char* caption) {
        QMenu* menu = menuBar_->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addAction = [this](QMenu* menu, QAction*& action, const char* name, const char* caption,
                            void (frmPoolEntry::*handler)()) {
        action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    QMenu* file = addMenu("mnuPoolEntry", "File");
    addAction(file, mnuSaveStartingField, "mnuSaveStartingField", "Save", &frmPoolEntry::mnuSaveStartingField_Click);
    file->addSeparator();
    addAction(file, mnuEnd, "mnuEnd", "Exit", &frmPoolEntry::mnuEnd_Click);
    QMenu* options = addMenu("mnuOptions", "Options");
    addAction(options, mnuSeating, "mnuSeating", "Seeding Entry", &frmPoolEntry::mnuSeating_Click);
    QMenu* demo = addMenu("mnuDemo", "DEMO Mode");
    addAction(demo, mnuDemoSet, "mnuDemoSet", "DEMO-Start", &frmPoolEntry::mnuDemoSet_Click);
    addAction(demo, mnuDemoReset, "mnuDemoReset", "DEMO-Reset", &frmPoolEntry::mnuDemoReset_Click);
    mnuDemoReset->setEnabled(false);
    QMenu* help = addMenu("mnuHelp", "Help");
    addAction(help, mnuHelpDisplay, "mnuHelpDisplay", "Help Display", &frmPoolEntry::mnuHelpDisplay_Click);
    mnuHelpDisplay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    // The window itself carries the shortcut, so that it works from any of its boxes.
    mnuHelpDisplay->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QWidget::addAction(mnuHelpDisplay);
    help->addSeparator();
    addAction(help, mnuAboutDisplay, "mnuAboutDisplay", "About Brackwell", &frmPoolEntry::mnuAboutDisplay_Click);
}

// --- Loading and the boxes ---

void frmPoolEntry::Load() {
    model_.TeamNamesChanged = false;
    override_ = false;
    typedNames_.clear();
    typedNames_.reserve(10);
    currentBox_ = 0;
    cmdFinalize_->setProperty(kTagProperty, QStringLiteral("0"));
    cmdFinalize_->setEnabled(true);

    ReadStartFile(model_, platform_.dialogs);
    ShowField(SetupFieldFromStartLines(model_.StartLines));
    teamNames_.clear();
    if (ReadTeamNames(model_, platform_.dialogs)) {
        for (std::size_t i = 1; i < model_.TeamNameList.size() && !model_.TeamNameList[i].empty(); ++i)
            teamNames_.push_back(model_.TeamNameList[i]);
    }
    FillList(std::nullopt);

    const bool demo = DemoModeActive(model_);
    mnuDemoReset->setEnabled(demo);
    mnuDemoSet->setEnabled(!demo && NumericValue(model_.SetupFinalized) == 0);
    lblDemoMode_->setVisible(demo);
}

void frmPoolEntry::ShowField(const SetupField& field) {
    for (int k = 0; k < kTeamBoxCount; ++k) txtRegion_[k]->setText(AnsiToQString(field.teams[k]));
    for (int i = 0; i < kInfoBoxCount; ++i) TxtInfo_[i]->setText(AnsiToQString(field.info[i]));
    for (int i = 0; i < kPointsBoxCount; ++i) txtInfo6_[i]->setText(AnsiToQString(field.points[i]));
    txtComment1_->setPlainText(AnsiToDisplayText(field.comment1));
    txtComment2_->setPlainText(AnsiToDisplayText(field.comment2));
    seeds_ = field.seeds;
    ShowSeeds();
}

SetupField frmPoolEntry::FieldOfBoxes() const {
    SetupField field;
    for (int k = 0; k < kTeamBoxCount; ++k) field.teams[k] = QStringToAnsi(txtRegion_[k]->text());
    for (int i = 0; i < kInfoBoxCount; ++i) field.info[i] = QStringToAnsi(TxtInfo_[i]->text());
    for (int i = 0; i < kPointsBoxCount; ++i) field.points[i] = QStringToAnsi(txtInfo6_[i]->text());
    field.seeds = seeds_;
    field.comment1 = CommentText(*txtComment1_);
    field.comment2 = CommentText(*txtComment2_);
    field.finalizeTag = QStringToAnsi(cmdFinalize_->property(kTagProperty).toString());
    return field;
}

void frmPoolEntry::ShowSeeds() {
    for (int k = 0; k < kTeamBoxCount; ++k) lblSeed_[k]->setText(AnsiToQString(seeds_[k % kSeedCount]));
}

void frmPoolEntry::FillList(std::optional<int> selected) {
    lstTeamNames_->clear();
    for (const std::string& name : teamNames_) lstTeamNames_->addItem(AnsiToQString(name));
    if (selected) lstTeamNames_->setCurrentRow(*selected);
}

std::optional<int> frmPoolEntry::SelectedName() const {
    const QList<QListWidgetItem*> items = lstTeamNames_->selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return lstTeamNames_->row(items.front());
}

void frmPoolEntry::FocusBox(const SetupFocus& focus) {
    switch (focus.box) {
        case SetupFocus::Box::Team: FocusTeamBox(focus.index); break;
        case SetupFocus::Box::Info: TxtInfo_[focus.index]->setFocus(); break;
        case SetupFocus::Box::Points: txtInfo6_[focus.index]->setFocus(); break;
        case SetupFocus::Box::None: break;
    }
}

void frmPoolEntry::FocusTeamBox(int index) {
    currentBox_ = std::clamp(index, 0, kTeamBoxCount - 1);
    txtRegion_[currentBox_]->setFocus();
    txtRegion_[currentBox_]->selectAll();
}

void frmPoolEntry::PaintCurrentBox(bool highlighted) {
    // The box painted green is the one painted back, even when the current box has moved on.
    if (highlighted) paintedBox_ = currentBox_;
    if (!paintedBox_) return;
    QLineEdit* box = txtRegion_[*paintedBox_];
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, highlighted ? kCurrentBoxGreen : palette().color(QPalette::Window));
    box->setPalette(colours);
    if (!highlighted) paintedBox_.reset();
}

void frmPoolEntry::PutListNameIntoBox() {
    const std::optional<int> selected = SelectedName();
    if (!selected) return;
    const std::string& name = teamNames_[*selected];
    txtRegion_[currentBox_]->setText(AnsiToQString(name));
    NoteTypedTeamName(typedNames_, currentBox_, name, teamNames_);
    FocusTeamBox(currentBox_ + 1);
}

// --- Keys and the mouse ---

bool frmPoolEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTeamNames_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            PaintCurrentBox(true);
        return false;
    }
    if (watched == lstTeamNames_) {
        if (event->type() == QEvent::FocusOut) PaintCurrentBox(false);
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Trapped("lstTeamNames_KeyPress", [this] { PutListNameIntoBox(); });
            return true;
        }
        if (key == Qt::Key_Escape) {
            FocusTeamBox(currentBox_);
            return true;
        }
        return false;
    }
    const auto box = std::find(txtRegion_.begin(), txtRegion_.end(), watched);
    if (box == txtRegion_.end()) return QWidget::eventFilter(watched, event);
    const int index = static_cast<int>(box - txtRegion_.begin());
    if (event->type() == QEvent::FocusIn) {
        currentBox_ = index;
        lstTeamNames_->clearSelection();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            (*box)->deselect();
            FocusTeamBox(index + 1);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (override_) return false;
            lstTeamNames_->setFocus();
            QCoreApplication::sendEvent(lstTeamNames_, key);
            return true;
        default:
            break;
    }
    if (override_) return false;
    bool consumed = false;
    Trapped("txtRegion_KeyPress", [&] { consumed = TypeAheadKey(**box, *lstTeamNames_, teamNames_, *key); });
    return consumed;
}

// --- Commands ---

bool frmPoolEntry::BuildPickProgramFromLines(const StartLinesArray& lines) {
    BusyCursor busy;
    prgQuillon_->setValue(0);
    prgQuillon_->show();
    int shownPercent = -1;
    const bool built = BuildPickProgram(
        model_, PickFieldFromStartLines(lines), platform_.dialogs, [this, &shownPercent](std::size_t done, std::size_t total) {
            // The bar counts bytes; it is repainted once per percent.
            const int maximum = static_cast<int>(std::min<std::size_t>(total, INT_MAX));
            const int value = static_cast<int>(std::min<std::size_t>(done, static_cast<std::size_t>(maximum)));
            const int percent = maximum == 0 ? 100 : static_cast<int>(static_cast<long long>(value) * 100 / maximum);
            if (percent == shownPercent) return;
            shownPercent = percent;
            prgQuillon_->setMaximum(maximum);
            prgQuillon_->setValue(value);
            prgQuillon_->repaint();
        });
    prgQuillon_->setValue(0);
    prgQuillon_->hide();
    return built;
}

void frmPoolEntry::mnuSaveStartingField_Click() {
    Trapped("mnuSaveStartingField_Click", [this] {
        SetupField field = FieldOfBoxes();
        const SaveOutcome outcome = SaveStartingField(model_, platform_.dialogs, field, [this](const StartLinesArray& lines) {
            return BuildPickProgramFromLines(lines);
        });
        cmdFinalize_->setProperty(kTagProperty, AnsiToQString(field.finalizeTag));
        cmdFinalize_->setEnabled(!field.FinalizeRequested());
        FocusBox(outcome.focus);
        if (outcome.result == SaveResult::Finalized) ReturnToBracket();
    });
}

void frmPoolEntry::mnuEnd_Click() {
    Trapped("mnuEnd_Click", [this] {
        teamNames_ = WriteTeamNames(model_, platform_.dialogs, teamNames_, typedNames_);
        ReturnToBracket();
    });
}

void frmPoolEntry::ReturnToBracket() {
    const QPointer<frmPoolEntry> self(this);
    if (hooks_.returnToBracket) hooks_.returnToBracket();
    if (!self || !isVisible()) return;
    // Still here: unload, as the frame's window when this is one of its children.
    if (auto* frameWindow = qobject_cast<QMdiSubWindow*>(parentWidget())) frameWindow->close();
    else close();
}

void frmPoolEntry::mnuSeating_Click() {
    Trapped("mnuSeating_Click", [this] {
        std::array<std::string, kSeedCount> teams;
        SeedTexts shown;
        for (int k = 0; k < kSeedCount; ++k) {
            teams[k] = QStringToAnsi(txtRegion_[k]->text());
            shown[k] = QStringToAnsi(lblSeed_[k]->text());
        }
        frmPoolSeatings dialog(teams, shown, platform_.dialogs, this);
        if (dialog.exec() != QDialog::Accepted) return;
        seeds_ = dialog.Seeds();
        ShowSeeds();
    });
}

void frmPoolEntry::mnuDemoSet_Click() {
    Trapped("mnuDemoSet_Click", [this] {
        if (StartDemoMode(model_, platform_.dialogs)) Reload();
    });
}

void frmPoolEntry::mnuDemoReset_Click() {
    Trapped("mnuDemoReset_Click", [this] {
        DemoReset(model_);
        model_.SetupFinalized.assign(1, '0');  // (assigning the literal trips a false -Wrestrict of GCC 12)
        Reload();
    });
}

void frmPoolEntry::Reload() {
    if (hooks_.reload) hooks_.reload();
    else Load();
}

void frmPoolEntry::mnuHelpDisplay_Click() {
    Trapped("mnuHelpDisplay_Click", [this] {
        if (platform_.help.ShowHelpFile(model_.AppFilePath("BRACKWELL.HLP"))) return;
        platform_.dialogs.Message(std::string("Trouble loading the help file, make sure that ") + kCrLf +
                                      "BRACKWELL.HLP is present in the same directory " + kCrLf +
                                      "as the application program.",
                                  "** Help File Problem **");
    });
}

void frmPoolEntry::mnuAboutDisplay_Click() {
    Trapped("mnuAboutDisplay_Click", [this] { platform_.help.ShowAbout(); });
}

void frmPoolEntry::cmdAddName_Click() {
    Trapped("cmdAddName_Click", [this] {
        if (const std::optional<int> added = AddTeamName(teamNames_, model_, platform_.dialogs)) FillList(added);
    });
}

void frmPoolEntry::cmdChangeName_Click() {
    Trapped("cmdChangeName_Click", [this] {
        if (const std::optional<int> changed = ChangeTeamName(teamNames_, SelectedName(), model_, platform_.dialogs))
            FillList(changed);
    });
}

void frmPoolEntry::cmdDeleteName_Click() {
    Trapped("cmdDeleteName_Click", [this] {
        if (DeleteTeamName(teamNames_, SelectedName(), model_, platform_.dialogs)) FillList(std::nullopt);
    });
}

void frmPoolEntry::cmdOverride_Click() {
    Trapped("cmdOverride_Click", [this] {
        override_ = !override_;
        cmdOverride_->setText(override_ ? QStringLiteral("Continue &Selecting")
                                        : QStringLiteral("Override &Selecting Team Names"));
        for (QWidget* control : std::initializer_list<QWidget*>{lstTeamNames_, cmdAddName_, cmdChangeName_, cmdDeleteName_})
            control->setEnabled(!override_);
        FocusTeamBox(currentBox_);
    });
}

void frmPoolEntry::cmdClear_Click() {
    Trapped("cmdClear_Click", [this] {
        for (int k = 0; k < kTeamBoxCount; ++k) {
            txtRegion_[k]->clear();
            NoteTypedTeamName(typedNames_, k, {}, teamNames_);
        }
        FocusTeamBox(0);
    });
}

void frmPoolEntry::cmdFinalize_Click() {
    Trapped("cmdFinalize_Click", [this] {
        cmdFinalize_->setProperty(kTagProperty, QStringLiteral("1"));
        cmdFinalize_->setEnabled(false);
    });
}

}  // namespace brackwell
