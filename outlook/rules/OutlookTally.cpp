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

void OutlookTally::AddBlock(const OutlookKernel& kernel, const std::int16_t* rows, const double* weights, int count,
                            int lanes) {
    if (participants_ == 0 || count == 0) return;
    outcomes_ += static_cast<std::uint64_t>(count);
    for (int r = 0; r < count; ++r) {
        const std::int16_t* row = rows + static_cast<std::ptrdiff_t>(r) * lanes;
        weight_ += weights[r];
        int tied = 0;
        const std::int16_t top = kernel.Top(row, lanes, tied);
        if (tied == 1) {
            const int winner = kernel.Find(row, lanes, top);
            ++outright_[winner];
            shared_[winner] += 1.0;
            seeded_[winner] += weights[r];
            continue;
        }
        const double share = 1.0 / tied;
        for (int i = 0; i < participants_; ++i) {
            if (row[i] != top) continue;
            shared_[i] += share;
            seeded_[i] += share * weights[r];
        }
    }

    low_.resize(lanes);
    high_.resize(lanes);
    kernel.Bounds(rows, count, lanes, low_.data(), high_.data());
    // A participant's place in the block is at least 1 + the others whose lowest total beats its
    // highest, and at most 1 + those whose highest beats its lowest. With the bounds in
    // descending order, whether that leaves room below the best or above the worst place seen
    // is one comparison.
    lowDown_.assign(low_.begin(), low_.begin() + participants_);
    highDown_.assign(high_.begin(), high_.begin() + participants_);
    std::sort(lowDown_.begin(), lowDown_.end(), std::greater<>());
    std::sort(highDown_.begin(), highDown_.end(), std::greater<>());
    for (int i = 0; i < participants_; ++i) {
        const bool bestOpen = best_[i] > 1 && (best_[i] == INT_MAX || lowDown_[best_[i] - 2] <= high_[i]);
        const bool worstOpen = worst_[i] < participants_ && (worst_[i] == 0 || highDown_[worst_[i] - 1] > low_[i]);
        if (!bestOpen && !worstOpen) continue;
        for (int r = 0; r < count; ++r) {
            const std::int16_t* row = rows + static_cast<std::ptrdiff_t>(r) * lanes;
            const int place = 1 + kernel.CountAbove(row, lanes, row[i]);
            best_[i] = std::min(best_[i], place);
            worst_[i] = std::max(worst_[i], place);
        }
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
