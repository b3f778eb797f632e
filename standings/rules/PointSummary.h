#pragma once
// The printed point summary of the standings grid.

#include <string>
#include <vector>

#include "standings/rules/ScoreGrid.h"

namespace brackwell {

// The summary's name, proposed for its PDF file.
inline constexpr const char* kPointSummaryName = "PointSummary";

// A date as "d-mmmm-yy": "8-December-26".
std::string SummaryDate(int year, int month, int day);

// The lines to print: the title with the date, two empty lines, then every row of the grid
// (header first) with each column left-aligned to its longest cell; an empty cell counts as
// one blank.
std::vector<std::string> PointSummaryLines(const std::vector<ScoreRow>& rowsWithHeader, const std::string& date);

}  // namespace brackwell
