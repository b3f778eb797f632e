#include "outlook/rules/PlaceSearch.h"

#include <algorithm>
#include <numeric>

#include "outlook/rules/OutlookBounds.h"

namespace brackwell {

namespace {

// Of the others, those ahead of the participant in every outcome whatever happens, and the
// lanes of those in question; the rest are ahead in none. Only those in question take a lane of
// the search.
struct Questioned {
    int ahead = 0;
    std::vector<int> lanes;
};

Questioned InQuestion(const OutlookField& field, const OutlookPoints& differences) {
    const OutlookBounds bounds(field, differences);
    Questioned questioned;
    for (int j = 0; j < differences.Participants(); ++j) {
        if (bounds.Low()[j] > 0) ++questioned.ahead;
        else if (bounds.High()[j] > 0) questioned.lanes.push_back(j);
    }
    return questioned;
}

OutlookPoints LanesOf(const OutlookPoints& points, const std::vector<int>& lanes) {
    constexpr int block = OutlookPoints::kLaneBlock;
    const int blocks = std::max<int>(1, (static_cast<int>(lanes.size()) + block - 1) / block);
    OutlookPoints part = OutlookPoints::Empty(points.Pool(), blocks * block);
    std::vector<int> rows(points.Rows());
    std::iota(rows.begin(), rows.end(), 0);
    points.Gather(part, lanes, points.Certain(), rows);
    return part;
}

class PlaceSearch {
public:
    PlaceSearch(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                const OutlookKernel& kernel, OutlookWork& work, int participant)
        : PlaceSearch(field, plan, points, points.Differences(participant), kernel, work, participant) {}

    int Best() { return Find(true); }
    int Worst() { return Find(false); }

private:
    PlaceSearch(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                const OutlookPoints& differences, const OutlookKernel& kernel, OutlookWork& work, int participant)
        : field_(field),
          plan_(plan),
          questioned_(InQuestion(field, differences)),
          ahead_(LanesOf(differences, questioned_.lanes)),
          bounds_(field, ahead_),
          kernel_(kernel),
          work_(work),
          participants_(points.Participants()),
          levels_(static_cast<int>(plan.steps.size())),
          walk_(bounds_, levels_),
          favoured_(plan.steps.size()) {
        // The participant's own points first: the outcomes that suit it are met early, and the
        // place found there leaves out most of the rest.
        for (int level = 0; level < levels_; ++level) {
            const int game = plan.steps[level].game;
            std::vector<int>& order = favoured_[level];
            order = field.Contenders[game];
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return points.Gain(game, a)[participant] > points.Gain(game, b)[participant];
            });
        }
    }

    int Find(bool best) {
        best_ = best;
        found_ = best ? participants_ : 1;
        teams_ = field_.Team;
        walk_.Start(0, bounds_.Low(), bounds_.High(), static_cast<int>(field_.OpenGames.size()));
        Search(0, Ahead(kernel_.CountAbove(best ? walk_.Low(0) : walk_.High(0), ahead_.Stride(), 0)));
        return found_;
    }

    // `ahead`: for the best place the participants ahead in every outcome below, for the worst
    // those ahead in some. Only that side of the bounds is kept: the other would only give a
    // place to start from, and the search spends its time proving that none is better, not in
    // finding it. Where no game is left open, both sides are the place itself.
    void Search(int level, int ahead) {
        if (work_.Cancelled()) return;
        if (best_ ? 1 + ahead >= found_ : 1 + ahead <= found_) return;
        if (walk_.Open(level) == 0) {
            found_ = 1 + ahead;
            return;
        }
        const int game = plan_.steps[level].game;
        if (const int forced = plan_.ForcedTeam(level, teams_)) {
            // Counted when the game above was decided: the bounds stay.
            teams_[game] = forced;
            walk_.Narrow(kernel_, level, game, forced, true);
            Search(level + 1, ahead);
            return;
        }
        const auto next = [&](int team) {
            teams_[game] = team;
            Search(level + 1, Ahead(best_ ? walk_.NarrowLowCounting(kernel_, level, game, team, 0)
                                          : walk_.NarrowHighCounting(kernel_, level, game, team, 0)));
        };
        const std::vector<int>& order = favoured_[level];
        if (best_)
            for (auto team = order.begin(); team != order.end(); ++team) next(*team);
        else
            for (auto team = order.rbegin(); team != order.rend(); ++team) next(*team);
    }

    // Those ahead: in the search's lanes, and those left out.
    int Ahead(int lanes) const { return questioned_.ahead + lanes; }

    const OutlookField& field_;
    const OutlookPlan& plan_;
    const Questioned questioned_;
    const OutlookPoints ahead_;
    const OutlookBounds bounds_;
    const OutlookKernel& kernel_;
    OutlookWork& work_;
    int participants_;
    int levels_;
    LevelBounds walk_;
    std::vector<std::vector<int>> favoured_;  // per level, the contenders the participant gains most from first
    PositionTeams teams_{};
    bool best_ = true;
    int found_ = 0;
};

}  // namespace

std::optional<std::vector<PlaceRange>> SearchPlaces(const OutlookField& field, const OutlookPlan& plan,
                                                    const OutlookPoints& points, const OutlookKernel& kernel,
                                                    OutlookWork& work, const std::function<bool(int)>& searched) {
    std::vector<PlaceRange> places(points.Participants());
    const bool finished = work.Run(places.size(), [&](std::uint64_t i) {
        if (searched && !searched(static_cast<int>(i))) return;
        PlaceSearch search(field, plan, points, kernel, work, static_cast<int>(i));
        places[i] = {search.Best(), search.Worst()};
        work.Advance(0);
    });
    if (!finished) return std::nullopt;
    return places;
}

}  // namespace brackwell
