#pragma once
// "Make Tournament Selections": the whole bracket as 127 team labels, where selections and the
// game results are clicked, opened, saved and scored, with every command of the organiser's
// program in its menu.

#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "bracket/BracketWindowHooks.h"
#include "bracket/rules/MenuRules.h"
#include "core/BracketView.h"
#include "core/Model.h"
#include "core/Platform.h"

class QAction;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRubberBand;

namespace brackwell {

class BracketCanvas;

class frmPoolMain : public QWidget, public BracketView {
    Q_OBJECT

public:
    frmPoolMain(modBrackwell& model, Platform& platform, BracketWindowHooks hooks, QWidget* parent = nullptr);

    // BracketView: the labels and fields are the bracket in memory.
    std::string TeamCaption(int label) const override;
    void SetTeamCaption(int label, const std::string& caption) override;
    void SetTeamColor(int label, Rgb color) override;
    void SetResultMark(int game, const std::string& mark) override;
    std::string PlayerInitials() const override;
    void SetPlayerInitials(const std::string& text) override;
    std::string PlayerName() const override;
    void SetPlayerName(const std::string& text) override;
    std::string FinalPoints() const override;
    void SetFinalPoints(const std::string& text) override;
    void SetPlayerFieldsLocked(bool locked) override;
    void SetPointScore(const std::string& text) override;
    std::string PointsCaption(int round) const override;

    QSize sizeHint() const override;

    // For the standings and report windows, which take their entry back when they close.
    void EnableScoreSelections();
    void EnableReports();
    // Takes the window down on the program's behalf (setup, reload); true from then on. A close
    // that is not an unload is the user's, and ends the program.
    void Unload();
    bool unloading() const { return unloading_; }
    // While the standings are open the results on show cannot be edited: the player fields,
    // the score line, the title, region titles, points labels and the other header labels.
    void LockForStandings(bool locked);
    // The report window's two printouts: a selection file shown scored, or the results, each
    // then printed as Print Form prints the window.
    void PrintScoredSelection(const std::string& path);
    void PrintResultsSheet();
    // "Goto Custom Reporting": the results on show, ready for the standings.
    void ShowResults();
    // The outlook's "Show a winning scenario": results lines shown as "Enter Game Results" shows
    // the results file, with caption on the score line. Nothing is written, and saving and
    // scoring stay off until another command replaces the view. Refused with a message while the
    // standings are open, since they score what the bracket shows.
    void ShowScenario(const SelLinesArray& lines, const std::string& caption);

    // The menu: File, Options, DEMO Mode, Entry Assist, Quillon, Help.
    QMenu* mnuFileOptions;
    QAction* mnuNewSelection;
    QAction* mnuOpenSelection;
    QAction* mnuSaveSelection;
    QAction* mnuPrintForm;
    QAction* mnuExit;
    QMenu* mnuOptions;
    QAction* mnuSetup;
    QAction* mnuGameResults;
    QAction* mnuScoreSelections;
    QAction* mnuReports;
    QAction* mnuRptOutlook;
    QAction* mnuEditNames;
    QMenu* mnuDemo;
    QAction* mnuDemoSet;
    QAction* mnuDemoReset;
    QMenu* mnuAssist;
    QAction* mnuHighSeed;
    QMenu* mnuPicks;
    QAction* mnuPicsTest;
    QAction* mnuPicsPrint;
    QAction* mnuPicsEmail;
    QMenu* mnuHelp;
    QAction* mnuHelpDisplay;
    QAction* mnuAboutDisplay;

protected:
    // The Enter cycle through the player fields, and placing the controls when the canvas grows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void PlaceControls();
    // The window's load: the start field on the labels, the menu rules, the roster checked.
    void Load();
    void ShowStartField();
    void FinishLoad();
    void LockNameFields(bool locked);
    void MoveToTopLeft();
    void ApplyMenuState();
    MenuFlags CurrentFlags() const;
    // Runs a command, showing what it throws in the critical message titled with the procedure.
    void RunCommand(const char* procedure, const std::function<void()>& command);
    // The printouts and the outlook's scenario replace what the bracket shows: never under the
    // open standings. True, after a message ending "then " + then + ".", when refused.
    bool RefusedWhileStandingsOpen(const char* procedure, const char* then);

    // The mouse on the bracket (positions in the canvas).
    void PressOnBracket(QMouseEvent* event);
    void MoveOnBracket(QMouseEvent* event);
    void ReleaseOnBracket(QMouseEvent* event);
    // The team label under a point of the canvas, or -1.
    int TeamLabelAt(QPoint at) const;

    void NewSelection();
    void OpenSelectionCommand();
    void SaveSelectionCommand();
    void PrintForm();
    void GameResults();
    void ScoreSelections();
    void ReturnFromScores();
    void DemoStart();
    void DemoResetCommand();
    void HighSeeds();
    void TestQuillon();
    void PrintBlankForm();
    void SendEmail();
    void HelpDisplay();

    modBrackwell& model_;
    Platform& platform_;
    BracketWindowHooks hooks_;
    MenuState menu_;
    // A command holding a dialog open keeps the bracket from taking clicks meanwhile.
    bool commandRunning_ = false;
    bool unloading_ = false;
    int dragOrigin_ = -1;
    std::string draggedTeam_;
    QPoint dragOffset_;

    QMenuBar* menuBar_;
    BracketCanvas* canvas_;
    QRubberBand* dragOutline_;
    std::array<QLabel*, kPositionCount> lblRegion{};
    std::array<QLineEdit*, 64> txtSeed{};
    std::array<QLabel*, kGameCount> lblResult{};
    std::array<QLabel*, 4> lblRegionTitle{};
    std::array<QLabel*, 6> lblInfo{};
    QLabel* lblTitle;
    QLabel* lblInfo1;
    QLabel* lblInfo2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* lblFinalPoints;
    QLabel* lblDemoMode;
    QLineEdit* txtPlayerInitials;
    QLineEdit* txtPlayerName;
    QLineEdit* txtFinalPoints;
    QLineEdit* txtPointScore;
    QPlainTextEdit* txtComment1;
    QPlainTextEdit* txtComment2;
    QPushButton* cmdDefaultColors;
};

}  // namespace brackwell
