#include "outlook/rules/OutlookBounds.h"

#include <algorithm>

namespace brackwell {

namespace {

bool Contends(const OutlookField& field, int position, int team) {
    const std::vector<int>& contenders = field.Contenders[position];
    return std::find(contenders.begin(), contenders.end(), team) != contenders.end();
}

}  // namespace

OutlookBounds::OutlookBounds(const OutlookField& field, const OutlookPoints& points)
    : points_(points), stride_(points.Stride()) {
    const int participants = points.Participants();
    // Per open game, the least and the most of each participant over its contenders.
    std::array<std::vector<std::int16_t>, kPositionCount + 1> least, most;
    start_.assign(static_cast<std::size_t>(2) * stride_, kPaddingTotal);
    std::copy(points.Certain(), points.Certain() + participants, start_.begin());
    std::copy(points.Certain(), points.Certain() + participants, start_.begin() + stride_);
    for (int game : field.OpenGames) {
        least[game].assign(participants, 0);
        most[game].assign(participants, 0);
        for (int i = 0; i < participants; ++i) {
            bool first = true;
            for (int team : field.Contenders[game]) {
                const std::int16_t gain = points.Gain(game, team)[i];
                least[game][i] = first ? gain : std::min(least[game][i], gain);
                most[game][i] = first ? gain : std::max(most[game][i], gain);
                first = false;
            }
            start_[i] = static_cast<std::int16_t>(start_[i] + least[game][i]);
            start_[stride_ + i] = static_cast<std::int16_t>(start_[stride_ + i] + most[game][i]);
        }
    }

    settles_.assign(points.Rows(), 0);
    changes_.assign(static_cast<std::size_t>(2) * stride_ * points.Rows(), 0);
    for (int game : field.OpenGames)
        for (int team : field.Contenders[game]) {
            std::int16_t* low = changes_.data() + static_cast<std::size_t>(points.Row(game, team)) * 2 * stride_;
            std::int16_t* high = low + stride_;
            int settled = 0;
            for (int p = game; p != 0 && field.Team[p] == 0 && Contends(field, p, team);) {
                ++settled;
                for (int i = 0; i < participants; ++i) {
                    const std::int16_t gain = points.Gain(p, team)[i];
                    low[i] = static_cast<std::int16_t>(low[i] + gain - least[p][i]);
                    high[i] = static_cast<std::int16_t>(high[i] + gain - most[p][i]);
                }
                const auto [upper, lower] = FeedingPositions(p);
                p = Contends(field, upper, team) ? upper : lower;
            }
            settles_[points.Row(game, team)] = settled;
        }
}

void OutlookBounds::Gather(const OutlookBounds& whole, const std::vector<int>& lanes, const std::int16_t* low,
                           const std::int16_t* high) {
    settles_ = whole.settles_;
    start_.assign(static_cast<std::size_t>(2) * stride_, kPaddingTotal);
    const std::size_t rows = whole.changes_.size() / whole.stride_;
    changes_.assign(rows * stride_, 0);
    for (std::size_t k = 0; k < lanes.size(); ++k) {
        start_[k] = low[lanes[k]];
        start_[stride_ + k] = high[lanes[k]];
    }
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t k = 0; k < lanes.size(); ++k) changes_[r * stride_ + k] = whole.changes_[r * whole.stride_ + lanes[k]];
}

LevelBounds::LevelBounds(const OutlookBounds& bounds, int levels)
    : bounds_(bounds),
      stride_(bounds.Stride()),
      low_(static_cast<std::size_t>(levels + 1) * stride_),
      high_(low_.size()),
      open_(levels + 1) {}

void LevelBounds::Start(int level, const std::int16_t* low, const std::int16_t* high, int open) {
    std::copy_n(low, stride_, low_.begin() + static_cast<std::ptrdiff_t>(level) * stride_);
    std::copy_n(high, stride_, high_.begin() + static_cast<std::ptrdiff_t>(level) * stride_);
    open_[level] = open;
}

void LevelBounds::Narrow(const OutlookKernel& kernel, int level, int game, int team, bool forced) {
    std::int16_t* low = low_.data() + static_cast<std::size_t>(level) * stride_;
    std::int16_t* high = high_.data() + static_cast<std::size_t>(level) * stride_;
    if (forced) {
        std::copy_n(low, stride_, low + stride_);
        std::copy_n(high, stride_, high + stride_);
        open_[level + 1] = open_[level];
        return;
    }
    kernel.Add(low + stride_, low, bounds_.LowChange(game, team), stride_);
    kernel.Add(high + stride_, high, bounds_.HighChange(game, team), stride_);
    open_[level + 1] = open_[level] - bounds_.Settles(game, team);
}

}  // namespace brackwell
