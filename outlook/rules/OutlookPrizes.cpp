#include "outlook/rules/OutlookPrizes.h"

#include <optional>

#include "outlook/rules/OutcomeSearch.h"
#include "outlook/rules/OutlookBounds.h"
#include "outlook/rules/OutlookPlan.h"

namespace brackwell {

namespace {

// Subtrees a proof may look at for one participant before it gives up.
constexpr std::uint64_t kProofBudget = std::uint64_t{1} << 18;

struct PrizeSums {
    double even = 0;    // the prizes of the outcomes counted, added up
    double seeded = 0;  // weighted by their seeded chance
    std::uint64_t paid = 0;  // outcomes with a prize above 0
};

PrizeSums SumPrizes(const std::vector<double>& payout, const OutlookExtraTally& tally, int i) {
    PrizeSums sums;
    if (i >= static_cast<int>(tally.Participants()) || !tally.Wants().paid) return sums;
    for (const OutlookExtraTally::Place& place : tally.Places(i)) {
        const double share = PrizeShare(payout, place.above, place.tied);
        sums.even += share * static_cast<double>(place.count);
        sums.seeded += share * place.seeded;
        if (share > 0) sums.paid += place.count;
    }
    return sums;
}

double Ratio(double part, double whole) { return whole > 0 ? part / whole : 0.0; }

// What the lowest and highest totals prove, without a search.
struct Bounded {
    bool beaten = false;   // another's lowest total beats its highest
    bool ahead = true;     // no other's highest total beats its lowest
    int surelyAbove = 0;   // others always ahead of it
    int maybeAbove = 0;    // others ahead of it or level in some outcome
};

Bounded Bound(const OutlookBounds& bounds, int participants, int i) {
    Bounded b;
    for (int j = 0; j < participants; ++j) {
        if (j == i) continue;
        b.beaten |= bounds.Low()[j] > bounds.High()[i];
        b.ahead &= bounds.High()[j] <= bounds.Low()[i];
        b.surelyAbove += bounds.Low()[j] > bounds.High()[i];
        b.maybeAbove += bounds.High()[j] >= bounds.Low()[i];
    }
    return b;
}

OutlookStatus Decided(bool some, bool every) {
    return every ? OutlookStatus::Clinched : some ? OutlookStatus::Alive : OutlookStatus::Out;
}

}  // namespace

int PaidPlaces(const std::vector<double>& payout) {
    int paid = 0;
    for (std::size_t p = 0; p < payout.size(); ++p)
        if (payout[p] > 0) paid = static_cast<int>(p) + 1;
    return paid;
}

double PrizeShare(const std::vector<double>& payout, int above, int tied) {
    double sum = 0;
    for (int p = above; p < above + tied && p < static_cast<int>(payout.size()); ++p) sum += payout[p];
    return tied > 0 ? sum / tied : 0.0;
}

std::string StatusText(OutlookStatus status, bool prize) {
    switch (status) {
        case OutlookStatus::Clinched: return "clinched";
        case OutlookStatus::Alive: return "alive";
        case OutlookStatus::Out: return prize ? "out" : "eliminated";
        case OutlookStatus::Unknown: break;
    }
    return "unknown";
}

void FillExactStatuses(OutlookResult& result, const std::vector<double>& payout, const OutlookTally& tally) {
    result.Prizes = !payout.empty();
    for (std::size_t r = 0; r < result.Rows.size(); ++r) {
        OutlookRow& row = result.Rows[r];
        row.FirstStatus = Decided(row.BestPlace == 1, row.WorstPlace == 1);
        if (!result.Prizes) continue;
        const PrizeSums sums = SumPrizes(payout, tally.Extra, static_cast<int>(r));
        row.PrizeEven = Ratio(sums.even, static_cast<double>(tally.Outcomes()));
        row.PrizeSeeded = Ratio(sums.seeded, tally.Weight());
        row.PrizeStatus = Decided(sums.paid > 0, sums.paid == tally.Outcomes());
    }
}

void FillEstimatedStatuses(OutlookResult& result, const std::vector<double>& payout, const SimulatedTallies& tallies,
                           const OutlookField& field, const OutlookPoints& points) {
    result.Prizes = !payout.empty();
    const int participants = points.Participants();
    std::optional<OutlookBounds> bounds;
    if (points.PlainSums()) bounds.emplace(field, points);
    const OutlookPlan plan(field);
    const int paid = PaidPlaces(payout);
    for (int i = 0; i < participants; ++i) {
        OutlookRow& row = result.Rows[i];
        const Bounded b = bounds ? Bound(*bounds, participants, i) : Bounded{false, false, 0, participants};
        bool first = row.BestPlace == 1;  // seen first, alone or tied
        bool missed = row.WorstPlace > 1;
        bool none = b.beaten;
        bool every = b.ahead;
        const auto prove = [&](SearchGoal goal, bool& found, bool& never) {
            if (found || never) return;
            const SearchOutcome search = SearchForOutcome(field, plan, points, FastestKernel(), i, goal, kProofBudget);
            found = search.found;
            never = search.done && !search.found;
        };
        prove(SearchGoal::FirstTied, first, none);
        prove(SearchGoal::NotFirst, missed, every);
        row.FirstStatus = none    ? OutlookStatus::Out
                          : every ? OutlookStatus::Clinched
                          : first && missed ? OutlookStatus::Alive
                                            : OutlookStatus::Unknown;
        if (!result.Prizes) continue;
        const PrizeSums even = SumPrizes(payout, tallies.Even.Extra, i);
        const PrizeSums seeded = SumPrizes(payout, tallies.Seeded.Extra, i);
        row.PrizeEven = Ratio(even.even, static_cast<double>(tallies.Even.Outcomes()));
        row.PrizeSeeded = Ratio(seeded.seeded, tallies.Seeded.Weight());
        // Every place its tie could cover pays: a prize in every outcome.
        bool allPay = bounds.has_value();
        for (int p = 0; p <= b.maybeAbove && allPay; ++p) allPay = p < paid && payout[p] > 0;
        const bool somePaid = even.paid + seeded.paid > 0;
        const bool someUnpaid = even.paid < tallies.Even.Outcomes() || seeded.paid < tallies.Seeded.Outcomes();
        row.PrizeStatus = (bounds && b.surelyAbove >= paid) ? OutlookStatus::Out
                          : allPay                        ? OutlookStatus::Clinched
                          : somePaid && someUnpaid        ? OutlookStatus::Alive
                                                          : OutlookStatus::Unknown;
    }
}

}  // namespace brackwell
