// Depth first through the open games in position order, so that both teams of a game are known
// when it is reached; each participant's total grows by the game's points on the way down. The
// outcomes of the last few games are gathered into a block and tallied together.

#include <algorithm>
#include <vector>

#include "outlook/rules/OutlookCounting.h"
#include "outlook/rules/SeedModel.h"

namespace brackwell {

namespace {

// The top levels are split into this many pieces of work (fewer when fewer games are open);
// the split does not depend on the number of threads, so neither do the sums.
constexpr int kSplitLevels = 8;
// Blocks of at most 2^kBlockLevels outcomes, and small enough to stay in the processor's cache.
constexpr int kBlockLevels = 8;
constexpr int kBlockBytes = 64 * 1024;
// Outcomes between two progress reports of a piece.
constexpr std::uint64_t kReportEvery = 1 << 14;

class Enumeration {
public:
    Enumeration(const OutlookField& field, const OutlookPoints& points, const OutlookKernel& kernel, int fixedLevels,
                OutlookWork& work)
        : field_(field), points_(points), kernel_(kernel), work_(work), tally_(points.Participants()), teams_(field.Team) {
        levels_ = static_cast<int>(field.OpenGames.size());
        const int stride = points.Stride();
        sums_.assign(static_cast<std::size_t>(levels_ + 1) * stride, 0);
        std::copy(points.Certain(), points.Certain() + stride, sums_.begin());
        // A settled game is weighed in once the last open game below it is decided.
        settledAt_.resize(levels_ + 1);
        for (int game : field.UndecidedGames) {
            if (field.Team[game] == 0) continue;
            const auto level = std::lower_bound(field.OpenGames.begin(), field.OpenGames.end(), game) -
                               field.OpenGames.begin();
            settledAt_[level].push_back(game);
        }
        if (points.PlainSums()) {
            blockLevels_ = std::min(kBlockLevels, levels_ - fixedLevels);
            while (blockLevels_ > 0 && (stride * 2 << blockLevels_) > kBlockBytes) --blockLevels_;
            block_.resize(static_cast<std::size_t>(stride) << blockLevels_);
            blockWeights_.resize(std::size_t{1} << blockLevels_);
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
        const int winner = teams_[lowerWins ? lower : upper];
        const int loser = teams_[lowerWins ? upper : lower];
        teams_[game] = winner;
        const int stride = points_.Stride();
        std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level + 1) * stride;
        points_.AddGain(kernel_, sums, sums - stride, game, winner);
        return chances_(field_.Seed[winner], field_.Seed[loser]);
    }

    void Visit(int level, double weight) {
        if (work_.Cancelled()) return;
        weight *= Settle(level);
        if (points_.PlainSums() && level == levels_ - blockLevels_) {
            blockFill_ = 0;
            Gather(level, weight);
            tally_.AddBlock(kernel_, block_.data(), blockWeights_.data(), blockFill_, points_.Stride());
            Report(static_cast<std::uint64_t>(blockFill_));
            return;
        }
        if (level == levels_) {
            const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * points_.Stride();
            tally_.Add(points_.FinalTotals(sums, teams_, scratch_), weight);
            Report(1);
            return;
        }
        for (int lowerWins = 0; lowerWins < 2; ++lowerWins) {
            const double chance = Decide(level, lowerWins);
            Visit(level + 1, weight * chance);
        }
    }

    // The outcomes below the level into the block, in order.
    void Gather(int level, double weight) {
        if (level == levels_) {
            const int stride = points_.Stride();
            const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * stride;
            std::copy(sums, sums + stride, block_.data() + static_cast<std::size_t>(blockFill_) * stride);
            blockWeights_[blockFill_++] = weight;
            return;
        }
        for (int lowerWins = 0; lowerWins < 2; ++lowerWins) {
            const double chance = Decide(level, lowerWins);
            Gather(level + 1, weight * chance * Settle(level + 1));
        }
    }

    void Report(std::uint64_t outcomes) {
        sinceReport_ += outcomes;
        if (sinceReport_ < kReportEvery) return;
        work_.Advance(sinceReport_);
        sinceReport_ = 0;
    }

    const OutlookField& field_;
    const OutlookPoints& points_;
    const OutlookKernel& kernel_;
    OutlookWork& work_;
    OutlookTally tally_;
    PositionTeams teams_;
    int levels_ = 0;
    std::vector<std::int16_t> sums_;  // per level: the totals with the games above it decided
    std::vector<std::vector<int>> settledAt_;
    std::vector<std::int16_t> scratch_;
    const SeedChances chances_;
    int blockLevels_ = 0;
    int blockFill_ = 0;
    std::vector<std::int16_t> block_;
    std::vector<double> blockWeights_;
    std::uint64_t sinceReport_ = 0;
};

}  // namespace

std::optional<OutlookTally> CountOutcomes(const OutlookField& field, const OutlookPoints& points,
                                          const OutlookKernel& kernel, OutlookWork& work) {
    const int fixedLevels = std::min<int>(kSplitLevels, static_cast<int>(field.OpenGames.size()));
    const int pieces = 1 << fixedLevels;
    std::vector<std::optional<OutlookTally>> tallies(pieces);
    const bool finished = work.Run(pieces, [&](std::uint64_t piece) {
        Enumeration enumeration(field, points, kernel, fixedLevels, work);
        enumeration.Run(static_cast<int>(piece), fixedLevels);
        tallies[piece] = std::move(enumeration.Tally());
    });
    if (!finished) return std::nullopt;
    OutlookTally total(points.Participants());
    for (const auto& tally : tallies) total.Merge(*tally);
    return total;
}

}  // namespace brackwell
