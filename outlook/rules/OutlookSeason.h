#pragma once
// The season replayed for the outlook's chart: the outlook as it stood after each completed
// round, and the participants whose chance of first the chart follows.

#include <cstddef>
#include <string>
#include <vector>

#include "core/Model.h"
#include "outlook/rules/Outlook.h"

namespace brackwell {

struct SeasonStage {
    int afterRound = 0;  // the outlook with the results of rounds 1..afterRound; -1: all results as entered
    std::string caption;
};

// The stages of a replay (ReplayRounds) of a pool with `completed` rounds complete: "Start",
// "Round 1" ... "Round 5", "Final" for round 6, then "Now" when results past the completed
// rounds are entered (laterResults), shown as they stand.
std::vector<SeasonStage> SeasonStages(int completed, bool laterResults);

struct SeasonLine {
    std::string player;
    std::vector<double> chances;  // percent (seeded), one per stage
};

// The leading participants of the replay, one line each: everyone who had the best chance of
// first at some stage, then the best at the last stage, at most `most` lines, the best at the
// last stage first. stages holds one outlook per stage, each in the pool's entrant order.
std::vector<SeasonLine> SeasonLines(const std::vector<OutlookResult>& stages, std::size_t most);

// The chart in words, for assistive technology: "Chance of first by stage." then one sentence
// per line, "Name: Start 12.5%, Round 1 20.0%."
std::string SeasonDescription(const std::vector<SeasonStage>& stages, const std::vector<SeasonLine>& lines);

}  // namespace brackwell
