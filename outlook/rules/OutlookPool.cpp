#include "outlook/rules/OutlookPool.h"

#include "core/BracketView.h"
#include "core/FolderScoring.h"
#include "core/Model.h"
#include "core/Numeric.h"
#include "core/Scoring.h"

namespace brackwell {

std::optional<OutlookPool> ReadOutlookPool(const std::string& folder, Dialogs& dialogs) {
    // A model of its own: the one the windows share is left as it is.
    modBrackwell model(folder);
    PlainBracketView results;
    if (!ShowFolderResults(model, results, dialogs)) return std::nullopt;
    WindowToSelection(results, model);

    OutlookPool pool;
    pool.Results = model.SelLines;
    pool.Points = PointsFromView(results);
    pool.Title = model.TournamentTitle;
    for (int position = 1; position <= kPositionCount; ++position)
        if (IsStartingSlot(position))
            pool.Seeds[position] = static_cast<int>(ClampToInt16(NumericValue(model.StartLines[SeedLine(position)])));
    // Scoring each file in the standings' context reads it once, with the reader's message, and
    // leaves its lines beside the results shown.
    const std::vector<std::string> names = SelectionFileNames(folder);
    pool.Entrants.reserve(names.size());
    ScoreSelectionFiles(model, results, dialogs, names, [&](std::size_t, const ScoreRecord& record) {
        pool.Entrants.push_back(OutlookEntrant{record.FileName, record.PlayerName, model.ScoredFileLines});
    });
    return pool;
}

}  // namespace brackwell
