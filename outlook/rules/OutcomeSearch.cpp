#include "outlook/rules/OutcomeSearch.h"

#include <algorithm>

#include "outlook/rules/OutlookBounds.h"

namespace brackwell {

namespace {

// Subtrees, or outcomes, looked at between two looks at whether the work was cancelled.
constexpr std::uint64_t kCancelCheckEvery = 1024;

// Whether to stop at the seen-th subtree or outcome (from 1): looked at on the first and every
// kCancelCheckEvery after.
bool StopsAt(OutlookWork* work, std::uint64_t seen) {
    return work != nullptr && seen % kCancelCheckEvery == 1 && !work->Advance(0);
}

class OutcomeSearch {
public:
    OutcomeSearch(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                  const OutlookKernel& kernel, int participant, SearchGoal goal, std::uint64_t budget,
                  OutlookWork* work)
        : field_(field),
          plan_(plan),
          ahead_(points.Differences(participant)),
          bounds_(field, ahead_),
          kernel_(kernel),
          goal_(goal),
          budget_(budget),
          work_(work),
          levels_(static_cast<int>(plan.steps.size())),
          walk_(bounds_, levels_),
          favoured_(plan.steps.size()) {
        // The participant's own points first when it is to come first, last when not: the
        // outcomes wanted are met early.
        const bool own = goal != SearchGoal::NotFirst;
        for (int level = 0; level < levels_; ++level) {
            const int game = plan.steps[level].game;
            std::vector<int>& order = favoured_[level];
            order = field.Contenders[game];
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                const std::int16_t gainA = points.Gain(game, a)[participant];
                const std::int16_t gainB = points.Gain(game, b)[participant];
                return own ? gainA > gainB : gainA < gainB;
            });
        }
        // Differences above this are others ahead (or level, for first alone); the
        // participant's own lane is always 0.
        threshold_ = goal == SearchGoal::FirstAlone ? -1 : 0;
        own_ = goal == SearchGoal::FirstAlone ? 1 : 0;
    }

    SearchOutcome Run() {
        result_.teams = field_.Team;
        walk_.Start(0, bounds_.Low(), bounds_.High(), 0);
        Search(0);
        return result_;
    }

private:
    // True once the search is over: found, out of budget or cancelled.
    bool Search(int level) {
        ++visited_;
        if (budget_ != 0 && visited_ > budget_) {
            result_.done = false;
            return true;
        }
        if (StopsAt(work_, visited_)) {
            result_.done = false;
            result_.cancelled = true;
            return true;
        }
        const int stride = ahead_.Stride();
        const int surely = kernel_.CountAbove(walk_.Low(level), stride, threshold_) - own_;
        const int maybe = kernel_.CountAbove(walk_.High(level), stride, threshold_) - own_;
        const bool wantsNone = goal_ != SearchGoal::NotFirst;
        if (wantsNone ? surely > 0 : maybe == 0) return false;
        if (wantsNone ? maybe == 0 : surely > 0) {
            Complete(level);
            return true;
        }
        const int game = plan_.steps[level].game;
        const auto next = [&](int team, bool forced) {
            result_.teams[game] = team;
            walk_.Narrow(kernel_, level, game, team, forced);
            return Search(level + 1);
        };
        if (const int forced = plan_.ForcedTeam(level, result_.teams)) return next(forced, true);
        for (int team : favoured_[level])
            if (next(team, false)) return true;
        return false;
    }

    // Every outcome below does it: any one of them.
    void Complete(int level) {
        result_.found = true;
        for (int l = level; l < levels_; ++l) {
            const int forced = plan_.ForcedTeam(l, result_.teams);
            result_.teams[plan_.steps[l].game] = forced != 0 ? forced : favoured_[l].front();
        }
    }

    const OutlookField& field_;
    const OutlookPlan& plan_;
    const OutlookPoints ahead_;
    const OutlookBounds bounds_;
    const OutlookKernel& kernel_;
    SearchGoal goal_;
    std::uint64_t budget_;
    OutlookWork* work_;
    std::uint64_t visited_ = 0;
    int levels_;
    LevelBounds walk_;
    std::vector<std::vector<int>> favoured_;
    std::int16_t threshold_ = 0;
    int own_ = 0;
    SearchOutcome result_;
};

// Beyond this many open games, totals that are not plain sums are not searched.
constexpr std::size_t kMostOpenOneByOne = 20;

bool Does(SearchGoal goal, const std::int16_t* totals, int participants, int participant) {
    int above = 0, level = 0;
    for (int i = 0; i < participants; ++i) {
        if (i == participant) continue;
        above += totals[i] > totals[participant];
        level += totals[i] == totals[participant];
    }
    switch (goal) {
        case SearchGoal::FirstAlone: return above + level == 0;
        case SearchGoal::FirstTied: return above == 0;
        case SearchGoal::NotFirst: break;
    }
    return above > 0;
}

// Every outcome in turn, totalled as scoring totals them: the first that does it.
SearchOutcome EveryOutcome(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                           int participant, SearchGoal goal, OutlookWork* work) {
    SearchOutcome found;
    found.teams = field.Team;
    std::vector<std::int16_t> scratch;
    std::uint64_t seen = 0;
    const auto walk = [&](auto& self, std::size_t level) -> bool {
        if (level == plan.steps.size()) {
            if (StopsAt(work, ++seen)) {
                found.done = false;
                found.cancelled = true;
                return true;
            }
            const std::int16_t* totals = points.FinalTotals(points.Certain(), found.teams, scratch);
            return found.found = Does(goal, totals, points.Participants(), participant);
        }
        const int game = plan.steps[level].game;
        if (const int forced = plan.ForcedTeam(static_cast<int>(level), found.teams)) {
            found.teams[game] = forced;
            return self(self, level + 1);
        }
        for (int team : field.Contenders[game]) {
            found.teams[game] = team;
            if (self(self, level + 1)) return true;
        }
        return false;
    };
    walk(walk, 0);
    return found;
}

}  // namespace

SearchOutcome SearchForOutcome(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                               const OutlookKernel& kernel, int participant, SearchGoal goal, std::uint64_t budget,
                               OutlookWork* work) {
    if (points.PlainSums()) return OutcomeSearch(field, plan, points, kernel, participant, goal, budget, work).Run();
    if (field.OpenGames.size() > kMostOpenOneByOne) return SearchOutcome{false, false, false, {}};
    return EveryOutcome(field, plan, points, participant, goal, work);
}

}  // namespace brackwell
