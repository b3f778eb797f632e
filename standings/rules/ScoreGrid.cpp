#include "standings/rules/ScoreGrid.h"

#include <algorithm>
#include <string>

namespace brackwell {

namespace {

template <typename Cells>
void MoveCell(Cells& cells, int from, int to) {
    if (from < 0 || to < 0 || from >= kScoreColumnCount || to >= kScoreColumnCount || from == to) return;
    if (from < to)
        std::rotate(cells.begin() + from, cells.begin() + from + 1, cells.begin() + to + 1);
    else
        std::rotate(cells.begin() + to, cells.begin() + from, cells.begin() + from + 1);
}

}  // namespace

std::vector<GridColumn> ParseGridFormat(std::string_view format) {
    std::vector<GridColumn> columns;
    std::size_t start = 0;
    while (start <= format.size()) {
        const std::size_t bar = std::min(format.find('|', start), format.size());
        std::string_view entry = format.substr(start, bar - start);
        GridColumn column;
        if (!entry.empty() && (entry.front() == '<' || entry.front() == '>')) {
            column.alignRight = entry.front() == '>';
            entry.remove_prefix(1);
        }
        column.widthChars = static_cast<int>(entry.size());
        const std::size_t last = entry.find_last_not_of(' ');
        column.header = std::string(last == std::string_view::npos ? std::string_view{} : entry.substr(0, last + 1));
        columns.push_back(std::move(column));
        start = bar + 1;
    }
    return columns;
}

const std::vector<GridColumn>& ScoreDisplayColumns() {
    static const std::vector<GridColumn> columns = ParseGridFormat(kScoreDisplayFormat);
    return columns;
}

ScoreRow ScoreRowFromRecord(const ScoreRecord& record) {
    return {record.FileName, record.PlayerName, std::to_string(record.Score), std::to_string(record.MaxScore),
            record.Champion};
}

void MoveColumn(std::vector<ScoreRow>& rows, int from, int to) {
    for (ScoreRow& row : rows) MoveCell(row, from, to);
}

void MoveColumn(std::array<int, kScoreColumnCount>& order, int from, int to) { MoveCell(order, from, to); }

}  // namespace brackwell
