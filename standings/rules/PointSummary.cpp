#include "standings/rules/PointSummary.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace brackwell {

namespace {
constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kIndent = "     ";
constexpr const char* kGap = "  ";
}  // namespace

std::string SummaryDate(int year, int month, int day) {
    const char* name = month >= 1 && month <= 12 ? kMonths[month - 1] : "";
    char text[48];
    std::snprintf(text, sizeof text, "%d-%s-%02d", day, name, ((year % 100) + 100) % 100);
    return text;
}

std::vector<std::string> PointSummaryLines(const std::vector<ScoreRow>& rowsWithHeader, const std::string& date) {
    std::vector<ScoreRow> cells = rowsWithHeader;
    std::array<std::size_t, kScoreColumnCount> widths{};
    for (ScoreRow& row : cells)
        for (int c = 0; c < kScoreColumnCount; ++c) {
            if (row[c].empty()) row[c].push_back(' ');
            widths[c] = std::max(widths[c], row[c].size());
        }

    std::vector<std::string> lines;
    lines.reserve(cells.size() + 3);
    std::string title = kIndent;
    title += "           BRACKWELL POINT SUMMARY: ";
    title += date;
    lines.push_back(std::move(title));
    lines.emplace_back();
    lines.emplace_back();
    for (const ScoreRow& row : cells) {
        std::string line = kIndent;
        for (int c = 0; c < kScoreColumnCount; ++c) {
            if (c > 0) line += kGap;
            line += row[c];
            line.append(widths[c] - row[c].size(), ' ');
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace brackwell
