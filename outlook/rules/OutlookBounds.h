#pragma once
// The lowest and highest total each participant can still reach, kept up to date as the open
// games are decided from the top down. Each open game counts the least and the most any of its
// contenders would earn; deciding a game (one not forced by the game above) replaces that by what
// its winner earns there and on its way there, which the games below then no longer change.
//
// A participant's bounds are exact when its picks form a bracket; what they never are is joint:
// one participant's highest and another's lowest may need different outcomes.

#include <cstdint>
#include <utility>
#include <vector>

#include "outlook/rules/OutlookField.h"
#include "outlook/rules/OutlookKernel.h"
#include "outlook/rules/OutlookPoints.h"

namespace brackwell {

class OutlookBounds {
public:
    // Plain sums only (see OutlookPoints::PlainSums).
    OutlookBounds(const OutlookField& field, const OutlookPoints& points);
    // Bounds of no participant yet, for points gathered into `part`.
    explicit OutlookBounds(const OutlookPoints& part)
        : points_(part), stride_(part.Stride()), start_(static_cast<std::size_t>(2) * stride_, kPaddingTotal) {}
    // These become the bounds of some participants only, those of the points gathered into
    // `part`, starting from `low` and `high` (bounds of every participant) in place of Low()
    // and High(). Only the changes of the points' `rows` are gathered.
    void Gather(const OutlookBounds& whole, const std::vector<int>& lanes, const std::int16_t* low,
                const std::int16_t* high, const std::vector<int>& rows);

    int Stride() const { return stride_; }
    // With no open game decided, padding lanes at kPaddingTotal.
    const std::int16_t* Low() const { return start_.data(); }
    const std::int16_t* High() const { return start_.data() + stride_; }
    // What sending the team through the open game changes in Low() and in High().
    const std::int16_t* LowChange(int position, int team) const { return Row(position, team); }
    const std::int16_t* HighChange(int position, int team) const { return Row(position, team) + stride_; }
    // The open games that decision settles: the game and those on the team's way there.
    int Settles(int position, int team) const { return settles_[points_.Row(position, team)]; }

private:
    const std::int16_t* Row(int position, int team) const {
        return changes_.data() + static_cast<std::size_t>(points_.Row(position, team)) * 2 * stride_;
    }

    const OutlookPoints& points_;
    int stride_;
    std::vector<std::int16_t> start_;    // Low() then High()
    std::vector<std::int16_t> changes_;  // per row of the points: the low change, then the high change
    std::vector<int> settles_;           // per row of the points
};

// The bounds at each level of a walk down the plan of the open games.
class LevelBounds {
public:
    LevelBounds(const OutlookBounds& bounds, int levels);

    // The walk starts at the level with these bounds and open games still to settle.
    void Start(int level, const std::int16_t* low, const std::int16_t* high, int open);
    // The next level's bounds once the team is sent through the game of this one; a team forced
    // there by the game above was counted when that game was decided.
    void Narrow(const OutlookKernel& kernel, int level, int game, int team, bool forced);
    // Narrow() for a team not forced there, one side at a time: the next level's Low() (or its
    // High()), and how many of its lanes lie above the value. A search that leaves the subtree
    // out on what one side shows has no need of the other.
    int NarrowLowCounting(const OutlookKernel& kernel, int level, int game, int team, std::int16_t value);
    int NarrowHighCounting(const OutlookKernel& kernel, int level, int game, int team, std::int16_t value);

    const std::int16_t* Low(int level) const { return low_.data() + static_cast<std::size_t>(kept_[level]) * stride_; }
    const std::int16_t* High(int level) const { return high_.data() + static_cast<std::size_t>(kept_[level]) * stride_; }
    int Open(int level) const { return open_[level]; }

private:
    std::int16_t* Row(std::vector<std::int16_t>& rows, int level);
    // The next level's own row and open games once the team is sent through the game.
    void Decided(int level, int game, int team);

    const OutlookBounds& bounds_;
    int stride_;
    std::vector<std::int16_t> low_;   // a row per level
    std::vector<std::int16_t> high_;
    // Per level, the row holding its bounds: a forced team keeps those of the level above
    // rather than a copy. A level only writes its own row, so no kept row is overwritten.
    std::vector<int> kept_;
    std::vector<int> open_;
};

}  // namespace brackwell
