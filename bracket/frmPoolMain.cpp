#include "bracket/frmPoolMain.h"

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRubberBand>
#include <QVBoxLayout>

#include <stdexcept>

#include "app/AnsiQt.h"
#include "app/TrappedCommand.h"
#include "app/WindowImages.h"
#include "app/frmPoolMIDI.h"
#include "bracket/BracketCanvas.h"
#include "bracket/BracketGeometry.h"
#include "bracket/rules/HighSeeds.h"
#include "bracket/rules/PickRules.h"
#include "bracket/rules/SelectionCommands.h"
#include "core/DemoSet.h"
#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "fieldblock/PickProgramBuilder.h"
#include "core/Settings.h"
#include "core/StartFile.h"
#include "core/TextHelpers.h"

namespace brackwell {

namespace {

constexpr const char* kWindowTitle = "Make Tournament Selections";
constexpr const char* kStartingTip = "Left Click or Drag to Select";
constexpr const char* kTeamLabelProperty = "teamLabel";
// The smallest canvas on which the labels stay readable; it fits a 1366 x 768 screen.
constexpr QSize kMinimumCanvas(1240, 580);
constexpr QSize kPreferredCanvas(1300, 610);

// The note of the pick program's mail: how to open what is attached, then the steps. With the
// browser form attached, the note offers it first: it opens anywhere, a phone included.
constexpr const char* kPickProgramOnly =
    "The file attached to this Email is a program that will allow you to easily make your selections for this "
    "year's tournament and pool.  The program can be stored to your system and executed or if you double-click "
    "the attachment with your mouse, it can be run directly from this Email.";
constexpr const char* kPickProgramAndForm =
    "The files attached to this Email will allow you to easily make your selections for this year's tournament "
    "and pool.  Open QUILLON.HTM in any web browser (on a computer, a tablet or a phone; nothing to install), or "
    "run the program QUILLON.EXE: it can be stored to your system and executed or if you double-click the "
    "attachment with your mouse, it can be run directly from this Email.";
constexpr const char* kPickSteps =
    "\r\n\r\n"
    "1) Select the winner of each of the games by clicking your left mouse button on the predicted winner for "
    "each game.\r\n\r\n"
    "2)  Now enter your Initials, Lastname, and Predicted Point Total for the championship game.\r\n\r\n";
constexpr const char* kPickSaveProgramOnly = "3) Save your selections by selecting the menu option - [File - SaveAs]. ";
constexpr const char* kPickSaveProgramAndForm =
    "3) Save your selections: in the browser with the [Save As] button, in the program by selecting the menu "
    "option - [File - SaveAs]. ";
constexpr const char* kPickReturn =
    "\r\n\r\n"
    "4) Finally, attach the file you saved to another Email and return this file to me.  The name of this file "
    "will be developed from your initials and last name..... For example, TM Smith would find a file with the "
    "name of Smith_TM.BKS.";

std::string PickProgramNote(bool withForm) {
    return std::string(withForm ? kPickProgramAndForm : kPickProgramOnly) + kPickSteps +
           (withForm ? kPickSaveProgramAndForm : kPickSaveProgramOnly) + kPickReturn;
}

std::string ProcedureTitle(const char* procedure) { return std::string("Brackwell - frmPoolMain, ") + procedure; }

// What a handler throws is shown, never passed on to the event loop.
void TrapErrors(Dialogs& dialogs, const char* procedure, const std::function<void()>& body) {
    RunTrapped(dialogs, ProcedureTitle(procedure), body);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, double points = 8, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    edit->setFont(font);
    return edit;
}

void SetLocked(QLineEdit* edit, bool locked) {
    edit->setReadOnly(locked);
    edit->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
}

QRect Scaled(const QRectF& design, double sx, double sy) {
    return QRectF(design.x() * sx, design.y() * sy, design.width() * sx, design.height() * sy).toRect();
}

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

void frmPoolMain::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(menuBar_);
    canvas_ = new BracketCanvas(this);
    canvas_->setMinimumSize(kMinimumCanvas);
    layout->addWidget(canvas_);
    canvas_->installEventFilter(this);

