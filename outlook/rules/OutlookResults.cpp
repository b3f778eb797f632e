#include "outlook/rules/OutlookResults.h"

#include <algorithm>
#include <cmath>

#include "outlook/rules/OutlookPrizes.h"

namespace brackwell {

namespace {

double Percent(double part, double whole) { return whole > 0 ? 100.0 * part / whole : 0.0; }

// The 95% margin of a share estimated from `samples` draws, in percentage points.
double Margin(double percent, std::uint64_t samples) {
    const double p = percent / 100.0;
    return 100.0 * 1.96 * std::sqrt(std::max(0.0, p * (1.0 - p)) / static_cast<double>(samples));
}

std::vector<OutlookRow> ScoredRows(const OutlookPool& pool) {
    std::vector<OutlookRow> rows;
    rows.reserve(pool.Entrants.size());
    for (const OutlookEntrant& entrant : pool.Entrants) {
        const ScoredLines scored = ScoreLines(entrant.Picks, pool.Results, pool.Points);
        OutlookRow row;
        row.FileName = entrant.FileName;
        row.PlayerName = entrant.PlayerName;
        row.Score = scored.record.Score;
        row.MaxScore = scored.record.MaxScore;
        rows.push_back(std::move(row));
    }
    return rows;
}

void FillCounts(std::vector<OutlookRow>& rows, const OutlookTally& tally) {
    const auto outcomes = static_cast<double>(tally.Outcomes());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int p = static_cast<int>(i);
        rows[i].FirstOutright = tally.FirstOutright(p);
        rows[i].FirstShared = tally.FirstShared(p);
        rows[i].FirstShare = Percent(tally.FirstShared(p), outcomes);
        rows[i].ChanceEven = rows[i].FirstShare;
        rows[i].BestPlace = tally.BestPlace(p);
        rows[i].WorstPlace = tally.WorstPlace(p);
    }
}

}  // namespace

std::uint64_t TournamentsOf(const OutlookOptions& options) {
    return std::clamp<std::uint64_t>(options.Simulations, 1, kMostSimulations);
}

OutlookResult StartOutlook(const OutlookPool& pool, const OutlookOptions& options, const OutlookField& field) {
    OutlookResult result;
    result.UndecidedGames = static_cast<int>(field.UndecidedGames.size());
    result.Exact = result.UndecidedGames <= options.ExactLimit;
    result.Outcomes = result.Exact ? std::uint64_t{1} << field.OpenGames.size() : TournamentsOf(options);
    result.Rows = ScoredRows(pool);
    return result;
}

OutlookExtraTally::Wanted ExtrasWanted(const OutlookOptions& options, const OutlookPoints& points) {
    OutlookExtraTally::Wanted wanted;
    wanted.paid = PaidPlaces(options.Payout);
    if (options.Rooted >= 0 && options.Rooted < points.Participants()) {
        wanted.rooted = options.Rooted;
        wanted.keys = points.Rows();
    }
    return wanted;
}

void FillExact(OutlookResult& result, const OutlookTally& tally) {
    result.Outcomes = tally.Outcomes();
    FillCounts(result.Rows, tally);
    for (std::size_t i = 0; i < result.Rows.size(); ++i)
        result.Rows[i].ChanceSeeded = Percent(tally.SeededShared(static_cast<int>(i)), tally.Weight());
}

void FillEstimate(OutlookResult& result, const SimulatedTallies& tallies) {
    FillCounts(result.Rows, tallies.Even);
    for (std::size_t i = 0; i < result.Rows.size(); ++i) {
        const int p = static_cast<int>(i);
        OutlookRow& row = result.Rows[i];
        row.ChanceSeeded = Percent(tallies.Seeded.SeededShared(p), tallies.Seeded.Weight());
        row.BestPlace = std::min(row.BestPlace, tallies.Seeded.BestPlace(p));
        row.WorstPlace = std::max(row.WorstPlace, tallies.Seeded.WorstPlace(p));
        result.MarginPercent = std::max(
            {result.MarginPercent, Margin(row.ChanceEven, result.Outcomes), Margin(row.ChanceSeeded, result.Outcomes)});
    }
}

}  // namespace brackwell
