// Every outcome of the open games, reached from the top of the bracket down: first who wins the
// title, then who loses the final, and so on down to the first open round. A team that wins a
// game has won every game below on its way, so those are not chosen again; any other game goes
// to one of the teams that can reach it. Deciding the games worth most first keeps the totals
// within a subtree close together, which is what lets a block of outcomes at the bottom be
// tallied without looking at every participant's place in each.

#include <algorithm>
#include <bitset>
#include <vector>

#include "outlook/rules/OutlookCounting.h"
#include "outlook/rules/SeedModel.h"

namespace brackwell {

namespace {

// The top of the bracket is split into pieces of work: every way the first games can go, at
// least this many (fewer when fewer outcomes there are). The split does not depend on the
// number of threads, so neither do the sums.
constexpr std::size_t kPieces = 256;
// Blocks of at most 2^kBlockLevels outcomes, and small enough to stay in the processor's cache.
constexpr int kBlockLevels = 10;
constexpr int kBlockBytes = 256 * 1024;
// Outcomes between two progress reports of a piece.
constexpr std::uint64_t kReportEvery = 1 << 14;

// What every piece shares: the open games from the top down and who can reach each.
struct Plan {
    struct Step {
        int game = 0;
        int above = 0;              // the game its winner plays next, 0 after the final
        bool aboveOpen = false;     // that game is open too
        bool aboveChance = false;   // that game's chance counts: open, or settled by a later result
        int known[2] = {0, 0};      // teams certain at its feeders (0: an open feeder)
    };

    explicit Plan(const OutlookField& field) {
        for (int game : field.UndecidedGames)
            if (field.Team[game] != 0) settled.set(game);
        for (auto p = field.OpenGames.rbegin(); p != field.OpenGames.rend(); ++p) {
            Step step;
            step.game = *p;
            step.above = NextPosition(*p);
            step.aboveOpen = step.above != 0 && field.Team[step.above] == 0;
            step.aboveChance = step.aboveOpen || (step.above != 0 && settled[step.above]);
            const auto [upper, lower] = FeedingPositions(*p);
            step.known[0] = field.Team[upper];
            step.known[1] = field.Team[lower];
            steps.push_back(step);
            for (int team : field.Contenders[*p]) reaches[*p].set(team);
        }
    }
    std::vector<Step> steps;  // descending positions: every game before the games that feed it
    std::array<std::bitset<kPositionCount + 1>, kPositionCount + 1> reaches;
    std::bitset<kPositionCount + 1> settled;  // open lines settled by a later result
};

class Enumeration {
public:
    Enumeration(const OutlookField& field, const Plan& plan, const OutlookPoints& points, const OutlookKernel& kernel,
                OutlookWork& work)
        : field_(field),
          plan_(plan),
          points_(points),
          kernel_(kernel),
          work_(work),
          tally_(points.Participants()),
          teams_(field.Team),
          levels_(static_cast<int>(plan.steps.size())) {
        const int stride = points.Stride();
        sums_.assign(static_cast<std::size_t>(levels_ + 1) * stride, 0);
        std::copy(points.Certain(), points.Certain() + stride, sums_.begin());
        if (points.PlainSums()) {
            int blockLevels = std::min(kBlockLevels, levels_);
            while (blockLevels > 0 && (stride * 2 << blockLevels) > kBlockBytes) --blockLevels;
            blockStart_ = levels_ - blockLevels;
            block_.resize(static_cast<std::size_t>(stride) << blockLevels);
            blockWeights_.resize(std::size_t{1} << blockLevels);
        }
    }

    // The chance of the settled games whose teams are all known from the start.
    double SettledChance() const {
        double chance = 1.0;
        for (int game : field_.UndecidedGames) {
            if (!plan_.settled[game]) continue;
            const auto [upper, lower] = FeedingPositions(game);
            for (int feeder : {upper, lower})
                if (field_.Team[feeder] != 0 && field_.Team[feeder] != field_.Team[game])
                    chance *= chances_(field_.Seed[field_.Team[game]], field_.Seed[field_.Team[feeder]]);
        }
        return chance;
    }

    // Every way the first `levels` games can go, as the teams sent through them.
    void Prefixes(int levels, std::vector<int>& chosen, std::vector<std::vector<int>>& out) {
        if (static_cast<int>(chosen.size()) == levels) {
            out.push_back(chosen);
            return;
        }
        const int level = static_cast<int>(chosen.size());
        ForEachChoice(level, [&](int team) {
            Decide(level, team);
            chosen.push_back(team);
            Prefixes(levels, chosen, out);
            chosen.pop_back();
        });
    }

    // The outcomes that begin with the prefix, in the order a single pass would meet them.
    void Run(const std::vector<int>& prefix, double weight) {
        for (std::size_t level = 0; level < prefix.size(); ++level)
            weight *= Decide(static_cast<int>(level), prefix[level]);
        Visit(static_cast<int>(prefix.size()), weight);
        work_.Advance(sinceReport_);
        sinceReport_ = 0;
    }

    OutlookTally& Tally() { return tally_; }

private:
    // The winner of the game above when it comes through the game of the level, which then is
    // not chosen again; 0 when any team that can reach the game may win it.
    int ForcedTeam(int level) const {
        const Plan::Step& step = plan_.steps[level];
        if (step.aboveOpen && plan_.reaches[step.game][teams_[step.above]]) return teams_[step.above];
        return 0;
    }

    template <typename Next>
    void ForEachChoice(int level, Next next) {
        if (const int forced = ForcedTeam(level)) {
            next(forced);
            return;
        }
        for (int team : field_.Contenders[plan_.steps[level].game]) next(team);
    }

