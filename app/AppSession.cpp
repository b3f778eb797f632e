#include "app/AppSession.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "desktop/AnsiQt.h"
#include "app/CloseWatcher.h"
#include "bracket/frmPoolMain.h"
#include "core/DemoSet.h"
#include "core/FileSystem.h"
#include "core/StartFile.h"
#include "participants/frmPoolEMail.h"
#include "participants/frmPoolNames.h"
#include "outlook/frmPoolOutlook.h"
#include "reports/frmPoolReports.h"
#include "setup/frmPoolEntry.h"
#include "standings/frmPoolMisc.h"

namespace brackwell {

namespace {
constexpr const char* kDemoOfferText =
    "It looks like you are just starting to work \r\n"
    "with Brackwell..  A DEMO Mode is offered\r\n"
    "which will allow you to view and evaluate\r\n"
    "with information from the 2000 tournament...\r\n"
    " \r\n"
    "More information is available on DEMO Mode in HELP\r\n"
    " \r\n"
    "Do you want to initiate DEMO Mode?";
}  // namespace

AppFolderPlaces ProgramPlaces() {
    AppFolderPlaces places;
    if (const char* home = std::getenv("BRACKWELL_HOME"); home != nullptr && *home != '\0') places.brackwellHome = home;
    places.programFolder = QStringToPath(QCoreApplication::applicationDirPath());
    places.userDataFolder = DefaultUserDataFolder();
    places.sharedDataFolder =
        (std::filesystem::path(places.programFolder) / ".." / "share" / "brackwell").lexically_normal().string();
    return places;
}

std::string PrepareAppFolder(const AppFolderPlaces& places) {
    const AppFolderChoice choice = ChooseAppFolder(places);
    // A folder that cannot be made is not fatal here: reading then gives the defaults, and every
    // writer reports its own failure.
    if (choice.kind == AppFolderKind::PerUser) SeedUserFolder(choice.folder, places.sharedDataFolder);
    // A folder of the user's own choosing gets what the installation ships, from share/brackwell
    // when installed, else from the program's own folder (a build or a portable copy).
    if (choice.kind == AppFolderKind::Environment) {
        const bool installed = FileExists(places.sharedDataFolder + "/" + kTemplateFileName);
        SeedShippedFiles(choice.folder, installed ? places.sharedDataFolder : places.programFolder);
    }
    return choice.folder;
}

AppSession::AppSession(std::string appFolder, Platform& platform) : model_(std::move(appFolder)), platform_(platform) {}

void AppSession::Start() {
    helpFile_ = model_.AppFilePath(kHelpFileName);
    frame_.show();
    ShowBracketWindow();
    if (FileExists(model_.AppFilePath(kStartFileName))) return;
    if (platform_.dialogs.MessageBox(kDemoOfferText, MsgButtons::OKCancel, MsgIcon::None, kDemoOfferTitle) !=
        MsgAnswer::OK)
        return;
    DemoSet(model_, platform_.dialogs);
    ReloadBracketWindow();
}

frmPoolMain* AppSession::bracketWindow() const {
    return bracketFrame_ != nullptr ? qobject_cast<frmPoolMain*>(bracketFrame_->widget()) : nullptr;
}

void AppSession::ShowBracketWindow() {
    bracketFrame_ = frame_.ShowChild(new frmPoolMain(model_, platform_, BracketHooks()), frmPoolMIDI::Place::TopLeft);
    // The bracket window is the hub: closing it by itself ends the program, as Exit does, so the
    // frame is never left empty. The standings paint on it: they close before it does.
    new CloseWatcher(bracketFrame_, [this] {
        const frmPoolMain* bracket = bracketWindow();
        if (bracket != nullptr && !bracket->unloading() && !frame_.closing()) {
            QTimer::singleShot(0, &frame_, [this] { frame_.close(); });
            return false;
        }
        if (standingsFrame_ != nullptr) standingsFrame_->close();
        return true;
    });
}

void AppSession::ReloadBracketWindow() {
    // The old window is deleted once its command has returned to the event loop.
    if (frmPoolMain* bracket = bracketWindow()) bracket->Unload();
    ShowBracketWindow();
}

BracketWindowHooks AppSession::BracketHooks() {
    BracketWindowHooks hooks;
    hooks.openSetup = SetupHook();
    hooks.openStandings = StandingsHook();
    hooks.openReports = ReportsHook();
    hooks.openOutlook = [this] { ShowOutlookWindow(); };
    hooks.editRoster = RosterHook();
    hooks.reload = [this] { ReloadBracketWindow(); };
    return hooks;
}

std::function<void()> AppSession::SetupHook() {
    return [this] { ShowSetupWindow(); };
}

void AppSession::ShowSetupWindow() {
    // The setup window takes the place of the bracket window, which goes once it is shown.
    QMdiSubWindow* window = frame_.ShowChild(new frmPoolEntry(model_, platform_, SetupHooks()), frmPoolMIDI::Place::TopLeft);
    setupFrame_ = window;
    // (A window being destroyed may still be held by its guarded pointer.)
    QObject::connect(window, &QObject::destroyed, &signalGuard_, [this, window] {
        const bool setupGone = setupFrame_ == nullptr || setupFrame_ == window;
        if (setupGone && bracketFrame_ == nullptr && !frame_.closing()) ShowBracketWindow();
    });
}

SetupWindowHooks AppSession::SetupHooks() {
    SetupWindowHooks hooks;
    hooks.returnToBracket = [this] {
        if (bracketFrame_ == nullptr) ShowBracketWindow();
        if (setupFrame_ != nullptr) setupFrame_->close();
    };
    hooks.reload = [this] {
        if (setupFrame_ != nullptr) setupFrame_->close();
        ShowSetupWindow();
    };
    return hooks;
}
std::function<void()> AppSession::StandingsHook() {
    return [this] { ShowStandingsWindow(); };
}

void AppSession::ShowStandingsWindow() {
    if (standingsFrame_ != nullptr) {
        frame_.mdiArea()->setActiveSubWindow(standingsFrame_);
        return;
    }
    frmPoolMain* bracket = bracketWindow();
    if (bracket == nullptr) return;
    StandingsHooks hooks;
    const QPointer<frmPoolMain> guarded(bracket);
    hooks.lockBracket = [guarded](bool locked) {
        if (guarded != nullptr) guarded->LockForStandings(locked);
    };
    hooks.closed = [this, guarded] {
        if (guarded == nullptr) return;
        guarded->EnableScoreSelections();
        if (bracketFrame_ != nullptr) frame_.mdiArea()->setActiveSubWindow(bracketFrame_);
    };
    standingsFrame_ = frame_.ShowChild(new frmPoolMisc(model_, platform_, *bracket, hooks));
}
std::function<void()> AppSession::ReportsHook() {
    return [this] { ShowReportsWindow(); };
}

void AppSession::ShowReportsWindow() {
    // The printouts and the standings work on whichever bracket window is on show by then.
    ReportsWindowHooks hooks;
    hooks.printScoredSelection = [this](const std::string& file) {
        if (frmPoolMain* bracket = bracketWindow()) bracket->PrintScoredSelection(model_.AppFilePath(file));
    };
    hooks.printResultsSheet = [this] {
        if (frmPoolMain* bracket = bracketWindow()) bracket->PrintResultsSheet();
    };
    hooks.gotoCustomReporting = [this] {
        if (frmPoolMain* bracket = bracketWindow()) {
            bracket->ShowResults();
            ShowStandingsWindow();
        }
    };
    hooks.closed = [this] {
        if (frmPoolMain* bracket = bracketWindow()) bracket->EnableReports();
    };
    hooks.showMailWindow = [this](bool emailAll) { ShowMailWindow(emailAll); };
    frame_.ShowChild(new frmPoolReports(model_, platform_, hooks));
}
void AppSession::ShowMailWindow(bool emailAll) {
    frmPoolEMail window(model_, platform_.dialogs, emailAll, frame_.mdiArea()->activeSubWindow());
    window.exec();
}

void AppSession::ShowOutlookWindow() {
    if (outlookFrame_ != nullptr) {
        frame_.mdiArea()->setActiveSubWindow(outlookFrame_);
        return;
    }
    // The scenario goes to whichever bracket window is on show by then, raised to be seen.
    OutlookWindowHooks hooks;
    hooks.showScenario = [this](const SelLinesArray& results, const std::string& caption) {
        frmPoolMain* bracket = bracketWindow();
        if (bracket == nullptr) return;
        bracket->ShowScenario(results, caption);
        frame_.mdiArea()->setActiveSubWindow(bracketFrame_);
    };
    hooks.showMailWindow = [this] { ShowMailWindow(true); };
    outlookFrame_ = frame_.ShowChild(new frmPoolOutlook(model_, platform_, hooks));
}
std::function<void()> AppSession::RosterHook() {
    return [this] {
        frmPoolNames editor(model_, platform_.dialogs, &frame_);
        editor.exec();
    };
}

}  // namespace brackwell