    for (int label = 0; label < kPositionCount; ++label) {
        const bool semifinal = label == 124 || label == 125;
        const bool champion = label == kChampionLabel;
        QLabel* team = MakeLabel(canvas_, QStringLiteral("lblRegion_%1").arg(label), QString(),
                                 champion ? 11 : 8, semifinal || champion);
        team->setFrameShape(QFrame::Box);
        team->setProperty(kTeamLabelProperty, label);
        if (semifinal || champion) team->setAlignment(Qt::AlignCenter);
        SetTextColor(team, QColor(0, 0, 255));
        lblRegion[label] = team;
    }
    for (int box = 0; box < 64; ++box) {
        QLineEdit* seed = MakeEdit(canvas_, QStringLiteral("txtSeed_%1").arg(box), QString());
        seed->setFrame(false);
        seed->setAlignment(Qt::AlignCenter);
        seed->setTextMargins(0, 0, 0, 0);
        SetLocked(seed, true);
        txtSeed[box] = seed;
    }
    for (int game = 0; game < kGameCount; ++game) {
        QLabel* mark = MakeLabel(canvas_, QStringLiteral("lblResult_%1").arg(game), QString(), 8, true);
        mark->setAlignment(Qt::AlignCenter);
        lblResult[game] = mark;
    }
    lblTitle = MakeLabel(canvas_, QStringLiteral("lblTitle"), QString(), 12, true);
    lblTitle->setAlignment(Qt::AlignCenter);
    for (int region = 0; region < 4; ++region)
        lblRegionTitle[region] = MakeLabel(canvas_, QStringLiteral("lblRegionTitle_%1").arg(region), QString(), 9, true);
    lblInfo1 = MakeLabel(canvas_, QStringLiteral("lblInfo1"), QStringLiteral("Payoff Points / Round:"), 8, true);
    lblInfo2 = MakeLabel(canvas_, QStringLiteral("lblInfo2"), QStringLiteral("  1     2    3     4    5    6"));
    for (int round = 0; round < 6; ++round) {
        lblInfo[round] = MakeLabel(canvas_, QStringLiteral("lblInfo_%1").arg(round), QString(), 8, true);
        lblInfo[round]->setAlignment(Qt::AlignCenter);
        lblInfo[round]->setFrameShape(QFrame::Box);
    }
    Label2 = MakeLabel(canvas_, QStringLiteral("Label2"), QStringLiteral("Tournament Winner"), 8, true);
    Label2->setAlignment(Qt::AlignCenter);
    // Stored as "Enter Initials && Last Name": the doubled ampersand is one shown "&".
    Label1 = MakeLabel(canvas_, QStringLiteral("Label1"), QStringLiteral("Enter Initials & Last Name"), 8, true);
    Label1->setAlignment(Qt::AlignCenter);
    SetTextColor(Label1, QColor(255, 0, 0));
    lblFinalPoints = MakeLabel(canvas_, QStringLiteral("lblFinalPoints"), QStringLiteral("Total Points"), 8, true);
    SetTextColor(lblFinalPoints, QColor(255, 0, 0));
    lblDemoMode = MakeLabel(canvas_, QStringLiteral("lblDemoMode"), QStringLiteral("Demonstration Mode"), 10, true);
    lblDemoMode->setAlignment(Qt::AlignCenter);
    SetTextColor(lblDemoMode, QColor(255, 0, 0));
    lblDemoMode->hide();

    txtPlayerInitials = MakeEdit(canvas_, QStringLiteral("txtPlayerInitials"), QStringLiteral("Initials"));
    txtPlayerInitials->setAlignment(Qt::AlignCenter);
    txtPlayerName = MakeEdit(canvas_, QStringLiteral("txtPlayerName"), QStringLiteral("Last Name"));
    txtFinalPoints = MakeEdit(canvas_, QStringLiteral("txtFinalPoints"), QStringLiteral("Total Points"));
    txtFinalPoints->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    txtFinalPoints->setToolTip(QStringLiteral("Predict total points in Championship game"));
    txtPointScore = MakeEdit(canvas_, QStringLiteral("txtPointScore"), QStringLiteral("Score"));
    txtPointScore->setAlignment(Qt::AlignCenter);
    SetLocked(txtPointScore, true);
    for (QLineEdit* field : {txtPlayerInitials, txtPlayerName, txtFinalPoints}) field->installEventFilter(this);
    setTabOrder(txtPlayerInitials, txtPlayerName);
    setTabOrder(txtPlayerName, txtFinalPoints);

