#pragma once
// The outlook as one self-contained web page to send round: the title, the standings with points
// and most possible, each participant's chance of first, status and expected prize, and a chart
// (inline SVG) of the leaders' chances of first after each completed round. Nothing is fetched;
// text of the pool (Windows-1252) is given in UTF-8, every name escaped; it fits a phone's width.

#include <string>
#include <vector>

#include "outlook/rules/Outlook.h"

namespace brackwell {

// The participants the chart follows: at most this many, the most likely to come first now.
inline constexpr int kChartedLeaders = 5;

// `rounds`: the outlook after each completed round, from 0 on (OutlookReplay.h).
std::string OutlookPage(const OutlookPool& pool, const OutlookResult& result, const std::vector<OutlookResult>& rounds);

}  // namespace brackwell
