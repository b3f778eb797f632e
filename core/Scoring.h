#pragma once
// Scoring one selection against the game results: points so far, the most still reachable,
// right and wrong picks, and a state per bracket position for the bracket's marks.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/BracketView.h"
#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

struct ScoreRecord {
    std::string FileName;    // as passed in, without folder
    std::string PlayerName;  // name + ", " + initials
    std::int16_t Score = 0;
    std::int16_t MaxScore = 0;  // Score plus every open pick that can still come true
    std::int16_t Correct = 0;   // games picked right (starting slots not counted)
    std::int16_t Wrong = 0;     // positions picked wrong, eliminated or empty
    std::string Champion;
    std::string RunnerUp;
    std::int16_t TieBreak = 0;  // predicted final-game total, rounded half to even
};

// Points for a correct pick at each position 1..127 (index 0 unused; starting slots 0).
using PositionPoints = std::array<std::int16_t, kPositionCount + 1>;

// The six per-round values spread over the positions they pay for.
PositionPoints PointsPerPosition(const std::array<std::int16_t, 6>& roundPoints);
// The points the bracket window's six points labels show.
PositionPoints PointsFromView(const BracketView& view);

struct ScoredLines {
    ScoreRecord record;  // every field but FileName
    PickStateArray pickState{};
    std::vector<std::string> eliminatedTeams;
};

// Scores picks against results, both in the selection-file layout. Never fails: any lines
// (empty, short, from another field, any bytes) give a record.
ScoredLines ScoreLines(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points);
// The same, leaving the states and the teams out in the arrays given (their storage reused).
ScoreRecord ScoreLinesInto(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points,
                           PickStateArray& pickState, std::vector<std::string>& eliminatedTeams);

// Which window asks: the bracket window shows a selection and names the results file; the
// standings and report windows hold the results and name a selection file.
enum class ScoringContext { BracketWindow, Standings, Reports };

// Scores against the file named (in the application folder), leaving PickState 1..127 and
// EliminatedTeams in the model and SelLines as it was shown. The bracket window and the
// standings first copy the view into SelLines; the report window has already filled it.
// A faulty file is reported by the reader and scored with what could be read.
ScoreRecord ScoreSelection(modBrackwell& model, const BracketView& view, Dialogs& dialogs,
                           const std::string& fileName, ScoringContext context);

// The message of scoring without a results file in the application folder.
void ReportMissingResultsFile(Dialogs& dialogs);

}  // namespace brackwell
