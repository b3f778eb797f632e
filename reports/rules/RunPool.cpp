#include "reports/rules/RunPool.h"

#include "core/SelectionFile.h"
#include "reports/rules/ReportPool.h"

namespace brackwell::reports {

const SelLinesArray& RunPool::Results(ReportRun& run) {
    if (!results_) {
        SelLinesArray results{};
        ReadSelectionsInto(results, run.dialogs, run.model.AppFilePath(kResultsFileName));
        results_ = std::move(results);
    }
    return *results_;
}

const std::vector<PoolSelection>& RunPool::Selections(ReportRun& run) {
    if (!selections_) {
        std::vector<PoolSelection> pool(run.request.selectionFiles.size());
        for (std::size_t i = 0; i < pool.size(); ++i) {
            pool[i].fileName = run.request.selectionFiles[i];
            ReadSelectionsInto(pool[i].lines, run.dialogs, run.model.AppFilePath(pool[i].fileName));
        }
        selections_ = std::move(pool);
    }
    return *selections_;
}

const std::vector<ScoreRecord>& RunPool::Scores(ReportRun& run, const SelLinesArray& results) {
    for (const auto& [against, records] : scored_)
        if (against == results) return records;
    if (!points_) {
        PlainBracketView view;
        ShowStartingField(run.model, view);
        points_ = PointsFromView(view);
    }
    const std::vector<PoolSelection>& pool = Selections(run);
    std::vector<ScoreRecord> records;
    records.reserve(pool.size());
    for (const PoolSelection& selection : pool) {
        records.push_back(ScoreLinesInto(selection.lines, results, *points_, run.model.PickState,
                                         run.model.EliminatedTeams));
        records.back().FileName = selection.fileName;
    }
    scored_.emplace_back(results, std::move(records));
    return scored_.back().second;
}

const TeamPicks& RunPool::Picks(ReportRun& run) {
    if (!picks_) picks_.emplace(Selections(run));
    return *picks_;
}

}  // namespace brackwell::reports
