#include "outlook/rules/OutlookTable.h"

#include <charconv>
#include <cmath>

#include "core/OutputText.h"
#include "outlook/rules/OutlookPrizes.h"

namespace brackwell {

const OutlookFields& OutlookColumnNames() {
    static const OutlookFields names{"FileName",   "PlayerName",  "Score",        "MaxScore",
                                     "BestPlace",  "WorstPlace",  "FirstOutright", "FirstShared",
                                     "FirstShare", "ChanceSeeded", "ChanceEven",  "Method",
                                     "FirstStatus"};
    return names;
}

const OutlookPrizeFields& OutlookPrizeColumnNames() {
    static const OutlookPrizeFields names{"PrizeEven", "PrizeSeeded", "PrizeStatus"};
    return names;
}

OutlookPrizeFields OutlookRowPrizeFields(const OutlookRow& row) {
    return {FixedDecimals(row.PrizeEven, 2), FixedDecimals(row.PrizeSeeded, 2), StatusText(row.PrizeStatus, true)};
}

bool OutlookColumnIsNumeric(int column) { return column >= 2 && column <= 10; }

std::string FixedDecimals(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    // Large enough for any double in fixed notation with a few decimals.
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    // A value that rounds to zero from below reads as zero, not "-0.00".
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string OutlookMethod(const OutlookResult& result) {
    if (result.Exact) return "exact";
    return "estimate +-" + FixedDecimals(result.MarginPercent, 2) + "%";
}

OutlookFields OutlookRowFields(const OutlookRow& row, const OutlookResult& result) {
    return OutlookFields{OutputField(row.FileName),
                         OutputField(row.PlayerName),
                         std::to_string(row.Score),
                         std::to_string(row.MaxScore),
                         std::to_string(row.BestPlace),
                         std::to_string(row.WorstPlace),
                         std::to_string(row.FirstOutright),
                         FixedDecimals(row.FirstShared, kSharedDecimals),
                         FixedDecimals(row.FirstShare, 2),
                         FixedDecimals(row.ChanceSeeded, 2),
                         FixedDecimals(row.ChanceEven, 2),
                         OutlookMethod(result),
                         StatusText(row.FirstStatus, false)};
}

std::string OutlookTableText(const OutlookResult& result) {
    std::string text;
    const auto append = [&](const OutlookFields& fields, const OutlookPrizeFields& prizes) {
        for (int c = 0; c < kOutlookColumnCount; ++c) {
            text += fields[c];
            text += c + 1 < kOutlookColumnCount || result.Prizes ? '\t' : '\n';
        }
        for (int c = 0; c < kOutlookPrizeColumnCount && result.Prizes; ++c) {
            text += prizes[c];
            text += c + 1 < kOutlookPrizeColumnCount ? '\t' : '\n';
        }
    };
    append(OutlookColumnNames(), OutlookPrizeColumnNames());
    for (const OutlookRow& row : result.Rows)
        append(OutlookRowFields(row, result), result.Prizes ? OutlookRowPrizeFields(row) : OutlookPrizeFields{});
    return text;
}

}  // namespace brackwell
