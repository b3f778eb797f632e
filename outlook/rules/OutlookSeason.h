#pragma once
// The season replayed for the outlook's chart: the outlook as it stood after each completed
// round, and the participants whose chance of first the chart follows.

#include <cstddef>
#include <string>
#include <vector>

#include "core/Model.h"
#include "outlook/rules/Outlook.h"

namespace brackwell {

// The rounds (1..6) whose every game has a result, counted from the first: 0 to 6.
int CompletedRounds(const SelLinesArray& results);

struct SeasonStage {
    int afterRound = 0;  // the outlook with the results of rounds 1..afterRound; -1: all results as entered
    std::string caption;
};

// "Start", "Round 1" ... up to the last completed round (at most round 5), then "Final" when the
// champion is in, or "Now" when results past the last completed round are entered.
std::vector<SeasonStage> SeasonStages(const SelLinesArray& results);

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
