#include "outlook/rules/OutlookTally.h"

#include <algorithm>
#include <climits>

namespace brackwell {

OutlookTally::OutlookTally(int participants)
    : participants_(participants),
      outright_(participants, 0),
      shared_(participants, 0),
      seeded_(participants, 0),
      best_(participants, INT_MAX),
      worst_(participants, 0),
      sorted_(participants) {}

void OutlookTally::Add(const std::int16_t* totals, double weight) {
    if (participants_ == 0) return;
    ++outcomes_;
    weight_ += weight;
    std::copy(totals, totals + participants_, sorted_.begin());
    std::sort(sorted_.begin(), sorted_.end());
    const std::int16_t top = sorted_.back();
    const auto tiedAtTop = static_cast<int>(sorted_.end() - std::lower_bound(sorted_.begin(), sorted_.end(), top));
    const double share = 1.0 / tiedAtTop;
    for (int i = 0; i < participants_; ++i) {
        const auto higher = static_cast<int>(sorted_.end() - std::upper_bound(sorted_.begin(), sorted_.end(), totals[i]));
        best_[i] = std::min(best_[i], higher + 1);
        worst_[i] = std::max(worst_[i], higher + 1);
        if (totals[i] != top) continue;
        shared_[i] += share;
        seeded_[i] += share * weight;
        if (tiedAtTop == 1) ++outright_[i];
    }
}

void OutlookTally::Merge(const OutlookTally& other) {
    outcomes_ += other.outcomes_;
    weight_ += other.weight_;
    for (int i = 0; i < participants_; ++i) {
        outright_[i] += other.outright_[i];
        shared_[i] += other.shared_[i];
        seeded_[i] += other.seeded_[i];
        best_[i] = std::min(best_[i], other.best_[i]);
        worst_[i] = std::max(worst_[i], other.worst_[i]);
    }
}

}  // namespace brackwell
