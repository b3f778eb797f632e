// Depth first through the open games in position order, so that both teams of a game are known
// when it is reached; each participant's total grows by the game's points on the way down.

#include <algorithm>
#include <vector>

#include "outlook/rules/OutlookCounting.h"

namespace brackwell {

namespace {

// The top levels are split into this many pieces of work (fewer when fewer games are open);
// the split does not depend on the number of threads, so neither do the sums.
constexpr int kSplitLevels = 8;
// Outcomes between two progress reports of a piece.
constexpr std::uint64_t kReportEvery = 1 << 14;

class Enumeration {
public:
    Enumeration(const OutlookField& field, const OutlookPoints& points, OutlookWork& work)
        : field_(field), points_(points), work_(work), tally_(points.Participants()), teams_(field.Team) {
        const auto levels = field.OpenGames.size();
        sums_.assign((levels + 1) * points.Stride(), 0);
        std::copy(points.Certain(), points.Certain() + points.Stride(), sums_.begin());
        // A settled game is weighed in once the last open game below it is decided.
        settledAt_.resize(levels + 1);
        for (int game : field.UndecidedGames) {
            if (field.Team[game] == 0) continue;
            const auto level = std::lower_bound(field.OpenGames.begin(), field.OpenGames.end(), game) -
                               field.OpenGames.begin();
            settledAt_[level].push_back(game);
        }
    }

    // The outcomes whose first `fixedLevels` games go as the bits of `piece` say (highest bit
    // first, 0 the upper team), in the order a single pass would meet them.
    void Run(int piece, int fixedLevels) {
        double weight = 1.0;
        for (int level = 0; level < fixedLevels; ++level) {
            weight *= Settle(level);
            weight *= Decide(level, (piece >> (fixedLevels - 1 - level)) & 1);
        }
        Visit(fixedLevels, weight);
        work_.Advance(sinceReport_);
        sinceReport_ = 0;
    }

    OutlookTally& Tally() { return tally_; }

private:
    double Settle(int level) {
        double chance = 1.0;
        for (int game : settledAt_[level]) chance *= WinnerChance(field_, teams_, game);
        return chance;
    }

    // Sends the upper (0) or lower (1) team through the open game of the level; its chance.
    double Decide(int level, int lowerWins) {
        const int game = field_.OpenGames[level];
        const auto [upper, lower] = FeedingPositions(game);
        teams_[game] = teams_[lowerWins ? lower : upper];
        const int stride = points_.Stride();
        std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level + 1) * stride;
        std::copy(sums - stride, sums, sums);
        points_.AddGain(sums, game, teams_[game]);
        return WinnerChance(field_, teams_, game);
    }

    void Visit(int level, double weight) {
        if (work_.Cancelled()) return;
        const auto levels = static_cast<int>(field_.OpenGames.size());
        if (level == levels) {
            weight *= Settle(level);
            const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * points_.Stride();
            tally_.Add(points_.FinalTotals(sums, teams_, scratch_), weight);
            if (++sinceReport_ == kReportEvery) {
                work_.Advance(sinceReport_);
                sinceReport_ = 0;
            }
            return;
        }
        weight *= Settle(level);
        for (int lowerWins = 0; lowerWins < 2; ++lowerWins) {
            const double chance = Decide(level, lowerWins);
            Visit(level + 1, weight * chance);
        }
    }

    const OutlookField& field_;
    const OutlookPoints& points_;
    OutlookWork& work_;
    OutlookTally tally_;
    PositionTeams teams_;
    std::vector<std::int16_t> sums_;  // per level: the totals with the games above it decided
    std::vector<std::vector<int>> settledAt_;
    std::vector<std::int16_t> scratch_;
    std::uint64_t sinceReport_ = 0;
};

}  // namespace

std::optional<OutlookTally> CountOutcomes(const OutlookField& field, const OutlookPoints& points, OutlookWork& work) {
    const int fixedLevels = std::min<int>(kSplitLevels, static_cast<int>(field.OpenGames.size()));
    const int pieces = 1 << fixedLevels;
    std::vector<std::optional<OutlookTally>> tallies(pieces);
    const bool finished = work.Run(pieces, [&](std::uint64_t piece) {
        Enumeration enumeration(field, points, work);
        enumeration.Run(static_cast<int>(piece), fixedLevels);
        tallies[piece] = std::move(enumeration.Tally());
    });
    if (!finished) return std::nullopt;
    OutlookTally total(points.Participants());
    for (const auto& tally : tallies) total.Merge(*tally);
    return total;
}

}  // namespace brackwell
