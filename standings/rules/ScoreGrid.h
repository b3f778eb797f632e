#pragma once
// The standings grid as rows of text: its columns as the grid's format string sets them, a row
// from a score, and moving a column.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Scoring.h"

namespace brackwell {

inline constexpr int kScoreColumnCount = 5;
// "<" aligns a column left, ">" right; the blanks after a header set the column's width.
inline constexpr const char* kScoreDisplayFormat =
    "<File Name                       |<Player Name        |>Score   |>-MAX- |<Winning Pick           ";

// The five cells of a row, in the grid's current column order.
using ScoreRow = std::array<std::string, kScoreColumnCount>;

struct GridColumn {
    std::string header;      // without the blanks that widen it
    int widthChars = 0;      // the header with its blanks, in characters
    bool alignRight = false;
};

// The columns of a flex grid format string: one per "|"-separated entry.
std::vector<GridColumn> ParseGridFormat(std::string_view format);
// The columns of the standings grid, in their first order.
const std::vector<GridColumn>& ScoreDisplayColumns();

// File name, player name, score, -MAX- and champion, numbers as decimal text.
ScoreRow ScoreRowFromRecord(const ScoreRecord& record);

// Takes column `from` out of every row and puts it back in at `to`, as a grid moves a column
// dragged by its header; the columns in between close up.
void MoveColumn(std::vector<ScoreRow>& rows, int from, int to);
// The same move on the column order of the header (what each column holds).
void MoveColumn(std::array<int, kScoreColumnCount>& order, int from, int to);

}  // namespace brackwell
