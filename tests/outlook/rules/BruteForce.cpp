#include "tests/outlook/rules/BruteForce.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>

namespace brackwell::testing {

namespace {

double Chance(int seed, int opponent) {
    if (seed <= 0 || opponent <= 0 || seed == opponent) return 0.5;
    return 1.0 / (1.0 + std::exp(-0.1628 * (opponent - seed)));
}

struct Completion {
    SelLinesArray lines;
    double weight = 1.0;  // the seed model's chance of the blank games going this way
};

// The results with the blank games decided by the bits of `outcome` (bit g: the lower team wins
// the g-th blank game), or nothing when a typed-in later result that some outcome can explain is
// not explained by this one.
Completion Complete(const OutlookPool& pool, const std::vector<int>& blank, std::uint64_t outcome) {
    Completion completion{pool.Results, 1.0};
    SelLinesArray& lines = completion.lines;
    std::array<int, kPositionCount + 1> seed{};
    std::size_t next = 0;
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p)) {
            seed[p] = pool.Seeds[p];
            continue;
        }
        const auto [upper, lower] = FeedingPositions(p);
        if (next < blank.size() && blank[next] == p) {
            const bool lowerWins = (outcome >> next++) & 1;
            lines[p] = lines[lowerWins ? lower : upper];
            seed[p] = seed[lowerWins ? lower : upper];
            completion.weight *= Chance(seed[p], seed[lowerWins ? upper : lower]);
        } else {
            // An entered result weighs the outcomes that lead to it: its winner beat the other team.
            const bool upperWon = lines[p] == lines[upper];
            seed[p] = upperWon ? seed[upper] : lines[p] == lines[lower] ? seed[lower] : 0;
            if (seed[p] != 0) completion.weight *= Chance(seed[p], seed[upperWon ? lower : upper]);
        }
    }
    return completion;
}

bool Explained(const SelLinesArray& lines, int p) {
    const auto [upper, lower] = FeedingPositions(p);
    return lines[p] == lines[upper] || lines[p] == lines[lower];
}

double Share(const std::vector<double>& payout, int above, int tied) {
    double sum = 0;
    for (int p = above; p < above + tied; ++p) sum += p < static_cast<int>(payout.size()) ? payout[p] : 0;
    return sum / tied;
}

OutlookStatus StatusOf(std::uint64_t some, std::uint64_t outcomes) {
    return some == outcomes ? OutlookStatus::Clinched : some > 0 ? OutlookStatus::Alive : OutlookStatus::Out;
}

struct Result {
    double outcomes = 0, shared = 0, weight = 0, seeded = 0;
};

}  // namespace

OutlookResult BruteForceOutlook(const OutlookPool& pool, const OutlookOptions& options) {
    std::vector<int> blank, entered;
    for (int p = 1; p <= kPositionCount; ++p)
        if (!IsStartingSlot(p)) (pool.Results[p].empty() ? blank : entered).push_back(p);
    const std::uint64_t outcomes = std::uint64_t{1} << blank.size();

    std::vector<Completion> completions;
    for (std::uint64_t o = 0; o < outcomes; ++o) completions.push_back(Complete(pool, blank, o));
    // A typed-in result counts where some outcome explains it.
    std::vector<int> binding;
    for (int p : entered)
        if (std::any_of(completions.begin(), completions.end(),
                        [&](const Completion& c) { return Explained(c.lines, p); }))
            binding.push_back(p);

    OutlookResult result;
    result.UndecidedGames = static_cast<int>(blank.size());
    const auto n = pool.Entrants.size();
    for (const OutlookEntrant& entrant : pool.Entrants) {
        const ScoreRecord record = ScoreLines(entrant.Picks, pool.Results, pool.Points).record;
        OutlookRow row;
        row.FileName = entrant.FileName;
        row.PlayerName = entrant.PlayerName;
        row.Score = record.Score;
        row.MaxScore = record.MaxScore;
        row.BestPlace = INT_MAX;
        result.Rows.push_back(row);
    }
    double weight = 0;
    std::vector<int> totals(n);
    std::vector<std::uint64_t> first(n), paid(n);
    std::vector<double> prizeEven(n), prizeSeeded(n);
    std::map<std::pair<int, std::string>, Result> rooting;
    for (const Completion& c : completions) {
        if (!std::all_of(binding.begin(), binding.end(), [&](int p) { return Explained(c.lines, p); })) continue;
        ++result.Outcomes;
        weight += c.weight;
        for (std::size_t i = 0; i < n; ++i) totals[i] = ScoreLines(pool.Entrants[i].Picks, c.lines, pool.Points).record.Score;
        const int top = *std::max_element(totals.begin(), totals.end());
        const auto tied = std::count(totals.begin(), totals.end(), top);
        for (std::size_t i = 0; i < n; ++i) {
            OutlookRow& row = result.Rows[i];
            const int place = 1 + static_cast<int>(std::count_if(totals.begin(), totals.end(), [&](int t) { return t > totals[i]; }));
            row.BestPlace = std::min(row.BestPlace, place);
            row.WorstPlace = std::max(row.WorstPlace, place);
            const int tiedHere = static_cast<int>(std::count(totals.begin(), totals.end(), totals[i]));
            const double prize = Share(options.Payout, place - 1, tiedHere);
            prizeEven[i] += prize;
            prizeSeeded[i] += prize * c.weight;
            paid[i] += prize > 0;
            if (totals[i] != top) continue;
            ++first[i];
            row.FirstShared += 1.0 / static_cast<double>(tied);
            row.ChanceSeeded += c.weight / static_cast<double>(tied);
            if (tied == 1) ++row.FirstOutright;
        }
        if (options.Rooted < 0) continue;
        const auto r = static_cast<std::size_t>(options.Rooted);
        const double share = totals[r] == top ? 1.0 / static_cast<double>(tied) : 0.0;
        for (int p : blank) {
            Result& result = rooting[{p, c.lines[p]}];
            ++result.outcomes;
            result.shared += share;
            result.weight += c.weight;
            result.seeded += share * c.weight;
        }
    }
    result.Prizes = !options.Payout.empty();
    for (std::size_t i = 0; i < n; ++i) {
        OutlookRow& row = result.Rows[i];
        row.FirstStatus = StatusOf(first[i], result.Outcomes);
        row.PrizeStatus = StatusOf(paid[i], result.Outcomes);
        row.PrizeEven = prizeEven[i] / static_cast<double>(result.Outcomes);
        row.PrizeSeeded = prizeSeeded[i] / weight;
    }
    // A blank game whose winner every outcome agrees on was settled by a later result.
    for (auto at = rooting.begin(); at != rooting.end(); ++at) {
        const auto next = std::next(at);
        const bool alone = (at == rooting.begin() || std::prev(at)->first.first != at->first.first) &&
                           (next == rooting.end() || next->first.first != at->first.first);
        if (alone) continue;
        const Result& r = at->second;
        result.Rooting.push_back({at->first.first, RoundOfPosition(at->first.first), at->first.second, r.shared,
                                  100.0 * r.shared / r.outcomes, 100.0 * r.seeded / r.weight});
    }
    for (OutlookRow& row : result.Rows) {
        row.FirstShare = 100.0 * row.FirstShared / static_cast<double>(result.Outcomes);
        row.ChanceEven = row.FirstShare;
        row.ChanceSeeded = 100.0 * row.ChanceSeeded / weight;
    }
    return result;
}

}  // namespace brackwell::testing
