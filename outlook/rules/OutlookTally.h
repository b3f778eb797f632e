#pragma once
// The counts of a set of outcomes: who finished first in how many, the chance-weighted share,
// and the best and worst place seen.

#include <cstdint>
#include <utility>
#include <vector>

#include "outlook/rules/OutlookExtraTally.h"
#include "outlook/rules/OutlookKernel.h"

namespace brackwell {

class OutlookTally {
public:
    explicit OutlookTally(int participants = 0);
    // Empty again, for this many participants; what it holds keeps its room.
    void Reset(int participants);

    // One outcome with these final totals (a row `lanes` wide), weighted `weight` for the seeded
    // chance. Also its paid places, when Extra wants them.
    void Add(const std::int16_t* totals, int lanes, double weight);
    // `count` outcomes at once, their totals in consecutive rows of `lanes` (padding lanes at
    // kPaddingTotal). First places, and the paid places when Extra wants them (their ranking then
    // gives the first places too).
    void AddBlock(const OutlookKernel& kernel, const std::int16_t* rows, const double* weights, int count, int lanes);
    // Whether AddBlock counts first places; when not, it only finds the block's bounds (for a
    // count of the places below first among participants the leaders were taken from).
    void CountFirsts(bool counted) { countFirsts_ = counted; }
    bool CountsFirsts() const { return countFirsts_; }
    // The places of such a block. Places are looked at only for participants whose best or worst
    // place the block can still change, judged by the lowest and highest total each reaches in it.
    void SeeBlockPlaces(const OutlookKernel& kernel, const std::int16_t* rows, int count, int lanes);
    // The participant whose lowest total beats every other's highest, or -1.
    int ClearLeader(const OutlookKernel& kernel, const std::int16_t* low, const std::int16_t* high, int lanes) const;
    // `count` outcomes won by the participant alone, weighing `weight` in all.
    void AddWon(int leader, std::uint64_t count, double weight);
    // Places found elsewhere.
    void SetPlaces(int i, int best, int worst);
    // The outcomes of another tally (merging in a fixed order gives the same sums every run).
    void Merge(const OutlookTally& other);
    // The first places of a tally of some participants only, its participant k being lanes[k].
    void MergeLanes(const OutlookTally& part, const std::vector<int>& lanes);

    std::uint64_t Outcomes() const { return outcomes_; }
    double Weight() const { return weight_; }
    std::uint64_t FirstOutright(int i) const { return outright_[i]; }
    // The outcomes won alone plus, for each tie for first among k, 1/k: counted in integers per
    // k and divided once here, so that millions of thirds add up to the last printed decimal.
    double FirstShared(int i) const;
    double SeededShared(int i) const { return seeded_[i]; }
    int BestPlace(int i) const { return best_[i]; }
    int WorstPlace(int i) const { return worst_[i]; }
    // The lowest and highest total of each lane over the last block added or looked at.
    const std::int16_t* BlockLow() const { return low_.data(); }
    const std::int16_t* BlockHigh() const { return high_.data(); }

    // Prizes and the rooting guide, when wanted: merged, saved and restored with the rest.
    OutlookExtraTally Extra;

    // Everything a tally has added up, to be written out and read back exactly: a part of a
    // count run elsewhere is merged as if it had been counted here.
    struct Sums {
        struct Participant {
            std::uint64_t outright = 0;
            std::vector<std::pair<int, std::uint64_t>> ties;  // (tied, count), in the order met
            double seeded = 0;
            int best = 0;
            int worst = 0;
        };
        std::uint64_t outcomes = 0;
        double weight = 0;
        std::vector<Participant> participants;
        OutlookExtraTally extra;
    };
    Sums Save() const;
    static OutlookTally Restore(const Sums& sums);

private:
    void PlaceAt(int i, std::int16_t total);
    // `count` more ties for first among `tied` (2 or more) that include participant i.
    void AddTies(int i, int tied, std::uint64_t count);

    int participants_;
    bool countFirsts_ = true;
    std::uint64_t outcomes_ = 0;
    double weight_ = 0;
    std::vector<std::uint64_t> outright_;
    // Per participant: how many ties for first among k it shared, for the k that occurred.
    struct Ties {
        int tied;
        std::uint64_t count;
    };
    std::vector<std::vector<Ties>> ties_;
    std::vector<double> seeded_;
    std::vector<int> best_;
    std::vector<int> worst_;
    std::vector<std::int16_t> sorted_;
    static constexpr std::size_t kFewCandidates = 6;
    // A block whose places are wanted for more than this share of the participants has every
    // place of every row taken.
    static constexpr int kWholeRowsShare = 8;
    std::vector<int> candidates_;  // of a block, who can come first in some row
    std::vector<OutlookExtraTally::First> firsts_;  // of a block whose paid places are ranked
    std::vector<std::int16_t> low_;
    std::vector<std::int16_t> high_;
    // How many of a set of totals lie above any value.
    class CountsAbove {
    public:
        void Count(const std::int16_t* values, int n);
        // The same of values known to lie in [base, base + range).
        void Count(const std::int16_t* values, int n, int base, int range);
        int Above(std::int16_t value) const { return above_[value - base_]; }
        // Above(base + k) at [k].
        const int* AboveFromBase() const { return above_.data(); }
        // The lowest value that at most `most` of the totals lie above (beyond the 16-bit
        // range when every value or none qualifies).
        int LowestWithAtMost(int most) const;

    private:
        int base_ = 0;
        int all_ = 0;
        std::vector<int> above_;  // [k]: the values above base_ + k
    };
    CountsAbove lowAbove_;
    CountsAbove highAbove_;
    // Of a block's places, per lane: a total above `above_` or below `below_` changes one.
    std::vector<std::int16_t> above_;
    std::vector<std::int16_t> below_;
    std::vector<int> hits_;  // of a row, the participants whose place is wanted
    CountsAbove rowAbove_;  // of a row whose places are wanted
};

}  // namespace brackwell
