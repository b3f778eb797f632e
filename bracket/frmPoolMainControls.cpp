// The bracket window's controls: the 127 team labels, seeds, marks, captions and player fields,
// placed on the canvas by the design's coordinates, scaled to the canvas as it is resized.

#include "bracket/frmPoolMain.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRubberBand>
#include <QVBoxLayout>

#include "bracket/BracketCanvas.h"
#include "bracket/BracketGeometry.h"
#include "bracket/BracketWidgets.h"
#include "desktop/ColumnCaption.h"
#include "desktop/FittedLabel.h"

namespace brackwell {

using namespace bracket_ui;

namespace {

// The smallest canvas on which the labels stay readable.
constexpr QSize kMinimumCanvas(1240, 580);

}  // namespace

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
        // A long name is drawn smaller, or cut short, within its box; the label keeps it whole.
        auto* team = new FittedLabel(canvas_);
        StyleLabel(team, QStringLiteral("lblRegion_%1").arg(label), QString(), champion ? 11 : 8, semifinal || champion);
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
    // The round numbers stand each over its points box.
    auto* roundNumbers = new ColumnCaption(QString(), canvas_);
    StyleLabel(roundNumbers, QStringLiteral("lblInfo2"), QStringLiteral("  1     2    3     4    5    6"));
    lblInfo2 = roundNumbers;
    for (int round = 0; round < 6; ++round) {
        lblInfo[round] = MakeLabel(canvas_, QStringLiteral("lblInfo_%1").arg(round), QString(), 8, true);
        lblInfo[round]->setAlignment(Qt::AlignCenter);
        lblInfo[round]->setFrameShape(QFrame::Box);
    }
    roundNumbers->setColumns({lblInfo.begin(), lblInfo.end()});
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

}  // namespace brackwell
