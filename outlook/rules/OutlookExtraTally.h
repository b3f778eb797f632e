#pragma once
// What prizes and the rooting guide add to a tally of outcomes.
//
// - Places: for each participant in the paid places, how many outcomes (and what seeded weight)
//   left it with how many participants above it and how many tied with it (itself included);
//   kept only while fewer are above it than places are paid, since places past those pay 0.
// - Splits: for the rooted participant, its first places split by the result of each open game
//   (keyed by OutlookPoints::Row of the game and its winner); for an estimate also how many
//   tournaments, and what weight, had each result.
// Rows are handed over the way the count meets them: a block of totals, with the results common
// to the block and those of each row.

#include <cstdint>
#include <vector>

#include "outlook/rules/OutlookKernel.h"

namespace brackwell {

class OutlookExtraTally {
public:
    struct Wanted {
        int paid = 0;               // places looked at (those up to the last one paying)
        int rooted = -1;            // participant, in this tally's numbering
        int keys = 0;               // results to split by, when rooting
        bool countResults = false;  // also the outcomes of each result
        int offset = 0;             // participants above all of these (the leaders taken out)
        bool Any() const { return paid > 0 || rooted >= 0; }
    };
    struct Place {
        int above = 0;
        int tied = 0;
        std::uint64_t count = 0;
        double seeded = 0;
    };
    struct Split {
        std::uint64_t outright = 0;
        std::vector<std::pair<int, std::uint64_t>> ties;  // (tied, count)
        double seeded = 0;
        std::uint64_t outcomes = 0;  // counted only when countResults
        double weight = 0;
        // Ties counted in integers per size, divided once: as exact as the table's FirstShared.
        double Shared() const;
    };

    void Reset(int participants, const Wanted& wanted);
    // The kernel rows are ranked with; the fastest unless told.
    void UseKernel(const OutlookKernel& kernel) { kernel_ = &kernel; }
    const Wanted& Wants() const { return wanted_; }
    bool Any() const { return wanted_.Any(); }

    // A first place of a block's rows: `count` rows, weighing `weight`, in which the participant
    // was first with `tied` - 1 others.
    struct First {
        int participant;
        int tied;
        std::uint32_t count;
        double weight;
    };
    // The paid places of `count` rows of totals `lanes` wide, with the lowest and highest total
    // of each lane over them. The first places among them go to `firsts` too, when given.
    void SeePlaces(const std::int16_t* rows, const double* weights, int count, int lanes, const std::int16_t* low,
                   const std::int16_t* high, std::vector<First>* firsts = nullptr);
    // The rooted participant's first places in such rows: every row has the results `common`,
    // row r also rowKeys[r * perRow ..].
    void SeeRooted(const std::int16_t* rows, const double* weights, int count, int lanes, const std::int16_t* low,
                   const std::int16_t* high, const std::uint16_t* common, int commons, const std::uint16_t* rowKeys,
                   int perRow);
    // The least total a participant needs in a subtree with these lowest totals (`lanes` wide)
    // to be paid, or to come first when no more is paid: the lowest of the paid places' lowest
    // totals. Leaders SettleLeaders took hold the highest lowest totals: the rest need as much.
    std::int16_t PaidFloor(const std::int16_t* low, int lanes) const;
    // In a subtree whose lowest totals put one participant ahead of every other's highest:
    // the paid places from first on that one participant holds alone throughout, each by its
    // lowest total beating the highest of all below, are added for `count` outcomes weighing
    // `weight`; how many (all that are wanted when the leader alone is paid or none is).
    int SettleLeaders(const std::int16_t* low, const std::int16_t* high, std::uint64_t count, double weight);
    // Whether the participant holds one of those places (or one Hold kept).
    bool Leads(int i) const { return taken_[i] != 0; }
    // The leaders the last SettleLeaders took keep their places while a subtree is counted for
    // the rest: places are then wanted below theirs, of the other participants, until Release.
    void Hold();
    void Release();
    // The participants whose places are still counted.
    int Unheld() const { return participants_ - static_cast<int>(heldOut_.size()); }

    void Merge(const OutlookExtraTally& other);
    // A tally of some participants only, its participant k being lanes[k].
    void MergeLanes(const OutlookExtraTally& part, const std::vector<int>& lanes);

    const std::vector<Place>& Places(int i) const { return places_[i]; }
    // A place read back from a saved tally, after those already read.
    void RestorePlace(int i, const Place& place);
    const std::vector<Split>& Splits() const { return splits_; }
    std::vector<Split>& Splits() { return splits_; }
    int Participants() const { return participants_; }

private:
    // Most places are met again and again: found through their slot, the rarest by a search.
    void AddPlace(int i, int above, int tied, std::uint64_t count, double seeded) {
        int* slot = Slot(i, above, tied);
        if (slot == nullptr || *slot < 0) return AddNewPlace(i, above, tied, count, seeded, slot);
        Place& place = places_[i][*slot];
        place.count += count;
        place.seeded += seeded;
    }
    // A place not in a slot: searched for, or added (and given its slot).
    void AddNewPlace(int i, int above, int tied, std::uint64_t count, double seeded, int* slot);
    // Where places_[i] holds the place, or -1; none for places tied among kSlotTies or more.
    // Laid out by the places wanted at Reset, which a Hold narrows.
    int* Slot(int i, int above, int tied) {
        const int below = above - slotOffset_;
        if (below < 0 || below >= slotPaid_ || tied >= kSlotTies) return nullptr;
        return &slots_[(static_cast<std::size_t>(i) * slotPaid_ + below) * kSlotTies + tied];
    }
    static void AddTies(Split& split, int tied, std::uint64_t count);
    void MergeSplits(const std::vector<Split>& others);

    int participants_ = 0;
    Wanted wanted_;
    std::vector<std::vector<Place>> places_;
    std::vector<Split> splits_;
    static constexpr int kSlotTies = 8;
    std::vector<int> slots_;  // per participant, place above the offset and tie size: see Slot
    int slotOffset_ = 0;
    int slotPaid_ = 0;
    std::vector<int> candidates_;
    const OutlookKernel* kernel_ = &FastestKernel();
    // Of SeePlaces: rows are ranked kChunk at a time, the candidates' totals as columns.
    static constexpr int kChunk = 16;
    std::vector<std::int16_t> columns_;
    std::vector<std::int16_t> ranksAbove_;
    std::vector<std::int16_t> ranksTied_;
    std::vector<std::uint16_t> among_;
    // Of a block: per candidate, place above the offset and tie size, the rows and their weight.
    std::vector<std::uint32_t> cellCounts_;
    std::vector<double> cellWeights_;
    std::vector<int> touched_;  // the cells a block has filled
    std::vector<char> taken_;        // of SettleLeaders, who holds a place
    int held_ = 0;                   // of SettleLeaders, how many
    std::vector<char> kept_;         // of Hold, who holds a place throughout
    std::vector<int> heldOut_;       // those, in the order held
    std::vector<int> holds_;         // how many each Hold added
};

}  // namespace brackwell
