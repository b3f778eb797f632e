#include "outlook/rules/PlaceSearch.h"

#include <algorithm>

#include "outlook/rules/OutlookBounds.h"

namespace brackwell {

namespace {

class PlaceSearch {
public:
    PlaceSearch(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                const OutlookKernel& kernel, OutlookWork& work, int participant)
        : field_(field),
          plan_(plan),
          ahead_(points.Differences(participant)),
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

    int Best() { return Find(true); }
    int Worst() { return Find(false); }

private:
    int Find(bool best) {
        best_ = best;
        found_ = best ? participants_ : 1;
        teams_ = field_.Team;
        walk_.Start(0, bounds_.Low(), bounds_.High(), 0);
        Search(0);
        return found_;
    }

    void Search(int level) {
        if (work_.Cancelled()) return;
        // Ahead in every outcome below, and in some.
        const int surely = kernel_.CountAbove(walk_.Low(level), ahead_.Stride(), 0);
        const int maybe = kernel_.CountAbove(walk_.High(level), ahead_.Stride(), 0);
        if (best_) {
            if (1 + surely >= found_) return;
            found_ = std::min(found_, 1 + maybe);
        } else {
            if (1 + maybe <= found_) return;
            found_ = std::max(found_, 1 + surely);
        }
        if (surely == maybe) return;
        const int game = plan_.steps[level].game;
        const auto next = [&](int team, bool forced) {
            teams_[game] = team;
            walk_.Narrow(kernel_, level, game, team, forced);
            Search(level + 1);
        };
        if (const int forced = plan_.ForcedTeam(level, teams_)) {
            next(forced, true);
            return;
        }
        const std::vector<int>& order = favoured_[level];
        if (best_)
            for (auto team = order.begin(); team != order.end(); ++team) next(*team, false);
        else
            for (auto team = order.rbegin(); team != order.rend(); ++team) next(*team, false);
    }

    const OutlookField& field_;
    const OutlookPlan& plan_;
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
