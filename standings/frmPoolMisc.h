#pragma once
// "Display Scores (Total, Possible)": every selection file of the application folder scored
// against the results the bracket window shows, re-ordered by dragging a column header; a
// click on a file name paints that participant's right and wrong picks on the bracket.

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

#include "core/BracketView.h"
#include "core/Model.h"
#include "core/Platform.h"
#include "standings/StandingsHooks.h"
#include "standings/rules/ScoreGrid.h"

class QProgressBar;
class QPushButton;
class QTableWidget;

namespace brackwell {

class frmPoolMisc final : public QWidget {
    Q_OBJECT

public:
    // Sets the standings-open flag and locks the bracket; the grid is filled when the window
    // is first shown. The window deletes itself when it closes.
    frmPoolMisc(modBrackwell& model, Platform& platform, BracketView& bracket, StandingsHooks hooks,
                QWidget* parent = nullptr);
    ~frmPoolMisc() override;

    // "Calculate Totals Based on Results Displayed".
    void cmdCalculate_Click();
    // "Print": the point summary on the printer, in portrait.
    void cmdPrint_Click();
    // "PDF file...": the point summary in a PDF file chosen in a save dialog.
    void cmdPdfFile_Click();
    // The exit button: closes the window, which gives the bracket window back.
    void cmdExit_Click();

    bool RowsFilled() const { return rowsFilled_; }
    // The grid's text as it stands, the header row first when asked for.
    std::vector<ScoreRow> GridRows(bool withHeader) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void PrintSummary(const std::string& pdfFile);
    void ApplyFormat();
    void ShowColumnHeader(int column);
    void Fill();
    void WriteRows(const std::vector<ScoreRow>& rows);
    void ShowMarksOf(int row, int column);
    void DropColumn(int column);
    int HeaderColumnAt(int x) const;
    std::string ProcedureTitle(const char* procedure) const;

    modBrackwell& model_;
    Platform& platform_;
    BracketView& bracket_;
    StandingsHooks hooks_;

    QTableWidget* msgScoreDisplay_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdPdfFile_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QProgressBar* prgFill_ = nullptr;

    // Which of the five fields (file name, player, score, -MAX-, champion) each column shows.
    std::array<int, kScoreColumnCount> columnFields_{0, 1, 2, 3, 4};
    std::optional<int> dragColumn_;  // the header column pressed, until the next press
    bool rowsFilled_ = false;
    bool filledOnShow_ = false;
    bool filling_ = false;
    bool bracketReturned_ = false;
};

}  // namespace brackwell