    int commentNumber = 1;
    for (QPlainTextEdit** comment : {&txtComment1, &txtComment2}) {
        auto* edit = new QPlainTextEdit(canvas_);
        edit->setObjectName(QStringLiteral("txtComment%1").arg(commentNumber));
        edit->setAccessibleName(QStringLiteral("Comment %1").arg(commentNumber));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFrameShape(QFrame::NoFrame);
        edit->setFont(QFont(QStringLiteral("Arial"), 8));
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        *comment = edit;
        ++commentNumber;
    }

    cmdDefaultColors = new QPushButton(QStringLiteral("Return"), canvas_);
    cmdDefaultColors->setObjectName(QStringLiteral("cmdDefaultColors"));
    connect(cmdDefaultColors, &QPushButton::clicked, this,
            [this] { RunCommand("cmdDefaultColors_Click", [this] { ReturnFromScores(); }); });

    // The outline that follows the pointer while a team is dragged.
    dragOutline_ = new QRubberBand(QRubberBand::Rectangle, canvas_);
    dragOutline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragOutline_->setAccessibleName(QStringLiteral("Team being dragged"));
    dragOutline_->hide();

    canvas_->onPress = [this](QMouseEvent* event) {
        TrapErrors(platform_.dialogs, "lblRegion_MouseDown", [this, event] { PressOnBracket(event); });
    };
    canvas_->onMove = [this](QMouseEvent* event) { MoveOnBracket(event); };
    canvas_->onRelease = [this](QMouseEvent* event) {
        TrapErrors(platform_.dialogs, "lblRegion_DragDrop", [this, event] { ReleaseOnBracket(event); });
    };
    PlaceControls();
}

void frmPoolMain::BuildMenu() {
    auto entry = [this](QMenu* menu, QAction*& action, const char* name, const char* caption, const char* procedure,
                        void (frmPoolMain::*command)(), QKeySequence shortcut = {}) {
        action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        addAction(action);  // shortcuts work while the window is active, not only in an open menu
        connect(action, &QAction::triggered, this, [this, procedure, command] { RunCommand(procedure, [this, command] { (this->*command)(); }); });
    };
    auto menu = [this](QMenu*& member, const char* name, const char* caption) {
        member = menuBar_->addMenu(QString::fromLatin1(caption));
        member->setObjectName(QString::fromLatin1(name));
    };

    menu(mnuFileOptions, "mnuFileOptions", "File");
    entry(mnuFileOptions, mnuNewSelection, "mnuNewSelection", "&New Selection", "mnuNewSelection_Click",
          &frmPoolMain::NewSelection, QKeySequence(Qt::CTRL | Qt::Key_N));
    entry(mnuFileOptions, mnuOpenSelection, "mnuOpenSelection", "&Open Selection", "mnuOpenSelection_Click",
          &frmPoolMain::OpenSelectionCommand, QKeySequence(Qt::CTRL | Qt::Key_O));
    entry(mnuFileOptions, mnuSaveSelection, "mnuSaveSelection", "&Save Selection", "mnuSaveSelection_Click",
          &frmPoolMain::SaveSelectionCommand, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileOptions->addSeparator();
    entry(mnuFileOptions, mnuPrintForm, "mnuPrintForm", "&Print Form", "mnuPrintForm_Click", &frmPoolMain::PrintForm,
          QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileOptions->addSeparator();
    mnuExit = mnuFileOptions->addAction(QStringLiteral("&Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, [this] { window()->close(); });

    menu(mnuOptions, "mnuOptions", "Options");
    mnuSetup = mnuOptions->addAction(QStringLiteral("Setup Pool Options"));
    mnuSetup->setObjectName(QStringLiteral("mnuSetup"));
    connect(mnuSetup, &QAction::triggered, this, [this] {
        RunCommand("mnuSetup_Click", [this] {
            hooks_.openSetup();
            Unload();
        });
    });
    mnuOptions->addSeparator();
    entry(mnuOptions, mnuGameResults, "mnuGameResults", "Enter Game Results", "mnuGameResults_Click",
          &frmPoolMain::GameResults);
    entry(mnuOptions, mnuScoreSelections, "mnuScoreSelections", "Score Selections", "mnuScoreSelections_Click",
          &frmPoolMain::ScoreSelections);
    mnuOptions->addSeparator();
    mnuReports = mnuOptions->addAction(QStringLiteral("Report Options"));
    mnuReports->setObjectName(QStringLiteral("mnuReports"));
    connect(mnuReports, &QAction::triggered, this, [this] {
        RunCommand("mnuReports_Click", [this] {
            menu_.reports = false;
            ApplyMenuState();
            hooks_.openReports();
        });
    });
    // Beside the reports: who can still win, in a window of its own that changes nothing here.
    mnuRptOutlook = mnuOptions->addAction(QStringLiteral("Pool Outlook"));
    mnuRptOutlook->setObjectName(QStringLiteral("mnuRptOutlook"));
    connect(mnuRptOutlook, &QAction::triggered, this,
            [this] { RunCommand("mnuRptOutlook_Click", [this] { hooks_.openOutlook(); }); });
    mnuOptions->addSeparator();
    mnuEditNames = mnuOptions->addAction(QStringLiteral("Edit Names File"));
    mnuEditNames->setObjectName(QStringLiteral("mnuEditNames"));
    connect(mnuEditNames, &QAction::triggered, this, [this] { RunCommand("mnuEditNames_Click", [this] { hooks_.editRoster(); }); });

    menu(mnuDemo, "mnuDemo", "DEMO Mode");
    entry(mnuDemo, mnuDemoSet, "mnuDemoSet", "DEMO-Start", "mnuDemoSet_Click", &frmPoolMain::DemoStart);
    entry(mnuDemo, mnuDemoReset, "mnuDemoReset", "DEMO-Reset", "mnuDemoReset_Click", &frmPoolMain::DemoResetCommand);

    menu(mnuAssist, "mnuAssist", "Entry Assist");
    entry(mnuAssist, mnuHighSeed, "mnuHighSeed", "Select High Seeds", "mnuHighSeed_Click", &frmPoolMain::HighSeeds);

    menu(mnuPicks, "mnuPicks", "Quillon");
    entry(mnuPicks, mnuPicsTest, "mnuPicsTest", "Test Quillon", "mnuPicsTest_Click", &frmPoolMain::TestQuillon);
    entry(mnuPicks, mnuPicsPrint, "mnuPicsPrint", "Print Form", "mnuPicsPrint_Click", &frmPoolMain::PrintBlankForm);
    entry(mnuPicks, mnuPicsEmail, "mnuPicsEmail", "Send Email", "mnuPicsEmail_Click", &frmPoolMain::SendEmail);

    menu(mnuHelp, "mnuHelp", "Help");
    entry(mnuHelp, mnuHelpDisplay, "mnuHelpDisplay", "Help Display", "mnuHelpDisplay_Click", &frmPoolMain::HelpDisplay,
          QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuHelp->addSeparator();
    mnuAboutDisplay = mnuHelp->addAction(QStringLiteral("About Brackwell"));
    mnuAboutDisplay->setObjectName(QStringLiteral("mnuAboutDisplay"));
    connect(mnuAboutDisplay, &QAction::triggered, this,
            [this] { RunCommand("mnuAboutDisplay_Click", [this] { platform_.help.ShowAbout(); }); });
}

void frmPoolMain::PlaceControls() {
    const double sx = canvas_->width() / kBracketDesignSize.width();
    const double sy = canvas_->height() / kBracketDesignSize.height();
    auto place = [sx, sy](QWidget* widget, const QRectF& design) { widget->setGeometry(Scaled(design, sx, sy)); };
    for (int label = 0; label < kPositionCount; ++label) place(lblRegion[label], TeamLabelRect(label));
    for (int box = 0; box < 64; ++box) place(txtSeed[box], SeedBoxRect(box));
    for (int game = 0; game < kGameCount; ++game) place(lblResult[game], ResultMarkRect(game));
    place(lblTitle, {239, 4, 198, 14});
    place(lblRegionTitle[0], {161, 108, 91, 11});
    place(lblRegionTitle[1], {155, 316, 91, 11});
    place(lblRegionTitle[2], {453, 108, 91, 11});
    place(lblRegionTitle[3], {455, 317, 91, 11});
    place(txtComment1, {157, 199, 94, 34});
    place(txtComment2, {431, 199, 94, 34});
    place(Label1, {276, 45, 120, 10});
    place(txtPlayerInitials, {278, 31, 17, 12});
    place(txtPlayerName, {301, 31, 90, 12});
    place(lblDemoMode, {281, 62, 110, 12});
    place(Label2, {300, 267, 80, 10});
    place(lblFinalPoints, {301, 281, 42, 10});
    place(txtFinalPoints, {345, 280, 30, 12});
    place(txtPointScore, {302, 296, 76, 12});
    place(cmdDefaultColors, {315, 331, 50, 15});
    place(lblInfo1, {291, 352, 100, 10});
    place(lblInfo2, {296, 372, 100, 10});
    for (int round = 0; round < 6; ++round) place(lblInfo[round], {299.0 + 15 * round, 384, 15, 10});
    canvas_->update();
}

bool frmPoolMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        PlaceControls();
        return false;
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    QLineEdit* next = watched == txtPlayerInitials ? txtPlayerName
                      : watched == txtPlayerName   ? txtFinalPoints
                      : watched == txtFinalPoints  ? txtPlayerInitials
                                                   : nullptr;
    if (next == nullptr) return false;
    next->setFocus(Qt::TabFocusReason);
    return true;
}

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
    mnuReports->setEnabled(menu_.reports && hooks_.openReports);
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
}

void frmPoolMain::RunCommand(const char* procedure, const std::function<void()>& command) {
    if (commandRunning_) return;
    commandRunning_ = true;
    TrapErrors(platform_.dialogs, procedure, command);
    commandRunning_ = false;
    ApplyMenuState();
}

void frmPoolMain::Unload() { UnloadWindow(*this); }

void frmPoolMain::MoveToTopLeft() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->move(0, 0);
}

// --- Picking by mouse ---

int frmPoolMain::TeamLabelAt(QPoint at) const {
    const QWidget* child = canvas_->childAt(at);
    if (child == nullptr) return -1;
    const QVariant label = child->property(kTeamLabelProperty);
    return label.isValid() ? label.toInt() : -1;
}

void frmPoolMain::PressOnBracket(QMouseEvent* event) {
    if (model_.StandingsOpen) {
        if (hooks_.openStandings) hooks_.openStandings();
        return;
    }
    const int label = TeamLabelAt(event->position().toPoint());
    if (label < 0 || model_.MarksShown || commandRunning_) return;
    if (event->button() == Qt::LeftButton) {
        dragOrigin_ = label;
        draggedTeam_ = TeamCaption(label);
        const QRect origin = lblRegion[label]->geometry();
        dragOffset_ = event->position().toPoint() - origin.topLeft();
        dragOutline_->setGeometry(origin);
    } else if (event->button() == Qt::RightButton) {
        TakeBackPick(*this, model_.AdvanceTable, label);
    }
}

void frmPoolMain::MoveOnBracket(QMouseEvent* event) {
    if (dragOrigin_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
    dragOutline_->move(event->position().toPoint() - dragOffset_);
    dragOutline_->show();
    dragOutline_->raise();
}

void frmPoolMain::ReleaseOnBracket(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragOrigin_ < 0) return;
    dragOutline_->hide();
    const int origin = dragOrigin_;
    dragOrigin_ = -1;
    const int target = TeamLabelAt(event->position().toPoint());
    if (target >= 0) DropTeam(*this, model_.AdvanceTable, origin, target, draggedTeam_);
}

// --- Commands ---

void frmPoolMain::NewSelection() {
    const std::string finalizedBefore = model_.SetupFinalized;
    ClearBracket(*this);
    ClearResultMarks(model_, *this);
    ShowStartField();
    AfterNewSelection(menu_, finalizedBefore, CurrentFlags());
    FinishLoad();
}

void frmPoolMain::OpenSelectionCommand() {
    if (OpenSelection(model_, *this, platform_.dialogs))
        AfterOpenSelection(menu_, FileExists(model_.AppFilePath(kResultsFileName)));
}

void frmPoolMain::PrintScoredSelection(const std::string& path) {
    RunCommand("cmdSelectedPrintouts_Click", [this, &path] {
        if (!OpenSelectionFile(model_, *this, platform_.dialogs, path)) return;
        AfterOpenSelection(menu_, FileExists(model_.AppFilePath(kResultsFileName)));
        ScoreSelections();
        PrintForm();
    });
}

void frmPoolMain::PrintResultsSheet() {
    RunCommand("cmdSelectedPrintouts_Click", [this] {
        GameResults();
        PrintForm();
    });
}

void frmPoolMain::ShowResults() {
    RunCommand("cmdCustomReport_Click", [this] { GameResults(); });
}

void frmPoolMain::SaveSelectionCommand() { SaveSelection(model_, *this, platform_.dialogs, hooks_.editRoster); }

void frmPoolMain::PrintForm() {
    PrintRequest request;
    if (!platform_.dialogs.PrintDialog(request)) return;
    platform_.printer.PrintImage(ImageOfWidget(*canvas_), request);
}

void frmPoolMain::GameResults() {
    const std::string resultsPath = model_.AppFilePath(kResultsFileName);
    if (FileExists(resultsPath)) {
        ReadSelections(model_, platform_.dialogs, resultsPath);
        SelectionToWindow(model_, *this);
        ClearResultMarks(model_, *this);
        SetPointScore("");
    } else {
        Load();
        ClearBracket(*this);
        SetPlayerInitials("A");
        SetPlayerName("FinalResults");
        SetPointScore("");
    }
    LockNameFields(true);
    AfterGameResults(menu_);
    model_.ResultsMode = true;
}

void frmPoolMain::ScoreSelections() {
    MoveToTopLeft();
    menu_.scoreSelections = false;
    if (model_.ResultsMode) {
        hooks_.openStandings();
        return;
    }
    if (!FileExists(model_.AppFilePath(kResultsFileName))) {
        ReportMissingResultsFile(platform_.dialogs);
        return;
    }
    const ScoreRecord record =
        ScoreSelection(model_, *this, platform_.dialogs, kResultsFileName, ScoringContext::BracketWindow);
    ShowResultMarks(model_, *this);
    SetPointScore("Points: " + std::to_string(record.Score) + " / " + std::to_string(record.MaxScore));
    AfterScoredView(menu_);
    SetPlayerFieldsLocked(true);
}

void frmPoolMain::ReturnFromScores() {
    ClearResultMarks(model_, *this);
    AfterReturn(menu_);
    SetPlayerFieldsLocked(false);
    SetPointScore("");
}

void frmPoolMain::DemoStart() {
    const std::string text = std::string("You have selected to enter DEMO MODE\r\n \r\n") +
                             "If you continue, any setup activity INCLUDING the \r\n" +
                             "files defining the starting tournament teams and\r\n" +
                             "the special comments will be deleted..\r\n \r\nDo you want to enter DEMO Mode?";
    if (platform_.dialogs.MessageBox(text, MsgButtons::OKCancel, MsgIcon::None, "** DEMO MODE SET **") != MsgAnswer::OK)
        return;
    DemoSet(model_, platform_.dialogs);
    hooks_.reload();
}

void frmPoolMain::DemoResetCommand() {
    DemoReset(model_, platform_.dialogs);
    hooks_.reload();
}

void frmPoolMain::HighSeeds() {
    std::array<std::string, 16> seeds;
    for (int k = 0; k < 16; ++k) seeds[k] = QStringToAnsi(txtSeed[k]->text());
    SelectHighSeeds(*this, model_.AdvanceTable, seeds);
}

void frmPoolMain::TestQuillon() {
    if (!platform_.launcher.StartDetached(model_.AppFilePath(kPickProgramName)))
        throw std::runtime_error(std::string("The program ") + kPickProgramName + " could not be started.");
}

void frmPoolMain::PrintBlankForm() {
    NewSelection();
    PrintForm();
}

void frmPoolMain::SendEmail() {
    const std::string program = model_.AppFilePath(kPickProgramName);
    if (!FileExists(program)) {
        platform_.dialogs.Message("The file QUILLON.EXE doesn't exist.\r\n\r\nThis option cannot be continued.",
                                  ProcedureTitle("mnuPicsEmail_Click"), MsgIcon::Critical);
        return;
    }
    MailService& mail = platform_.mail;
    if (!mail.SessionOpen()) mail.SignOn();
    MailMessage message;
    message.subject = "NCAA Pool Selections";
    message.attachments.push_back(MailAttachment{ResolveExistingName(program), 0});
    // The pick form for browsers goes along when it was built, for participants who cannot run
    // the program; an install without its template has only the program to send.
    const std::string form = model_.AppFilePath(kPickFormName);
    const bool withForm = FileExists(form);
    if (withForm) message.attachments.push_back(MailAttachment{ResolveExistingName(form), 1});
    message.noteText = PickProgramNote(withForm);
    mail.Send(message);
    mail.SignOff();
}

void frmPoolMain::HelpDisplay() { ShowHelpFile(model_, platform_.help, platform_.dialogs); }

}  // namespace brackwell
