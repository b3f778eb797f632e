#pragma once
// What each participant earns at each position for each team that can hold it, laid out for
// adding a whole game's points to every participant's total at once.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookKernel.h"
#include "outlook/rules/OutlookField.h"

namespace brackwell {

class OutlookPoints {
public:
    // Totals are kept in lanes of this many participants (padding lanes hold 0).
    static constexpr int kLaneBlock = 16;

    OutlookPoints(const OutlookPool& pool, const OutlookField& field);

    // `part` becomes the same points for some participants only, lane k holding participant
    // lanes[k], with `sums` (totals of every participant) in place of Certain(). Only the gains
    // of `rows` are gathered: the others keep what they held. Plain sums only; the stride must be
    // what those lanes take.
    void Gather(OutlookPoints& part, const std::vector<int>& lanes, const std::int16_t* sums,
                const std::vector<int>& rows) const;
    // Points of no participant, laid out `stride` lanes wide, to gather into.
    static OutlookPoints Empty(const OutlookPool& pool, int stride);
    // Every participant's points less those of one participant, so that a total says how far
    // ahead of it the participant is. Plain sums only, which keeps every difference in range.
    OutlookPoints Differences(int participant) const;

    int Participants() const { return participants_; }
    const OutlookPool& Pool() const { return pool_; }
    int Stride() const { return stride_; }
    // True when no total, nor the difference of two, can leave the 16-bit range part way through
    // the positions; a total is then the plain sum of its points, in any order. Otherwise only
    // FinalTotals() gives it exactly.
    bool PlainSums() const { return plainSums_; }
    // The points of the positions whose winner is certain, per participant (plain sums only),
    // padding lanes at kPaddingTotal.
    const std::int16_t* Certain() const { return certain_.data(); }
    // The points of an open game won by the team, per participant.
    const std::int16_t* Gain(int position, int team) const {
        return gains_.data() + static_cast<std::size_t>(Row(position, team)) * stride_;
    }
    // Each (open game, contender) has a row, from 1 on; 0 is no open game.
    int Row(int position, int team) const { return (*rows_)[position][team]; }
    int Rows() const { return static_cast<int>(gains_.size() / stride_); }
    // out = totals + the points of the open game won by the team.
    void AddGain(const OutlookKernel& kernel, std::int16_t* out, const std::int16_t* totals, int position, int team) const {
        kernel.Add(out, totals, Gain(position, team), stride_);
    }
    // Every participant's final total with these teams at the positions: `sums` (Certain() plus
    // the gains of the open games) when they are plain sums, else added up position by position
    // as scoring adds them. Returns the totals, `sums` or `scratch`.
    const std::int16_t* FinalTotals(const std::int16_t* sums, const PositionTeams& teams,
                                    std::vector<std::int16_t>& scratch) const;

private:
    OutlookPoints(const OutlookPool& pool, int stride)
        : stride_(stride), certain_(stride, kPaddingTotal), gains_(stride, 0), pool_(pool) {}

    int participants_ = 0;
    int stride_ = 0;
    bool plainSums_ = true;
    std::vector<std::int16_t> certain_;
    std::vector<std::int16_t> gains_;
    // Row of gains_ per (position, team), shared with the tables gathered from this one; row 0
    // is a row of zeros.
    using RowIndex = std::array<std::array<std::uint16_t, kPositionCount + 1>, kPositionCount + 1>;
    std::shared_ptr<const RowIndex> rows_;
    const OutlookPool& pool_;
};

}  // namespace brackwell
