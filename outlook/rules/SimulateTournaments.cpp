// Tournaments drawn game by game in position order, in batches that each draw from their own
// generator: a batch's tournaments depend only on the seed and the batch's number.

#include <algorithm>
#include <vector>

#include "outlook/rules/OutlookCounting.h"
#include "outlook/rules/SeedModel.h"

namespace brackwell {

namespace {

constexpr std::uint64_t kBatchSize = 1 << 13;
constexpr std::uint64_t kPieces = 256;
// Tournaments tallied together (plain sums only).
constexpr int kBlockRows = 256;

// SplitMix64: small, fast, and good enough for drawing game winners.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t state_;
};

class Simulation {
public:
    Simulation(const OutlookField& field, const OutlookPoints& points, const OutlookKernel& kernel, bool rooting)
        : field_(field),
          points_(points),
          kernel_(kernel),
          teams_(field.Team),
          block_(static_cast<std::size_t>(points.Stride()) * kBlockRows),
          weights_(kBlockRows),
          rooting_(rooting),
          keys_(rooting ? field.OpenGames.size() * kBlockRows : 0) {}

    // `count` tournaments of one model into the tally: coin tosses, or the seed model's draws.
    void Play(Generator& generator, bool seeded, std::uint64_t count, OutlookTally& tally) {
        const int stride = points_.Stride();
        int rows = 0;
        for (std::uint64_t t = 0; t < count; ++t) {
            std::int16_t* row = block_.data() + static_cast<std::size_t>(rows) * stride;
            weights_[rows] = Draw(generator, seeded, row);
            if (rooting_) KeepKeys(rows);
            if (!points_.PlainSums()) {
                const std::int16_t* totals = points_.FinalTotals(row, teams_, scratch_);
                tally.Add(totals, points_.Stride(), weights_[rows]);
                tally.Extra.SeeRooted(totals, &weights_[rows], 1, points_.Stride(), totals, totals, nullptr, 0,
                                      keys_.data(), rooting_ ? PerRow() : 0);
            } else if (++rows == kBlockRows) {
                Tally(rows, tally);
                rows = 0;
            }
        }
        Tally(rows, tally);
    }

private:
    void Tally(int rows, OutlookTally& tally) const {
        tally.AddBlock(kernel_, block_.data(), weights_.data(), rows, points_.Stride());
        tally.SeeBlockPlaces(kernel_, block_.data(), rows, points_.Stride());
        if (rows > 0)
            tally.Extra.SeeRooted(block_.data(), weights_.data(), rows, points_.Stride(), tally.BlockLow(),
                                  tally.BlockHigh(), nullptr, 0, keys_.data(), rooting_ ? PerRow() : 0);
    }

    int PerRow() const { return static_cast<int>(field_.OpenGames.size()); }

    // The row's result at every open game, for the rooting guide.
    void KeepKeys(int row) {
        const int perRow = PerRow();
        for (int k = 0; k < perRow; ++k) {
            const int game = field_.OpenGames[k];
            keys_[static_cast<std::size_t>(row) * perRow + k] = static_cast<std::uint16_t>(points_.Row(game, teams_[game]));
        }
    }

    // One tournament's totals into the row; its weight. An outcome that a later entered result
    // settles is weighed by the chance of the settled games and of the results entered.
    double Draw(Generator& generator, bool seeded, std::int16_t* row) {
        std::copy(points_.Certain(), points_.Certain() + points_.Stride(), row);
        double weight = 1.0;
        for (int game : field_.UndecidedGames) {
            if (field_.Team[game] != 0) {
                if (seeded) weight *= WinnerChance(field_, teams_, game);
                continue;
            }
            const auto [upper, lower] = FeedingPositions(game);
            const int up = teams_[upper];
            const int down = teams_[lower];
            const double upperChance = seeded ? chances_(field_.Seed[up], field_.Seed[down]) : 0.5;
            teams_[game] = generator.Uniform() < upperChance ? up : down;
            points_.AddGain(kernel_, row, row, game, teams_[game]);
        }
        if (seeded)
            for (int game : field_.EnteredAbove) weight *= WinnerChance(field_, teams_, game);
        return weight;
    }

