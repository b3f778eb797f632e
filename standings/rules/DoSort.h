#pragma once
// Ordering the standings grid by its columns as they now stand.

#include <vector>

#include "standings/rules/ScoreGrid.h"

namespace brackwell {

// Sorts the data rows (header excluded) by every column from left to right. When the first
// row's leftmost cell has a numeric value above 0, all keys sort by numeric value, highest
// first; otherwise as text, ascending. Rows equal on every key keep their order. Fewer than two
// rows are left as they are.
void DoSort(std::vector<ScoreRow>& rows);

}  // namespace brackwell
