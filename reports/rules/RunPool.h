#pragma once
// What the reports of one run share of the pool, each part read or scored once however many
// of the run's reports need it: an organiser sees a faulty file's message once per run.

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Model.h"
#include "core/Scoring.h"
#include "reports/rules/TeamPicks.h"

namespace brackwell::reports {

struct ReportRun;

// A selection file of the pool read into memory.
struct PoolSelection {
    std::string fileName;  // as in the file list
    SelLinesArray lines{};
};

// Made empty for each run (one request, one application folder); each part is read when a
// report first asks for it. References it gives stay valid while it lives.
class RunPool {
public:
    // The results file. A faulty file shows the reader's message and keeps what could be read.
    const SelLinesArray& Results(ReportRun& run);
    // Every selection file of the request in the file list's order, a faulty one as above.
    const std::vector<PoolSelection>& Selections(ReportRun& run);
    // Every selection scored against results with the points of the start field, the way the
    // standings do (FileName set), in the file list's order. Results scored before in the run
    // give the records kept from then; a new scoring leaves PickState and EliminatedTeams of
    // the last selection in the model.
    const std::vector<ScoreRecord>& Scores(ReportRun& run, const SelLinesArray& results);
    // The team selection set-up over Selections.
    const TeamPicks& Picks(ReportRun& run);

private:
    std::optional<SelLinesArray> results_;
    std::optional<std::vector<PoolSelection>> selections_;
    std::optional<PositionPoints> points_;
    std::deque<std::pair<SelLinesArray, std::vector<ScoreRecord>>> scored_;
    std::optional<TeamPicks> picks_;
};

}  // namespace brackwell::reports
