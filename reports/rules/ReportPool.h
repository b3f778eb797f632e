#pragma once
// What the generators share: the request, the run's pool, the starts of the scored and
// projection reports, the team selection set-up and the Final Four check.

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
#include "reports/rules/RunPool.h"
#include "reports/rules/WorkBox.h"

namespace brackwell::reports {

struct ReportRun {
    modBrackwell& model;
    Dialogs& dialogs;
    const ReportRequest& request;
    WorkBox& workBox;
    RunPool& pool;
};

inline constexpr const char* kNoResultsMessage =
    "Game Results have not been entered, this option\r\nis NOT valid until this activity has been completed";
// "There aren't any Player Selection files saved,  so the\r\n" + what cannot be prepared.
std::string NoSelectionFilesMessage(const std::string& what);

// The start of every scored report: without selection files ("... so the\r\n" + what) or
// without the results file it fails with its message under title; else the run's results
// are in SelLines and it gives true.
bool LoadScoredPool(ReportRun& run, const char* title, const std::string& what);

// The team selection set-up: every pick from the second round on, of every selection file,
// in the work list's order with its end marker. Nothing after its message when there are no
// selection files.
const TeamPicks* TeamSelSetup(ReportRun& run);

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
