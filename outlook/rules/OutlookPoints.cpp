#include "outlook/rules/OutlookPoints.h"

#include <algorithm>
#include <cstdlib>

#include "core/Numeric.h"

namespace brackwell {

namespace {

// A pick earns its points when it names the team that holds the position, as scoring has it:
// the same bytes, and a position with an empty line is not won by anyone.
std::int16_t Earned(const OutlookPool& pool, int participant, int position, int team) {
    const std::string& holder = pool.Results[team];
    if (holder.empty() || pool.Entrants[participant].Picks[position] != holder) return 0;
    return pool.Points[position];
}

}  // namespace

OutlookPoints::OutlookPoints(const OutlookPool& pool, const OutlookField& field) : pool_(pool) {
    participants_ = static_cast<int>(pool.Entrants.size());
    stride_ = (participants_ + kLaneBlock - 1) / kLaneBlock * kLaneBlock;
    int magnitude = 0;
    for (int p = 1; p <= kPositionCount; ++p) magnitude += std::abs(pool.Points[p]);
    plainSums_ = magnitude <= 16383;

    certain_.assign(stride_, kPaddingTotal);
    for (int i = 0; i < participants_; ++i) {
        int sum = 0;
        for (int p = 1; p <= kPositionCount; ++p)
            if (field.Team[p] != 0) sum += Earned(pool, i, p, field.Team[p]);
        certain_[i] = static_cast<std::int16_t>(plainSums_ ? sum : 0);
    }

    gains_.assign(stride_, 0);  // row 0: nothing earned
    auto index = std::make_shared<RowIndex>();
    std::uint16_t rows = 1;
    for (int p : field.OpenGames) {
        for (int team : field.Contenders[p]) {
            (*index)[p][team] = rows++;
            gains_.resize(static_cast<std::size_t>(rows) * stride_, 0);
            std::int16_t* row = gains_.data() + static_cast<std::size_t>(rows - 1) * stride_;
            for (int i = 0; i < participants_; ++i) row[i] = Earned(pool, i, p, team);
        }
    }
    rows_ = std::move(index);
}

OutlookPoints OutlookPoints::Empty(const OutlookPool& pool, int stride) { return OutlookPoints(pool, stride); }

void OutlookPoints::Gather(OutlookPoints& part, const std::vector<int>& lanes, const std::int16_t* sums,
                           const std::vector<int>& rows) const {
    part.participants_ = static_cast<int>(lanes.size());
    if (part.rows_ != rows_) part.rows_ = rows_;
    part.certain_.assign(part.stride_, kPaddingTotal);
    const std::size_t size = gains_.size() / stride_ * part.stride_;
    if (part.gains_.size() != size) part.gains_.assign(size, 0);
    for (std::size_t k = 0; k < lanes.size(); ++k) part.certain_[k] = sums[lanes[k]];
    for (const int r : rows) {
        std::int16_t* to = part.gains_.data() + static_cast<std::size_t>(r) * part.stride_;
        const std::int16_t* from = gains_.data() + static_cast<std::size_t>(r) * stride_;
        std::fill(to + lanes.size(), to + part.stride_, 0);
        for (std::size_t k = 0; k < lanes.size(); ++k) to[k] = from[lanes[k]];
    }
}

OutlookPoints OutlookPoints::Differences(int participant) const {
    OutlookPoints ahead(*this);
    for (int i = 0; i < participants_; ++i) ahead.certain_[i] = static_cast<std::int16_t>(certain_[i] - certain_[participant]);
    for (std::size_t r = 0; r < gains_.size(); r += stride_)
        for (int i = 0; i < participants_; ++i)
            ahead.gains_[r + i] = static_cast<std::int16_t>(gains_[r + i] - gains_[r + participant]);
    return ahead;
}

const std::int16_t* OutlookPoints::FinalTotals(const std::int16_t* sums, const PositionTeams& teams,
                                               std::vector<std::int16_t>& scratch) const {
    if (plainSums_) return sums;
    scratch.assign(stride_, kPaddingTotal);
    for (int i = 0; i < participants_; ++i) {
        std::int16_t total = 0;
        for (int p = 1; p <= kPositionCount; ++p) total = AddInt16(total, Earned(pool_, i, p, teams[p]));
        scratch[i] = total;
    }
    return scratch.data();
}

}  // namespace brackwell
