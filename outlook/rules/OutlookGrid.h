#pragma once
// The outlook window's grid: its columns in words, the chances as percentages, and the rows
// ordered by chance of first. The command line keeps its own field names (OutlookTable).

#include <cstddef>
#include <string>
#include <vector>

#include "outlook/rules/Outlook.h"

namespace brackwell {

struct OutlookGridCell {
    std::string text;
    bool numeric = false;  // sorted by value and aligned right
    double value = 0;
};

// The captions, "Player" first; the prize columns last, when the outlook counted prizes.
std::vector<std::string> OutlookGridCaptions(bool prizes);
// One participant's cells, in the captions' order.
std::vector<OutlookGridCell> OutlookGridCells(const OutlookRow& row, bool prizes);

// A percentage to one decimal, "12.4%"; a chance that is there but rounds to nothing reads
// "<0.1%", one short of certain ">99.9%", so neither is mistaken for a proof.
std::string PercentText(double percent);

// The rows' indices, best chance of first (seeded) first; then by the coin-toss chance, the
// points, the most possible, and the pool's own order.
std::vector<std::size_t> OutlookGridOrder(const std::vector<OutlookRow>& rows);

}  // namespace brackwell
