#include "outlook/rules/OutlookTally.h"

#include <algorithm>
#include <climits>

#include "outlook/rules/OutlookPoints.h"

namespace brackwell {

OutlookTally::OutlookTally(int participants) { Reset(participants); }

void OutlookTally::Reset(int participants) {
    participants_ = participants;
    countFirsts_ = true;
    outcomes_ = 0;
    weight_ = 0;
    outright_.assign(participants, 0);
    ties_.resize(participants);
    for (auto& ties : ties_) ties.clear();
    seeded_.assign(participants, 0);
    best_.assign(participants, INT_MAX);
    worst_.assign(participants, 0);
    sorted_.resize(participants);
}

void OutlookTally::Add(const std::int16_t* totals, int lanes, double weight) {
    if (participants_ == 0) return;
    Extra.SeePlaces(totals, &weight, 1, lanes, totals, totals);
    ++outcomes_;
    weight_ += weight;
    std::copy(totals, totals + participants_, sorted_.begin());
    std::sort(sorted_.begin(), sorted_.end());
    const std::int16_t top = sorted_.back();
    const auto tiedAtTop = static_cast<int>(sorted_.end() - std::lower_bound(sorted_.begin(), sorted_.end(), top));
    const double share = 1.0 / tiedAtTop;
    for (int i = 0; i < participants_; ++i) {
        PlaceAt(i, totals[i]);
        if (totals[i] != top) continue;
        seeded_[i] += share * weight;
        if (tiedAtTop == 1)
            ++outright_[i];
        else
            AddTies(i, tiedAtTop, 1);
    }
}

void OutlookTally::AddTies(int i, int tied, std::uint64_t count) {
    // Few tie sizes occur for any one participant: a short list searched from the front.
    for (Ties& ties : ties_[i])
        if (ties.tied == tied) {
            ties.count += count;
            return;
        }
    ties_[i].push_back({tied, count});
}

double OutlookTally::FirstShared(int i) const {
    // Whole outcomes in integers; only the remainders, each below 1, as fractions.
    std::uint64_t whole = outright_[i];
    long double fraction = 0;
    for (const Ties& ties : ties_[i]) {
        const auto tied = static_cast<std::uint64_t>(ties.tied);
        whole += ties.count / tied;
        fraction += static_cast<long double>(ties.count % tied) / static_cast<long double>(tied);
    }
    return static_cast<double>(static_cast<long double>(whole) + fraction);
}

// With sorted_ holding the outcome's totals in ascending order.
void OutlookTally::PlaceAt(int i, std::int16_t total) {
    const auto higher = static_cast<int>(sorted_.end() - std::upper_bound(sorted_.begin(), sorted_.end(), total));
    best_[i] = std::min(best_[i], higher + 1);
    worst_[i] = std::max(worst_[i], higher + 1);
}

int OutlookTally::ClearLeader(const OutlookKernel& kernel, const std::int16_t* low, const std::int16_t* high,
                              int lanes) const {
    if (participants_ == 0) return -1;
    int tiedLow = 0;
    const std::int16_t leaderLow = kernel.Top(low, lanes, tiedLow);
    if (tiedLow != 1 || kernel.CountAbove(high, lanes, static_cast<std::int16_t>(leaderLow - 1)) != 1) return -1;
    return kernel.Find(low, lanes, leaderLow);
}

void OutlookTally::AddWon(int leader, std::uint64_t count, double weight) {
    outcomes_ += count;
    weight_ += weight;
    outright_[leader] += count;
    seeded_[leader] += weight;
}

void OutlookTally::AddBlock(const OutlookKernel& kernel, const std::int16_t* rows, const double* weights, int count,
                            int lanes) {
    if (participants_ == 0 || count == 0) return;
    low_.resize(lanes);
    high_.resize(lanes);
    kernel.Bounds(rows, count, lanes, low_.data(), high_.data());
    const int leader = countFirsts_ ? ClearLeader(kernel, low_.data(), high_.data(), lanes) : -1;
    const bool ranked = countFirsts_ && leader < 0 && Extra.Wants().paid > 0;
    firsts_.clear();
    Extra.SeePlaces(rows, weights, count, lanes, low_.data(), high_.data(), ranked ? &firsts_ : nullptr);
    if (!countFirsts_) return;
    if (leader >= 0) {
        double weight = 0;
        for (int r = 0; r < count; ++r) weight += weights[r];
        AddWon(leader, static_cast<std::uint64_t>(count), weight);
        return;
    }
    outcomes_ += static_cast<std::uint64_t>(count);
    if (ranked) {
        for (int r = 0; r < count; ++r) weight_ += weights[r];
        for (const OutlookExtraTally::First& first : firsts_) {
            seeded_[first.participant] += first.tied == 1 ? first.weight : first.weight / first.tied;
            if (first.tied == 1) outright_[first.participant] += first.count;
            else AddTies(first.participant, first.tied, first.count);
        }
        return;
    }
    // Only a participant whose highest total reaches the best lowest one can come first in a row;
    // when few can, their totals alone are compared.
    int tiedLow = 0;
    const std::int16_t bestLow = kernel.Top(low_.data(), lanes, tiedLow);
    candidates_.clear();
    for (int i = 0; i < participants_ && candidates_.size() <= kFewCandidates; ++i)
        if (high_[i] >= bestLow) candidates_.push_back(i);
    const bool few = candidates_.size() <= kFewCandidates;
    for (int r = 0; r < count; ++r) {
        const std::int16_t* row = rows + static_cast<std::ptrdiff_t>(r) * lanes;
        weight_ += weights[r];
        int tied = 0;
        std::int16_t top = 0;
        int winner = -1;
        if (few) {
            // Without branches on the totals, which follow no pattern the processor could guess.
            top = kPaddingTotal;
            for (int i : candidates_) top = std::max(top, row[i]);
            for (auto c = candidates_.rbegin(); c != candidates_.rend(); ++c) {
                tied += row[*c] == top;
                winner = row[*c] == top ? *c : winner;
            }
        } else {
            top = kernel.Top(row, lanes, tied);
            if (tied == 1) winner = kernel.Find(row, lanes, top);
        }
        if (tied == 1) {
            ++outright_[winner];
            seeded_[winner] += weights[r];
            continue;
        }
        const double share = 1.0 / tied;
        const auto tie = [&](int i) {
            if (row[i] != top) return;
            AddTies(i, tied, 1);
            seeded_[i] += share * weights[r];
        };
        if (few)
            std::for_each(candidates_.begin(), candidates_.end(), tie);
        else
            for (int i = 0; i < participants_; ++i) tie(i);
    }
}

void OutlookTally::SeeBlockPlaces(const OutlookKernel& kernel, const std::int16_t* rows, int count, int lanes) {
    if (participants_ == 0 || count == 0) return;
    low_.resize(lanes);
    high_.resize(lanes);
    kernel.Bounds(rows, count, lanes, low_.data(), high_.data());
    // A participant's place in the block is at least 1 + the others whose lowest total beats its
    // total, and at most 1 + those whose highest does. So only a row where its total reaches
    // `better` can improve its best place, and only one where it stays below `worse` its worst;
    // most blocks have neither for most participants.
    lowAbove_.Count(low_.data(), participants_);
    highAbove_.Count(high_.data(), participants_);
    // Per lane, the totals beyond which a row changes a place; padding lanes never do. Totals are
    // plain sums, well inside the 16-bit range, so the limits can be clamped to it.
    above_.assign(lanes, SHRT_MAX);
    below_.assign(lanes, SHRT_MIN);
    int wanted = 0;
    for (int i = 0; i < participants_; ++i) {
        const int better = best_[i] > 1 ? lowAbove_.LowestWithAtMost(std::min(best_[i], participants_ + 1) - 2) : 32768;
        const int worse = worst_[i] < participants_ ? highAbove_.LowestWithAtMost(worst_[i] - 1) : -32769;
        if (high_[i] < better && low_[i] >= worse) continue;
        above_[i] = static_cast<std::int16_t>(std::clamp(better - 1, SHRT_MIN, SHRT_MAX));
        below_[i] = static_cast<std::int16_t>(std::clamp(worse, SHRT_MIN, SHRT_MAX));
        ++wanted;
    }
    if (wanted == 0) return;
    // Where many places are wanted in a row, counting its totals once answers them all.
    const int base = *std::min_element(low_.begin(), low_.begin() + participants_);
    const int range = *std::max_element(high_.begin(), high_.begin() + participants_) - base + 1;
    if (wanted > participants_ / kWholeRowsShare) {
        // Most places of the block are in question (a large pool early in a tally): every place
        // of every row, without picking out first whose place might change.
        for (int r = 0; r < count; ++r) {
            const std::int16_t* row = rows + static_cast<std::ptrdiff_t>(r) * lanes;
            rowAbove_.Count(row, participants_, base, range);
            const int* above = rowAbove_.AboveFromBase();
            for (int i = 0; i < participants_; ++i) {
                const int place = 1 + above[row[i] - base];
                best_[i] = std::min(best_[i], place);
                worst_[i] = std::max(worst_[i], place);
            }
        }
        return;
    }
    hits_.resize(lanes);
    for (int r = 0; r < count; ++r) {
        const std::int16_t* row = rows + static_cast<std::ptrdiff_t>(r) * lanes;
        const int hits = kernel.Outside(row, above_.data(), below_.data(), lanes, hits_.data());
        const bool counted = static_cast<std::int64_t>(hits) * lanes / OutlookPoints::kLaneBlock > participants_ + range;
        if (counted) rowAbove_.Count(row, participants_, base, range);
        for (int h = 0; h < hits; ++h) {
            const int i = hits_[h];
            const int place = 1 + (counted ? rowAbove_.Above(row[i]) : kernel.CountAbove(row, lanes, row[i]));
            best_[i] = std::min(best_[i], place);
            worst_[i] = std::max(worst_[i], place);
        }
    }
}

void OutlookTally::CountsAbove::Count(const std::int16_t* values, int n) {
    const auto [lowest, highest] = std::minmax_element(values, values + n);
    Count(values, n, *lowest, *highest - *lowest + 1);
}

void OutlookTally::CountsAbove::Count(const std::int16_t* values, int n, int base, int range) {
    base_ = base;
    all_ = n;
    above_.assign(static_cast<std::size_t>(range), 0);
    for (int i = 0; i < n; ++i) ++above_[values[i] - base_];
    // From a count per value to the number of values above each.
    int running = 0;
    for (std::size_t k = above_.size(); k-- > 0;) {
        const int here = above_[k];
        above_[k] = running;
        running += here;
    }
}

int OutlookTally::CountsAbove::LowestWithAtMost(int most) const {
    if (most >= all_) return -32769;
    if (most < 0) return 32768;
    // above_ does not increase: the first entry at most `most`.
    const auto at = std::lower_bound(above_.begin(), above_.end(), most, std::greater<>());
    return base_ + static_cast<int>(at - above_.begin());
}

void OutlookTally::SetPlaces(int i, int best, int worst) {
    best_[i] = best;
    worst_[i] = worst;
}

void OutlookTally::MergeLanes(const OutlookTally& part, const std::vector<int>& lanes) {
    outcomes_ += part.outcomes_;
    weight_ += part.weight_;
    for (std::size_t k = 0; k < lanes.size(); ++k) {
        const int i = lanes[k];
        outright_[i] += part.outright_[k];
        for (const Ties& ties : part.ties_[k]) AddTies(i, ties.tied, ties.count);
        seeded_[i] += part.seeded_[k];
    }
    Extra.MergeLanes(part.Extra, lanes);
}

void OutlookTally::Merge(const OutlookTally& other) {
    outcomes_ += other.outcomes_;
    weight_ += other.weight_;
    for (int i = 0; i < participants_; ++i) {
        outright_[i] += other.outright_[i];
        for (const Ties& ties : other.ties_[i]) AddTies(i, ties.tied, ties.count);
        seeded_[i] += other.seeded_[i];
        best_[i] = std::min(best_[i], other.best_[i]);
        worst_[i] = std::max(worst_[i], other.worst_[i]);
    }
    Extra.Merge(other.Extra);
}

OutlookTally::Sums OutlookTally::Save() const {
    Sums sums{outcomes_, weight_, std::vector<Sums::Participant>(participants_), Extra};
    for (int i = 0; i < participants_; ++i) {
        Sums::Participant& p = sums.participants[i];
        p.outright = outright_[i];
        for (const Ties& ties : ties_[i]) p.ties.emplace_back(ties.tied, ties.count);
        p.seeded = seeded_[i];
        p.best = best_[i];
        p.worst = worst_[i];
    }
    return sums;
}

OutlookTally OutlookTally::Restore(const Sums& sums) {
    OutlookTally tally(static_cast<int>(sums.participants.size()));
    tally.outcomes_ = sums.outcomes;
    tally.weight_ = sums.weight;
    tally.Extra = sums.extra;
    for (int i = 0; i < tally.participants_; ++i) {
        const Sums::Participant& p = sums.participants[i];
        tally.outright_[i] = p.outright;
        for (const auto& [tied, count] : p.ties) tally.ties_[i].push_back({tied, count});
        tally.seeded_[i] = p.seeded;
        tally.best_[i] = p.best;
        tally.worst_[i] = p.worst;
    }
    return tally;
}

}  // namespace brackwell
