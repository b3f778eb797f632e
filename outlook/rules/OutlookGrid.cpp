#include "outlook/rules/OutlookGrid.h"

#include <algorithm>
#include <numeric>
#include <tuple>

#include "core/OutputText.h"
#include "outlook/rules/OutlookPrizes.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell {

namespace {

OutlookGridCell Count(int value) { return {std::to_string(value), true, static_cast<double>(value)}; }
OutlookGridCell Percent(double value) { return {PercentText(value), true, value}; }

}  // namespace

std::vector<std::string> OutlookGridCaptions(bool prizes) {
    std::vector<std::string> captions{"Player",      "Points",          "Most possible",
                                      "Best place",  "Worst place",     "Chance of first",
                                      "Chance of first (coin toss)",    "Status"};
    if (prizes) captions.insert(captions.end(), {"Expected prize", "Expected prize (coin toss)", "Prize status"});
    return captions;
}

std::vector<OutlookGridCell> OutlookGridCells(const OutlookRow& row, bool prizes) {
    std::vector<OutlookGridCell> cells{{OutputField(row.PlayerName), false, 0},
                                       Count(row.Score),
                                       Count(row.MaxScore),
                                       Count(row.BestPlace),
                                       Count(row.WorstPlace),
                                       Percent(row.ChanceSeeded),
                                       Percent(row.ChanceEven),
                                       {StatusText(row.FirstStatus, false), false, 0}};
    if (prizes)
        cells.insert(cells.end(), {{FixedDecimals(row.PrizeSeeded, 2), true, row.PrizeSeeded},
                                   {FixedDecimals(row.PrizeEven, 2), true, row.PrizeEven},
                                   {StatusText(row.PrizeStatus, true), false, 0}});
    return cells;
}

std::string PercentText(double percent) {
    if (percent > 0 && percent < 0.05) return "<0.1%";
    if (percent < 100 && percent >= 99.95) return ">99.9%";
    return FixedDecimals(percent, 1) + "%";
}

std::vector<std::size_t> OutlookGridOrder(const std::vector<OutlookRow>& rows) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&rows](std::size_t a, std::size_t b) {
        const OutlookRow& x = rows[a];
        const OutlookRow& y = rows[b];
        return std::tie(x.ChanceSeeded, x.ChanceEven, x.Score, x.MaxScore) >
               std::tie(y.ChanceSeeded, y.ChanceEven, y.Score, y.MaxScore);
    });
    return order;
}

}  // namespace brackwell