    const OutlookField& field_;
    const OutlookPoints& points_;
    const OutlookKernel& kernel_;
    const SeedChances& chances_ = SeedChances::Shared();
    PositionTeams teams_;
    std::vector<std::int16_t> block_;
    std::vector<double> weights_;
    std::vector<std::int16_t> scratch_;
    bool rooting_;
    std::vector<std::uint16_t> keys_;  // per row of the block, its results
};

}  // namespace

std::optional<std::vector<std::optional<SimulatedTallies>>> SimulatePieces(const OutlookField& field,
                                                                          const OutlookPoints& points,
                                                                          const OutlookKernel& kernel,
                                                                          std::uint64_t tournaments,
                                                                          std::uint64_t seed, OutlookWork& work,
                                                                          const PieceFilter& played,
                                                                          OutlookExtraTally::Wanted wanted) {
    // Batches are grouped into a fixed number of pieces of work, each with its own tallies.
    const std::uint64_t batches = (tournaments + kBatchSize - 1) / kBatchSize;
    const std::uint64_t pieces = std::min<std::uint64_t>(batches, kPieces);
    const auto firstBatch = [&](std::uint64_t piece) { return piece * batches / pieces; };
    const auto included = [&](std::uint64_t piece) { return !played || played(piece, pieces); };
    if (played) {
        std::uint64_t draws = 0;
        for (std::uint64_t piece = 0; piece < pieces; ++piece)
            if (included(piece))
                draws += 2 * (std::min(firstBatch(piece + 1) * kBatchSize, tournaments) - firstBatch(piece) * kBatchSize);
        work.Expect(draws);
    }
    std::vector<std::optional<SimulatedTallies>> results(pieces);
    const bool finished = work.Run(pieces, [&](std::uint64_t piece) {
        if (!included(piece)) return;
        SimulatedTallies tallies{OutlookTally(points.Participants()), OutlookTally(points.Participants())};
        wanted.countResults = true;
        tallies.Even.Extra.Reset(points.Participants(), wanted);
        tallies.Seeded.Extra.Reset(points.Participants(), wanted);
        Simulation simulation(field, points, kernel, wanted.rooted >= 0);
        for (std::uint64_t batch = firstBatch(piece); batch < firstBatch(piece + 1); ++batch) {
            const std::uint64_t first = batch * kBatchSize;
            const std::uint64_t count = std::min(kBatchSize, tournaments - first);
            // Distinct, well-mixed starting states per batch and model.
            Generator even(Generator(seed ^ (2 * first)).Next());
            Generator seeded(Generator(seed ^ (2 * first + 1)).Next());
            simulation.Play(even, false, count, tallies.Even);
            simulation.Play(seeded, true, count, tallies.Seeded);
            if (!work.Advance(2 * count)) return;
        }
        results[piece] = std::move(tallies);
    });
    if (!finished) return std::nullopt;
    return results;
}

SimulatedTallies MergeSimulatedPieces(int participants, const std::vector<std::optional<SimulatedTallies>>& pieces) {
    SimulatedTallies total{OutlookTally(participants), OutlookTally(participants)};
    for (const auto& piece : pieces) {
        if (!piece) continue;
        total.Even.Merge(piece->Even);
        total.Seeded.Merge(piece->Seeded);
    }
    return total;
}

std::optional<SimulatedTallies> SimulateTournaments(const OutlookField& field, const OutlookPoints& points,
                                                    const OutlookKernel& kernel, std::uint64_t tournaments,
                                                    std::uint64_t seed, OutlookWork& work,
                                                    const OutlookExtraTally::Wanted& wanted) {
    const auto pieces = SimulatePieces(field, points, kernel, tournaments, seed, work, {}, wanted);
    if (!pieces) return std::nullopt;
    return MergeSimulatedPieces(points.Participants(), *pieces);
}

}  // namespace brackwell
