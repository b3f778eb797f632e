#include "core/Scoring.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "core/Numeric.h"
#include "core/SelectionFile.h"

namespace brackwell {

namespace {
std::int16_t WholeNumber(const std::string& text) { return ClampToInt16(RoundHalfEven(NumericValue(text))); }

// The teams out so far, each with its hash, so that looking up a team still in the running
// (the usual case) costs number compares rather than text compares.
class EliminatedList {
public:
    explicit EliminatedList(std::vector<std::string>& teams) : teams_(teams) {
        teams_.reserve(kGameCount);
        hashes_.reserve(kGameCount);
    }

    bool Contains(const std::string& team, std::size_t hash) const {
        for (std::size_t i = 0; i < hashes_.size(); ++i)
            if (hashes_[i] == hash && teams_[i] == team) return true;
        return false;
    }

    void AddIfNew(const std::string& team) {
        const std::size_t hash = std::hash<std::string>{}(team);
        if (Contains(team, hash)) return;
        teams_.push_back(team);
        hashes_.push_back(hash);
    }

    bool Contains(const std::string& team) const { return Contains(team, std::hash<std::string>{}(team)); }

private:
    std::vector<std::string>& teams_;
    std::vector<std::size_t> hashes_;
};

// Every position against its result; a team that loses a game is remembered, so its picks in
// later rounds (met later, as positions ascend round by round) are wrong before they are played.
// The counts reach 127 at most, so only the score needs the guarded sum.
void MarkPlayedAndLost(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points,
                       ScoredLines& scored) {
    ScoreRecord& record = scored.record;
    EliminatedList eliminated(scored.eliminatedTeams);
    for (int p = 1; p <= kPositionCount; ++p) {
        const std::string& pick = picks[p];
        const std::string& result = results[p];
        int& state = scored.pickState[p];
        if (!result.empty()) {
            if (pick != result) {
                state = kPickWrong;
                ++record.Wrong;
                if (!pick.empty()) eliminated.AddIfNew(pick);
            } else {
                state = kPickCorrect;
                record.Score = AddInt16(record.Score, points[p]);
                if (!IsStartingSlot(p)) ++record.Correct;
            }
        } else if (pick.empty() || eliminated.Contains(pick)) {
            state = kPickWrong;
            ++record.Wrong;
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
    SelLinesArray shown = std::move(model.SelLines);
    ReadSelections(model, dialogs, path);
    const SelLinesArray& read = model.SelLines;
    ScoredLines scored = shownArePicks ? ScoreLines(shown, read, points) : ScoreLines(read, shown, points);
    model.SelLines = std::move(shown);
    return scored;
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
