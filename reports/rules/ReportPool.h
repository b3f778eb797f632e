#pragma once
// What the generators share of the pool: the request, the results, scoring, and the team
// selection set-up and Final Four check of the team and projection reports.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/BracketView.h"
#include "core/Dialogs.h"
#include "core/Model.h"
#include "core/Scoring.h"
#include "reports/rules/ReportGenerators.h"
#include "reports/rules/WorkBox.h"

namespace brackwell::reports {

struct ReportRun {
    modBrackwell& model;
    Dialogs& dialogs;
    const ReportRequest& request;
    WorkBox& workBox;
};

inline constexpr const char* kNoResultsMessage =
    "Game Results have not been entered, this option\r\nis NOT valid until this activity has been completed";
// "There aren't any Player Selection files saved,  so the\r\n" + what cannot be prepared.
std::string NoSelectionFilesMessage(const std::string& what);

// The start of every scored report: without selection files ("... so the\r\n" + what) or
// without the results file it fails with its message under title; else the results are read
// into SelLines (the reader reports a faulty file) and it gives true.
bool LoadScoredPool(ReportRun& run, const char* title, const std::string& what);

// A selection file of the pool read into memory: what a report scores, against the results
// or against each final that can still happen, without reading the file again.
struct PoolSelection {
    std::string fileName;  // as in the file list
    SelLinesArray lines{};
};
// Every selection file of the request, read once each in the file list's order. A faulty file
// shows the reader's message and keeps what could be read, which is then scored.
std::vector<PoolSelection> ReadPoolSelections(ReportRun& run);

// Scores selections against results with the points of the start field, the way the standings
// do, leaving PickState and EliminatedTeams in the model.
class ReportScorer {
public:
    explicit ReportScorer(const modBrackwell& model);
    ScoreRecord Score(modBrackwell& model, const PoolSelection& selection, const SelLinesArray& results) const;

private:
    PositionPoints points_{};
};

// The team selection set-up: the work box filled with team + "," + name + "_" + initials + ","
// + round code for every pick from the second round on, of every selection file, and the end
// marker. False after its message when there are no selection files.
bool TeamSelSetup(ReportRun& run);
inline constexpr const char* kTeamSelEndMarker = "ZZZZ,ZZZZ,1";
// The team of a set-up item (before the first ",") and its round code (its last character).
std::string_view ItemTeam(const std::string& item);
int ItemRoundCode(const std::string& item);

// The Final Four of the results in SelLines: entries 1..4 the region winners in region order.
struct FinalFour {
    std::array<std::string, 5> teams{};
    int count = 0;
};
// ChkFinalFour: the Final Four, or nothing after its message when a region winner is missing
// or the champion is already entered.
std::optional<FinalFour> ChkFinalFour(const SelLinesArray& results, Dialogs& dialogs);

// The start both projections share: the pool and its results loaded, the work list emptied and
// the Final Four checked. The outcome when the report ends there (Failed, or Skipped after the
// Final Four check's message); otherwise finalFour is filled and model.SelLines holds the results.
std::optional<ReportOutcome> StartProjection(ReportRun& run, const char* title, const std::string& what,
                                             FinalFour& finalFour);

// The results with team FF(index) (1..4) as champion under scenario kind 0, 1 or 2; nothing
// when the entered semi-finals rule the scenario out.
std::optional<SelLinesArray> ApplyScenario(const SelLinesArray& results, const FinalFour& finalFour, int index,
                                           int kind);
// The other finalist of a scenario's results.
std::string ScenarioOpponent(const SelLinesArray& scenario, int index);

}  // namespace brackwell::reports
