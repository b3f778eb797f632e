#include "core/Scoring.h"

#include <algorithm>
#include <utility>

#include "core/Numeric.h"
#include "core/SelectionFile.h"

namespace brackwell {

namespace {
std::int16_t WholeNumber(const std::string& text) { return ClampToInt16(RoundHalfEven(NumericValue(text))); }

bool Contains(const std::vector<std::string>& teams, const std::string& team) {
    return std::find(teams.begin(), teams.end(), team) != teams.end();
}

// Every position against its result; a team that loses a game is remembered, so its picks in
// later rounds (met later, as positions ascend round by round) are wrong before they are played.
void MarkPlayedAndLost(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points,
                       ScoredLines& scored) {
    ScoreRecord& record = scored.record;
    for (int p = 1; p <= kPositionCount; ++p) {
        const std::string& pick = picks[p];
        const std::string& result = results[p];
        int& state = scored.pickState[p];
        if (!result.empty()) {
            if (pick != result) {
                state = kPickWrong;
                record.Wrong = AddInt16(record.Wrong, 1);
                if (!pick.empty() && !Contains(scored.eliminatedTeams, pick)) scored.eliminatedTeams.push_back(pick);
            } else {
                state = kPickCorrect;
                record.Score = AddInt16(record.Score, points[p]);
                if (!IsStartingSlot(p)) record.Correct = AddInt16(record.Correct, 1);
            }
        } else if (pick.empty() || Contains(scored.eliminatedTeams, pick)) {
            state = kPickWrong;
            record.Wrong = AddInt16(record.Wrong, 1);
        } else {
            state = kPickOpen;
        }
    }
}

// What the open picks can still bring: a first-round pick always can; a later one can while a
// game feeding it is won or still winnable. States set here are seen by the rounds above.
std::int16_t MarkReachable(const PositionPoints& points, PickStateArray& state) {
    std::int16_t potential = 0;
    for (int p = 1; p <= kPositionCount; ++p) {
        if (state[p] != kPickOpen) continue;
        if (RoundOfPosition(p) == 1) {
            potential = AddInt16(potential, points[p]);
            state[p] = kPickReachable;
            continue;
        }
        const auto [first, second] = FeedingPositions(p);
        if (first == 0 || !(IsLive(state[first]) || IsLive(state[second]))) continue;
        potential = AddInt16(potential, points[p]);
        if (p != kPositionCount) state[p] = kPickReachable;
    }
    return potential;
}

// The lines shown are one side and the file read is the other; SelLines holds the lines shown
// again afterwards, whichever window asked.
ScoredLines ScoreShownAgainstFile(modBrackwell& model, Dialogs& dialogs, const std::string& path, bool shownArePicks,
                                  const PositionPoints& points) {
    SelLinesArray read = model.SelLines;
    ReadSelections(model, dialogs, path);
    std::swap(read, model.SelLines);
    const SelLinesArray& shown = model.SelLines;
    return shownArePicks ? ScoreLines(shown, read, points) : ScoreLines(read, shown, points);
}
}  // namespace

PositionPoints PointsPerPosition(const std::array<std::int16_t, 6>& roundPoints) {
    PositionPoints points{};
    for (int p = 1; p <= kPositionCount; ++p) {
        const int round = RoundOfPosition(p);
        if (round > 0) points[p] = roundPoints[round - 1];
    }
    return points;
}

PositionPoints PointsFromView(const BracketView& view) {
    std::array<std::int16_t, 6> roundPoints{};
    for (int round = 0; round < 6; ++round) roundPoints[round] = WholeNumber(view.PointsCaption(round));
    return PointsPerPosition(roundPoints);
}

ScoredLines ScoreLines(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points) {
    ScoredLines scored;
    MarkPlayedAndLost(picks, results, points, scored);
    ScoreRecord& record = scored.record;
    record.MaxScore = AddInt16(record.Score, MarkReachable(points, scored.pickState));
    record.PlayerName = picks[kPlayerNameLine] + ", " + picks[kInitialsLine];
    record.Champion = picks[127];
    record.RunnerUp = picks[127] == picks[126] ? picks[125] : picks[126];
    record.TieBreak = WholeNumber(picks[kFinalPointsLine]);
    return scored;
}

ScoreRecord ScoreSelection(modBrackwell& model, const BracketView& view, Dialogs& dialogs, const std::string& fileName,
                           ScoringContext context) {
    if (context != ScoringContext::Reports) WindowToSelection(view, model);
    const PositionPoints points = PointsFromView(view);
    ScoredLines scored = ScoreShownAgainstFile(model, dialogs, model.AppFilePath(fileName),
                                               context == ScoringContext::BracketWindow, points);
    std::copy(scored.pickState.begin() + 1, scored.pickState.begin() + kPositionCount + 1, model.PickState.begin() + 1);
    model.EliminatedTeams = std::move(scored.eliminatedTeams);
    scored.record.FileName = fileName;
    return std::move(scored.record);
}

void ReportMissingResultsFile(Dialogs& dialogs) {
    dialogs.Message(std::string("The file ") + kResultsFileName + " is not present in the application directory!",
                    "INVALID REQUEST TO LOAD FILE");
}

}  // namespace brackwell
