#include "bracket/frmPoolMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desktop/AnsiQt.h"
#include "desktop/frmPoolMIDI.h"
#include "bracket/BracketWidgets.h"
#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/SelectionFile.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

using namespace bracket_ui;

namespace {

constexpr const char* kWindowTitle = "Make Tournament Selections";
constexpr const char* kStartingTip = "Left Click or Drag to Select";
// The canvas the window asks for; it fits a 1366 x 768 screen with the frame's menu and borders.
constexpr QSize kPreferredCanvas(1300, 610);

}  // namespace

frmPoolMain::frmPoolMain(modBrackwell& model, Platform& platform, BracketWindowHooks hooks, QWidget* parent)
    : QWidget(parent), model_(model), platform_(platform), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmPoolMain"));
    setWindowTitle(AnsiToQString(kWindowTitle));
    BuildControls();
    BuildMenu();
    TrapErrors(platform_.dialogs, "Form_Load", [this] { Load(); });
}

QSize frmPoolMain::sizeHint() const { return QSize(kPreferredCanvas.width(), kPreferredCanvas.height() + menuBar_->sizeHint().height()); }

// --- BracketView ---

std::string frmPoolMain::TeamCaption(int label) const { return QStringToAnsi(lblRegion[label]->text()); }
void frmPoolMain::SetTeamCaption(int label, const std::string& caption) { lblRegion[label]->setText(AnsiToQString(caption)); }
void frmPoolMain::SetTeamColor(int label, Rgb color) { SetTextColor(lblRegion[label], QColor(color.r, color.g, color.b)); }
void frmPoolMain::SetResultMark(int game, const std::string& mark) {
    lblResult[game]->setText(AnsiToQString(mark));
    // A mark covers the connector tick it sits on rather than being crossed by it.
    lblResult[game]->setAutoFillBackground(!mark.empty());
}
std::string frmPoolMain::PlayerInitials() const { return QStringToAnsi(txtPlayerInitials->text()); }
void frmPoolMain::SetPlayerInitials(const std::string& text) { txtPlayerInitials->setText(AnsiToQString(text)); }
std::string frmPoolMain::PlayerName() const { return QStringToAnsi(txtPlayerName->text()); }
void frmPoolMain::SetPlayerName(const std::string& text) { txtPlayerName->setText(AnsiToQString(text)); }
std::string frmPoolMain::FinalPoints() const { return QStringToAnsi(txtFinalPoints->text()); }
void frmPoolMain::SetFinalPoints(const std::string& text) { txtFinalPoints->setText(AnsiToQString(text)); }
void frmPoolMain::SetPlayerFieldsLocked(bool locked) {
    LockNameFields(locked);
    SetLocked(txtFinalPoints, locked);
}
void frmPoolMain::SetPointScore(const std::string& text) { txtPointScore->setText(AnsiToQString(text)); }
std::string frmPoolMain::PointsCaption(int round) const { return QStringToAnsi(lblInfo[round]->text()); }

void frmPoolMain::LockNameFields(bool locked) {
    SetLocked(txtPlayerInitials, locked);
    SetLocked(txtPlayerName, locked);
}

// --- Load and menu states ---

void frmPoolMain::Load() {
    ShowStartField();
    ApplyLoadRules(menu_, CurrentFlags());
    FinishLoad();
}

void frmPoolMain::ShowStartField() {
    MoveToTopLeft();
    model_.ResultsMode = false;
    model_.CurrentSelectionFile.clear();
    model_.BuildAdvanceTable();
    ReadStartFile(model_, platform_.dialogs);
    const StartLinesArray& lines = model_.StartLines;
    for (int position = 1; position <= kPositionCount; ++position) {
        if (!IsStartingSlot(position)) continue;
        SetTeamCaption(position - 1, lines[StartTeamLine(position)]);
        lblRegion[position - 1]->setToolTip(AnsiToQString(kStartingTip));
    }
    lblTitle->setText(AnsiToQString(lines[kTitleLine]));
    for (int region = 0; region < 4; ++region)
        lblRegionTitle[region]->setText(AnsiToQString(lines[kFirstRegionNameLine + region]));
    for (int round = 0; round < 6; ++round) lblInfo[round]->setText(AnsiToQString(lines[kFirstPointsLine + round]));
    for (int box = 0; box < 64; ++box) {
        const QString seed = AnsiToQString(lines[kFirstSeedLine + box % 16]);
        txtSeed[box]->setText(seed);
        txtSeed[box]->setAccessibleName(seed.trimmed());  // read as the seed it shows
    }
    txtComment1->setPlainText(AnsiToDisplayText(BarsToLineBreaks(lines[kComment1Line])));
    txtComment2->setPlainText(AnsiToDisplayText(BarsToLineBreaks(lines[kComment2Line])));
    model_.SetupFinalized = lines[kFinalizedLine];
}

