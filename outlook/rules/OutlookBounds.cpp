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
                           const std::int16_t* high, const std::vector<int>& rows) {
    if (settles_.size() != whole.settles_.size()) settles_ = whole.settles_;
    start_.assign(static_cast<std::size_t>(2) * stride_, kPaddingTotal);
    const std::size_t size = whole.changes_.size() / whole.stride_ * stride_;
    if (changes_.size() != size) changes_.assign(size, 0);
    for (std::size_t k = 0; k < lanes.size(); ++k) {
        start_[k] = low[lanes[k]];
        start_[stride_ + k] = high[lanes[k]];
    }
    // Each row of the points has two rows here: the low change, then the high change.
    for (const int row : rows)
        for (const std::size_t r : {2 * static_cast<std::size_t>(row), 2 * static_cast<std::size_t>(row) + 1}) {
            std::int16_t* to = changes_.data() + r * stride_;
            const std::int16_t* from = whole.changes_.data() + r * whole.stride_;
            std::fill(to + lanes.size(), to + stride_, 0);
            for (std::size_t k = 0; k < lanes.size(); ++k) to[k] = from[lanes[k]];
        }
}

LevelBounds::LevelBounds(const OutlookBounds& bounds, int levels)
    : bounds_(bounds),
      stride_(bounds.Stride()),
      low_(static_cast<std::size_t>(levels + 1) * stride_),
      high_(low_.size()),
      kept_(levels + 1),
      open_(levels + 1) {}

void LevelBounds::Start(int level, const std::int16_t* low, const std::int16_t* high, int open) {
    std::copy_n(low, stride_, low_.begin() + static_cast<std::ptrdiff_t>(level) * stride_);
    std::copy_n(high, stride_, high_.begin() + static_cast<std::ptrdiff_t>(level) * stride_);
    kept_[level] = level;
    open_[level] = open;
}

void LevelBounds::Narrow(const OutlookKernel& kernel, int level, int game, int team, bool forced) {
    if (forced) {
        kept_[level + 1] = kept_[level];
        open_[level + 1] = open_[level];
        return;
    }
    kernel.Add(Row(low_, level + 1), Low(level), bounds_.LowChange(game, team), stride_);
    kernel.Add(Row(high_, level + 1), High(level), bounds_.HighChange(game, team), stride_);
    Decided(level, game, team);
}

int LevelBounds::NarrowLowCounting(const OutlookKernel& kernel, int level, int game, int team, std::int16_t value) {
    Decided(level, game, team);
    return kernel.AddCountAbove(Row(low_, level + 1), Low(level), bounds_.LowChange(game, team), stride_, value);
}

int LevelBounds::NarrowHighCounting(const OutlookKernel& kernel, int level, int game, int team, std::int16_t value) {
    Decided(level, game, team);
    return kernel.AddCountAbove(Row(high_, level + 1), High(level), bounds_.HighChange(game, team), stride_, value);
}

void LevelBounds::Decided(int level, int game, int team) {
    kept_[level + 1] = level + 1;
    open_[level + 1] = open_[level] - bounds_.Settles(game, team);
}

std::int16_t* LevelBounds::Row(std::vector<std::int16_t>& rows, int level) {
    return rows.data() + static_cast<std::size_t>(level) * stride_;
}

}  // namespace brackwell