    // Sends the team through the game of the level; the chance of what that settles: the game
    // above lost to this team's conqueror, and this game won against a team already known.
    // The totals go to the next level's row, or to `out` when given.
    double Decide(int level, int team, std::int16_t* out = nullptr) {
        const Plan::Step& step = plan_.steps[level];
        teams_[step.game] = team;
        const int stride = points_.Stride();
        const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * stride;
        points_.AddGain(kernel_, out != nullptr ? out : sums_.data() + static_cast<std::size_t>(level + 1) * stride, sums,
                        step.game, team);
        const int seed = field_.Seed[team];
        double chance = 1.0;
        if (step.aboveChance && teams_[step.above] != team) chance *= chances_(field_.Seed[teams_[step.above]], seed);
        for (int known : step.known)
            if (known != 0 && known != team) chance *= chances_(seed, field_.Seed[known]);
        return chance;
    }

    void Visit(int level, double weight) {
        if (work_.Cancelled()) return;
        if (!gathering_ && points_.PlainSums() && level == blockStart_) {
            gathering_ = true;
            blockFill_ = 0;
            Branch(level, weight);
            gathering_ = false;
            tally_.AddBlock(kernel_, block_.data(), blockWeights_.data(), blockFill_, points_.Stride());
            Report(static_cast<std::uint64_t>(blockFill_));
            return;
        }
        Branch(level, weight);
    }

    void Branch(int level, double weight) {
        const int stride = points_.Stride();
        if (level == levels_) {
            const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * stride;
            if (gathering_) {
                std::copy(sums, sums + stride, block_.data() + static_cast<std::size_t>(blockFill_) * stride);
                blockWeights_[blockFill_++] = weight;
            } else {
                tally_.Add(points_.FinalTotals(sums, teams_, scratch_), weight);
                Report(1);
            }
            return;
        }
        if (gathering_ && level == levels_ - 1) {
            // The last game straight into the block.
            ForEachChoice(level, [&](int team) {
                std::int16_t* row = block_.data() + static_cast<std::size_t>(blockFill_) * stride;
                blockWeights_[blockFill_++] = weight * Decide(level, team, row);
            });
            return;
        }
        ForEachChoice(level, [&](int team) { Visit(level + 1, weight * Decide(level, team)); });
    }

    void Report(std::uint64_t outcomes) {
        sinceReport_ += outcomes;
        if (sinceReport_ < kReportEvery) return;
        work_.Advance(sinceReport_);
        sinceReport_ = 0;
    }

    const OutlookField& field_;
    const Plan& plan_;
    const OutlookPoints& points_;
    const OutlookKernel& kernel_;
    OutlookWork& work_;
    OutlookTally tally_;
    const SeedChances chances_;
    PositionTeams teams_;
    int levels_;
    std::vector<std::int16_t> sums_;  // per level: the totals with the games before it decided
    std::vector<std::int16_t> scratch_;
    bool gathering_ = false;
    int blockStart_ = -1;
    int blockFill_ = 0;
    std::vector<std::int16_t> block_;
    std::vector<double> blockWeights_;
    std::uint64_t sinceReport_ = 0;
};

// For each participant the outcome that follows its picks wherever it can and the one that goes
// against them: their places are close to the participant's best and worst.
OutlookTally PlacesToStartFrom(const OutlookField& field, const Plan& plan, const OutlookPoints& points,
                               const OutlookKernel& kernel) {
    OutlookTally places(points.Participants());
    std::vector<std::int16_t> sums(points.Stride()), scratch;
    for (int i = 0; i < points.Participants(); ++i)
        for (const bool favoured : {true, false}) {
            PositionTeams teams = field.Team;
            std::copy(points.Certain(), points.Certain() + points.Stride(), sums.begin());
            for (const Plan::Step& step : plan.steps) {
                const bool forced = step.aboveOpen && plan.reaches[step.game][teams[step.above]];
                int team = forced ? teams[step.above] : field.Contenders[step.game].front();
                if (!forced)
                    for (int contender : field.Contenders[step.game]) {
                        const int gain = points.Gain(step.game, contender)[i];
                        const int kept = points.Gain(step.game, team)[i];
                        if (favoured ? gain > kept : gain < kept) team = contender;
                    }
                teams[step.game] = team;
                points.AddGain(kernel, sums.data(), sums.data(), step.game, team);
            }
            places.SeePlaces(points.FinalTotals(sums.data(), teams, scratch));
        }
    return places;
}

}  // namespace

std::optional<OutlookTally> CountOutcomes(const OutlookField& field, const OutlookPoints& points,
                                          const OutlookKernel& kernel, OutlookWork& work) {
    const Plan plan(field);
    std::vector<std::vector<int>> prefixes;
    double settledChance = 1.0;
    {
        Enumeration top(field, plan, points, kernel, work);
        settledChance = top.SettledChance();
        for (int levels = 0; levels <= static_cast<int>(plan.steps.size()); ++levels) {
            std::vector<int> chosen;
            prefixes.clear();
            top.Prefixes(levels, chosen, prefixes);
            if (prefixes.size() >= kPieces) break;
        }
    }
    const OutlookTally places = PlacesToStartFrom(field, plan, points, kernel);
    std::vector<std::optional<OutlookTally>> tallies(prefixes.size());
    const bool finished = work.Run(prefixes.size(), [&](std::uint64_t piece) {
        Enumeration enumeration(field, plan, points, kernel, work);
        enumeration.Tally().TakePlaces(places);
        enumeration.Run(prefixes[piece], settledChance);
        tallies[piece] = std::move(enumeration.Tally());
    });
    if (!finished) return std::nullopt;
    OutlookTally total(points.Participants());
    for (const auto& tally : tallies) total.Merge(*tally);
    return total;
}

}  // namespace brackwell
