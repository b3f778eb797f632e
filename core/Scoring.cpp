#include "core/Scoring.h"

#include <algorithm>
#include <functional>

#include "core/Numeric.h"
#include "core/SelectionFile.h"

namespace brackwell {

namespace {
std::int16_t WholeNumber(const std::string& text) { return ClampToInt16(RoundHalfEven(NumericValue(text))); }

// The teams out so far, each with its hash, so that looking up a team still in the running
// (the usual case) costs number compares rather than text compares. The list is refilled in
// place: the storage of the teams of the last scoring is reused.
class EliminatedList {
public:
    explicit EliminatedList(std::vector<std::string>& teams) : teams_(teams) { hashes_.reserve(kGameCount); }
    ~EliminatedList() { teams_.resize(hashes_.size()); }
    EliminatedList(const EliminatedList&) = delete;
    EliminatedList& operator=(const EliminatedList&) = delete;

    bool Contains(const std::string& team, std::size_t hash) const {
        for (std::size_t i = 0; i < hashes_.size(); ++i)
            if (hashes_[i] == hash && teams_[i] == team) return true;
        return false;
    }

    void AddIfNew(const std::string& team) {
        const std::size_t hash = std::hash<std::string>{}(team);
        if (Contains(team, hash)) return;
        if (hashes_.size() < teams_.size()) teams_[hashes_.size()].assign(team);
        else teams_.push_back(team);
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
                       ScoreRecord& record, PickStateArray& pickState, std::vector<std::string>& eliminatedTeams) {
    EliminatedList eliminated(eliminatedTeams);
    for (int p = 1; p <= kPositionCount; ++p) {
        const std::string& pick = picks[p];
        const std::string& result = results[p];
        int& state = pickState[p];
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

ScoreRecord ScoreLinesInto(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points,
                           PickStateArray& pickState, std::vector<std::string>& eliminatedTeams) {
    ScoreRecord record;
    MarkPlayedAndLost(picks, results, points, record, pickState, eliminatedTeams);
    record.MaxScore = AddInt16(record.Score, MarkReachable(points, pickState));
    record.PlayerName = picks[kPlayerNameLine] + ", " + picks[kInitialsLine];
    record.Champion = picks[127];
    record.RunnerUp = picks[127] == picks[126] ? picks[125] : picks[126];
    record.TieBreak = WholeNumber(picks[kFinalPointsLine]);
    return record;
}

ScoredLines ScoreLines(const SelLinesArray& picks, const SelLinesArray& results, const PositionPoints& points) {
    ScoredLines scored;
    scored.record = ScoreLinesInto(picks, results, points, scored.pickState, scored.eliminatedTeams);
    return scored;
}

ScoreRecord ScoreSelection(modBrackwell& model, const BracketView& view, Dialogs& dialogs, const std::string& fileName,
                           ScoringContext context) {
    if (context != ScoringContext::Reports) WindowToSelection(view, model);
    const PositionPoints points = PointsFromView(view);
    // The lines shown stay in SelLines throughout; the file's side is read beside them.
    ReadSelectionsInto(model.ScoredFileLines, dialogs, model.AppFilePath(fileName));
    const bool shownArePicks = context == ScoringContext::BracketWindow;
    const SelLinesArray& picks = shownArePicks ? model.SelLines : model.ScoredFileLines;
    const SelLinesArray& results = shownArePicks ? model.ScoredFileLines : model.SelLines;
    ScoreRecord record = ScoreLinesInto(picks, results, points, model.PickState, model.EliminatedTeams);
    record.FileName = fileName;
    return record;
}

void ReportMissingResultsFile(Dialogs& dialogs) {
    dialogs.Message(std::string("The file ") + kResultsFileName + " is not present in the application directory!",
                    "INVALID REQUEST TO LOAD FILE");
}

}  // namespace brackwell
