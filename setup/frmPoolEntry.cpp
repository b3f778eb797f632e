#include "setup/frmPoolEntry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <climits>

#include "desktop/AnsiQt.h"
#include "desktop/TrappedCommand.h"
#include "desktop/frmPoolMIDI.h"
#include "core/DemoSet.h"
#include "core/Numeric.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"
#include "fieldblock/PickProgramBuilder.h"
#include "setup/frmPoolSeatings.h"
#include "setup/rules/TeamNameEdits.h"

namespace brackwell {

namespace {

const char* const kTagProperty = "tag";

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

// --- Commands ---

bool frmPoolEntry::BuildPickProgramFromLines(const StartLinesArray& lines) {
    BusyCursor busy;
    prgQuillon_->setValue(0);
    prgQuillon_->show();
    int shownPercent = -1;
    const PickField field = PickFieldFromStartLines(lines);
    const bool built = BuildPickProgram(
        model_, field, platform_.dialogs, [this, &shownPercent](std::size_t done, std::size_t total) {
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
    // The browser form comes with the program; without it the program is still sent.
    if (built) BuildPickForm(model_, field, platform_.dialogs);
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
    UnloadWindow(*this);
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
        DemoReset(model_, platform_.dialogs);
        model_.SetupFinalized.assign(1, '0');  // (assigning the literal trips a false -Wrestrict of GCC 12)
        Reload();
    });
}

void frmPoolEntry::Reload() {
    if (hooks_.reload) hooks_.reload();
    else Load();
}

void frmPoolEntry::mnuHelpDisplay_Click() {
    Trapped("mnuHelpDisplay_Click", [this] { ShowHelpFile(model_, platform_.help, platform_.dialogs); });
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
