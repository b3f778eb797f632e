#pragma once
// The outlook as text: a header line and one tab-separated row per participant, the same
// fields the outlook window shows. Numbers never depend on the locale the program runs under.

#include <array>
#include <string>

#include "outlook/rules/Outlook.h"

namespace brackwell {

inline constexpr int kOutlookColumnCount = 13;
// With a payout, after the others.
inline constexpr int kOutlookPrizeColumnCount = 3;

using OutlookFields = std::array<std::string, kOutlookColumnCount>;
using OutlookPrizeFields = std::array<std::string, kOutlookPrizeColumnCount>;

// The column names of the header, in order.
const OutlookFields& OutlookColumnNames();
const OutlookPrizeFields& OutlookPrizeColumnNames();
// Whether a column holds a number (every column but the names, the method and the status).
bool OutlookColumnIsNumeric(int column);

// value with exactly decimals digits after a point, rounded to nearest.
std::string FixedDecimals(double value, int decimals);
// Digits after the point of FirstShared: a tie for first among k shares 1/k, which has no
// finite decimal for most k, so the share is given to a millionth.
inline constexpr int kSharedDecimals = 6;

// "exact", or "estimate +-X%" with the margin to two decimals.
std::string OutlookMethod(const OutlookResult& result);
// One participant's fields; the names cleaned as every output field is.
OutlookFields OutlookRowFields(const OutlookRow& row, const OutlookResult& result);
// PrizeEven, PrizeSeeded (two decimals) and PrizeStatus.
OutlookPrizeFields OutlookRowPrizeFields(const OutlookRow& row);
// The header line and every row, each ending in "\n"; the prize columns when the result has them.
std::string OutlookTableText(const OutlookResult& result);

}  // namespace brackwell