void frmPoolMain::FinishLoad() {
    ApplyMenuState();
    WindowToSelection(*this, model_);
    if (FileExists(model_.AppFilePath(kRosterFileName)))
        ValidateRosterFile(model_, platform_.dialogs);
    else
        WriteRosterHeader(model_, platform_.dialogs);
}

MenuFlags frmPoolMain::CurrentFlags() const {
    return MenuFlags{model_.SetupFinalized, FileExists(model_.AppFilePath(kResultsFileName)), DemoModeActive(model_)};
}

void frmPoolMain::ApplyMenuState() {
    mnuNewSelection->setEnabled(menu_.newSelection);
    mnuOpenSelection->setEnabled(menu_.openSelection);
    mnuSaveSelection->setEnabled(menu_.saveSelection);
    // The entries that open another window stay off while nobody provides that window.
    mnuSetup->setEnabled(menu_.setup && hooks_.openSetup);
    mnuGameResults->setEnabled(menu_.gameResults);
    mnuScoreSelections->setEnabled(menu_.scoreSelections && (!model_.ResultsMode || hooks_.openStandings));
    // The report window's printouts put a participant's picks on the bracket, which the open
    // standings score against.
    mnuReports->setEnabled(menu_.reports && hooks_.openReports && !model_.StandingsOpen);
    mnuRptOutlook->setEnabled(menu_.outlook && hooks_.openOutlook);
    mnuEditNames->setEnabled(static_cast<bool>(hooks_.editRoster));
    mnuDemo->menuAction()->setEnabled(menu_.demoMenu);
    mnuDemoSet->setEnabled(menu_.demoSet && hooks_.reload);
    mnuDemoReset->setEnabled(menu_.demoReset && hooks_.reload);
    mnuPicsTest->setEnabled(menu_.picsTest);
    mnuPicsPrint->setEnabled(menu_.picsPrint);
    mnuPicsEmail->setEnabled(menu_.picsEmail);
    lblDemoMode->setVisible(menu_.demoCaptionShown);
    cmdDefaultColors->setVisible(menu_.returnShown);
    cmdDefaultColors->setEnabled(menu_.returnShown);
    cmdDefaultColors->setDefault(menu_.returnShown);
}

void frmPoolMain::EnableScoreSelections() {
    menu_.scoreSelections = true;
    ApplyMenuState();
}

void frmPoolMain::EnableReports() {
    menu_.reports = true;
    ApplyMenuState();
}

void frmPoolMain::LockForStandings(bool locked) {
    for (QWidget* control : std::initializer_list<QWidget*>{txtPlayerInitials, txtPlayerName, txtFinalPoints,
                                                             txtPointScore, lblTitle, lblInfo1, lblInfo2, Label1,
                                                             Label2, lblFinalPoints})
        control->setEnabled(!locked);
    for (QLabel* label : lblRegionTitle) label->setEnabled(!locked);
    for (QLabel* label : lblInfo) label->setEnabled(!locked);
    ApplyMenuState();
}

void frmPoolMain::RunCommand(const char* procedure, const std::function<void()>& command) {
    if (commandRunning_) return;
    commandRunning_ = true;
    TrapErrors(platform_.dialogs, procedure, command);
    commandRunning_ = false;
    ApplyMenuState();
}

void frmPoolMain::Unload() {
    unloading_ = true;
    UnloadWindow(*this);
}

void frmPoolMain::MoveToTopLeft() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->move(0, 0);
}

}  // namespace brackwell
