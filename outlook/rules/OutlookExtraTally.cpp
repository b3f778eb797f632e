#include "outlook/rules/OutlookExtraTally.h"

#include <algorithm>
#include <climits>

namespace brackwell {

double OutlookExtraTally::Split::Shared() const {
    std::uint64_t whole = outright;
    long double fraction = 0;
    for (const auto& [tied, count] : ties) {
        const auto k = static_cast<std::uint64_t>(tied);
        whole += count / k;
        fraction += static_cast<long double>(count % k) / static_cast<long double>(k);
    }
    return static_cast<double>(static_cast<long double>(whole) + fraction);
}

void OutlookExtraTally::Reset(int participants, const Wanted& wanted) {
    participants_ = participants;
    wanted_ = wanted;
    places_.resize(wanted.paid > 0 ? participants : 0);
    for (auto& places : places_) places.clear();
    slots_.assign(places_.size() * static_cast<std::size_t>(wanted.paid) * kSlotTies, -1);
    slotOffset_ = wanted.offset;
    slotPaid_ = wanted.paid;
    kept_.clear();
    heldOut_.clear();
    holds_.clear();
    splits_.assign(wanted.rooted >= 0 ? wanted.keys : 0, Split{});
}

void OutlookExtraTally::RestorePlace(int i, const Place& place) {
    int* slot = Slot(i, place.above, place.tied);
    if (slot != nullptr && *slot < 0) *slot = static_cast<int>(places_[i].size());
    places_[i].push_back(place);
}

void OutlookExtraTally::AddNewPlace(int i, int above, int tied, std::uint64_t count, double seeded, int* slot) {
    if (slot == nullptr)
        for (Place& place : places_[i])
            if (place.above == above && place.tied == tied) {
                place.count += count;
                place.seeded += seeded;
                return;
            }
    if (slot != nullptr) *slot = static_cast<int>(places_[i].size());
    places_[i].push_back({above, tied, count, seeded});
}

void OutlookExtraTally::AddTies(Split& split, int tied, std::uint64_t count) {
    for (auto& [k, n] : split.ties)
        if (k == tied) {
            n += count;
            return;
        }
    split.ties.emplace_back(tied, count);
}

std::int16_t OutlookExtraTally::PaidFloor(const std::int16_t* low, int lanes) const {
    // Leaders kept by Hold have the highest lowest totals: the places below theirs start below
    // them.
    const int places = wanted_.paid + static_cast<int>(heldOut_.size());
    int tied = 0;
    std::int16_t floor = kernel_->Top(low, lanes, tied);
    if (places <= 1) return floor;
    if (participants_ <= places) return SHRT_MIN + 1;
    for (int seen = tied; seen < places; seen += tied) floor = kernel_->TopBelow(low, lanes, floor, tied);
    return floor;
}

int OutlookExtraTally::SettleLeaders(const std::int16_t* low, const std::int16_t* high, std::uint64_t count,
                                     double weight) {
    held_ = 0;
    if (wanted_.paid <= 0) return 0;
    if (heldOut_.empty()) taken_.assign(participants_, 0);
    else taken_ = kept_;
    // Each paid place in turn: the next highest lowest total must beat every highest left.
    const int places = std::min(wanted_.paid, Unheld());
    for (; held_ < places; ++held_) {
        int next = -1;
        for (int i = 0; i < participants_; ++i)
            if (!taken_[i] && (next < 0 || low[i] > low[next])) next = i;
        for (int i = 0; i < participants_; ++i)
            if (!taken_[i] && i != next && high[i] >= low[next]) return held_;
        taken_[next] = 1;
        AddPlace(next, wanted_.offset + held_, 1, count, weight);
    }
    return held_;
}

void OutlookExtraTally::Hold() {
    kept_.resize(participants_, 0);
    for (int i = 0; i < participants_; ++i)
        if (taken_[i] && !kept_[i]) {
            kept_[i] = 1;
            heldOut_.push_back(i);
        }
    holds_.push_back(held_);
    wanted_.offset += held_;
    wanted_.paid -= held_;
}

void OutlookExtraTally::Release() {
    const int held = holds_.back();
    holds_.pop_back();
    for (int k = 0; k < held; ++k) {
        kept_[heldOut_.back()] = 0;
        heldOut_.pop_back();
    }
    wanted_.offset -= held;
    wanted_.paid += held;
}

void OutlookExtraTally::SeePlaces(const std::int16_t* rows, const double* weights, int count, int lanes,
                                  const std::int16_t* low, const std::int16_t* high, std::vector<First>* firsts) {
    const int paid = wanted_.paid;
    if (participants_ == 0 || count == 0 || paid <= 0) return;
    // Only a participant reaching the lowest total of the paid places can be paid in a row, and
    // those below it are below every paid participant: the others alone decide the places.
    const std::int16_t floor = PaidFloor(low, lanes);
    candidates_.clear();
    for (int i = 0; i < participants_; ++i)
        if (high[i] >= floor && (heldOut_.empty() || !kept_[i])) candidates_.push_back(i);
    const int n = static_cast<int>(candidates_.size());
    // The candidates' totals are ranked 16 rows at a time, as columns; a row's places go to a
    // cell per candidate, place and tie, added up over the block and then to the places.
    columns_.resize(static_cast<std::size_t>(n) * kChunk);
    ranksAbove_.resize(columns_.size());
    ranksTied_.resize(columns_.size());
    among_.resize(n);
    const int cellsEach = paid * kSlotTies;
    if (cellCounts_.size() < static_cast<std::size_t>(n) * cellsEach) {
        cellCounts_.resize(static_cast<std::size_t>(n) * cellsEach, 0);
        cellWeights_.resize(cellCounts_.size(), 0);
    }
    const int levels = std::min(paid, n);
    for (int start = 0; start < count; start += kChunk) {
        const int chunk = std::min(kChunk, count - start);
        kernel_->Columns(rows + static_cast<std::ptrdiff_t>(start) * lanes, chunk, lanes, candidates_.data(), n,
                         columns_.data());
        kernel_->TopRanks(columns_.data(), n, levels, ranksAbove_.data(), ranksTied_.data(), among_.data());
        const std::uint32_t rowsHere = (std::uint32_t{1} << chunk) - 1;
        for (int k = 0; k < n; ++k)
            for (std::uint32_t bits = among_[k] & rowsHere; bits != 0; bits &= bits - 1) {
                const int r = __builtin_ctz(bits);
                const int above = ranksAbove_[k * kChunk + r];
                const int tied = ranksTied_[k * kChunk + r];
                const double weight = weights[start + r];
                if (tied >= kSlotTies) {
                    AddPlace(candidates_[k], wanted_.offset + above, tied, 1, weight);
                    if (firsts != nullptr && above == 0) firsts->push_back({candidates_[k], tied, 1, weight});
                    continue;
                }
                const int cell = k * cellsEach + above * kSlotTies + tied;
                if (cellCounts_[cell]++ == 0) touched_.push_back(cell);
                cellWeights_[cell] += weight;
            }
    }
    for (const int cell : touched_) {
        const int k = cell / cellsEach;
        const int place = cell % cellsEach;
        AddPlace(candidates_[k], wanted_.offset + place / kSlotTies, place % kSlotTies, cellCounts_[cell],
                 cellWeights_[cell]);
        if (firsts != nullptr && place < kSlotTies)
            firsts->push_back({candidates_[k], place, cellCounts_[cell], cellWeights_[cell]});
        cellCounts_[cell] = 0;
        cellWeights_[cell] = 0;
    }
    touched_.clear();
}

void OutlookExtraTally::SeeRooted(const std::int16_t* rows, const double* weights, int count, int lanes,
                                  const std::int16_t* low, const std::int16_t* high, const std::uint16_t* common,
                                  int commons, const std::uint16_t* rowKeys, int perRow) {
    const int f = wanted_.rooted;
    if (participants_ == 0 || count == 0 || f < 0) return;
    if (wanted_.countResults) {
        double weight = 0;
        for (int r = 0; r < count; ++r) weight += weights[r];
        for (int k = 0; k < commons; ++k) {
            splits_[common[k]].outcomes += static_cast<std::uint64_t>(count);
            splits_[common[k]].weight += weight;
        }
        for (int r = 0; r < count; ++r)
            for (int k = 0; k < perRow; ++k) {
                Split& split = splits_[rowKeys[static_cast<std::ptrdiff_t>(r) * perRow + k]];
                ++split.outcomes;
                split.weight += weights[r];
            }
    }
    // Only those whose highest total reaches the participant's lowest can beat or tie it.
    candidates_.clear();
    for (int i = 0; i < participants_; ++i) {
        if (i == f) continue;
        if (low[i] > high[f]) return;
        if (high[i] >= low[f]) candidates_.push_back(i);
    }
    Split block;
    for (int r = 0; r < count; ++r) {
        const std::int16_t* row = rows + static_cast<std::ptrdiff_t>(r) * lanes;
        const std::int16_t x = row[f];
        int tied = 1;
        bool beaten = false;
        for (int c : candidates_) {
            beaten |= row[c] > x;
            tied += row[c] == x;
        }
        if (beaten) continue;
        const double share = weights[r] / tied;
        const auto add = [&](Split& split) {
            if (tied == 1) ++split.outright;
            else AddTies(split, tied, 1);
            split.seeded += share;
        };
        add(block);
        for (int k = 0; k < perRow; ++k) add(splits_[rowKeys[static_cast<std::ptrdiff_t>(r) * perRow + k]]);
    }
    for (int k = 0; k < commons; ++k) {
        Split& split = splits_[common[k]];
        split.outright += block.outright;
        for (const auto& [tied, n] : block.ties) AddTies(split, tied, n);
        split.seeded += block.seeded;
    }
}

void OutlookExtraTally::Merge(const OutlookExtraTally& other) {
    if (!Any() && other.Any()) Reset(other.participants_, other.wanted_);
    for (int i = 0; i < static_cast<int>(other.places_.size()) && i < static_cast<int>(places_.size()); ++i)
        for (const Place& place : other.places_[i]) AddPlace(i, place.above, place.tied, place.count, place.seeded);
    MergeSplits(other.splits_);
}

void OutlookExtraTally::MergeSplits(const std::vector<Split>& others) {
    for (std::size_t k = 0; k < others.size() && k < splits_.size(); ++k) {
        Split& split = splits_[k];
        const Split& more = others[k];
        split.outright += more.outright;
        for (const auto& [tied, n] : more.ties) AddTies(split, tied, n);
        split.seeded += more.seeded;
        split.outcomes += more.outcomes;
        split.weight += more.weight;
    }
}

void OutlookExtraTally::MergeLanes(const OutlookExtraTally& part, const std::vector<int>& lanes) {
    for (std::size_t k = 0; k < part.places_.size() && k < lanes.size(); ++k)
        for (const Place& place : part.places_[k])
            AddPlace(lanes[k], place.above, place.tied, place.count, place.seeded);
    MergeSplits(part.splits_);
}

}  // namespace brackwell
