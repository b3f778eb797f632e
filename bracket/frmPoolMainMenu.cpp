// The bracket window's menu: every entry with its name, caption and shortcut, each run as a
// trapped command.

#include "bracket/frmPoolMain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/Platform.h"

namespace brackwell {

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

}  // namespace brackwell
