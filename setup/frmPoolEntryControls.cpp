// The setup window's controls and menus, laid out to fit a 1366 x 768 screen.
#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/AnsiQt.h"
#include "desktop/ColumnCaption.h"
#include "desktop/ReservedProgressBar.h"
#include "setup/frmPoolEntry.h"
#include "setup/rules/TeamNameEdits.h"

namespace brackwell {

namespace {

const char* const kPointsTips[kPointsBoxCount] = {
    "Points for each win in 1st round",      "Points for each win in 2nd round",
    "Points for each win in 3rd round",      "Points for each win in Regional Finals",
    "Points for each winner in Semifinals", "Points for selecting winner in FINAL GAME"};
const char* const kCommentTip = "Enter any comments or instructions";

QString Name(const char* base, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index); }

}  // namespace

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
    auto* roundNumbers = new ColumnCaption(QStringLiteral("  1       2      3      4     5      6"), this);
    roundNumbers->setObjectName(QStringLiteral("lblInfo2"));
    lblInfo2_ = roundNumbers;
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
    // The round numbers stand each over its box; the label keeps its one caption for screen readers.
    points->addWidget(lblInfo2_, 1, 0, 1, kPointsBoxCount);
    roundNumbers->setColumns({txtInfo6_.begin(), txtInfo6_.end()});

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

    prgQuillon_ = NewReservedProgressBar(QStringLiteral("prgQuillon"), QStringLiteral("Building QUILLON.EXE"), this);
    prgQuillon_->setTextVisible(false);

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

}  // namespace brackwell
