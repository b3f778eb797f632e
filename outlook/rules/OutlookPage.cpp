#include "outlook/rules/OutlookPage.h"

#include <algorithm>
#include <numeric>

#include "core/AnsiText.h"
#include "outlook/rules/OutlookPrizes.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell {

namespace {

// Pool text for the page: UTF-8, markup characters escaped.
std::string Text(std::string_view ansi) {
    std::string out;
    for (const char c : AnsiToUtf8(ansi)) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

constexpr const char* kStyle =
    "body{font-family:system-ui,sans-serif;margin:0 auto;padding:0.5em;max-width:60em;color:#222}"
    "h1{font-size:1.4em;overflow-wrap:anywhere}table{border-collapse:collapse;width:100%}"
    "th,td{padding:0.25em 0.5em;border-bottom:1px solid #ddd;text-align:right}"
    ".name{text-align:left;overflow-wrap:anywhere}svg{display:block;width:100%;height:auto;max-width:40em}"
    ".legend span{display:inline-block;margin-right:1em;overflow-wrap:anywhere}"
    // A phone: each participant a block of labelled lines.
    "@media (max-width:40em){thead{display:none}table,tbody,tr,td{display:block;width:auto}"
    "tr{border-bottom:2px solid #bbb;padding:0.3em 0}td{border:0;text-align:left;padding:0.1em 0}"
    "td::before{content:attr(data-label) \": \";font-weight:bold}td.name::before{content:\"\"}"
    "td.name{font-weight:bold}}";

const char* const kColours[kChartedLeaders] = {"#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e"};

std::string Percent(double value) { return FixedDecimals(value, 2) + "%"; }

std::string Method(const OutlookResult& result) {
    if (result.Exact && result.UndecidedGames == 0) return "Every game has been played: the places are final.";
    if (result.Exact && result.UndecidedGames == 1) return "Both ways the last open game can go are counted.";
    if (result.Exact)
        return "Every one of the " + std::to_string(result.Outcomes) + " ways the open games can go is counted.";
    return "Estimated from " + std::to_string(result.Outcomes) + " simulated tournaments (within " +
           FixedDecimals(result.MarginPercent, 2) + " points of the true chances, 95 times in 100).";
}

std::string Standings(const OutlookResult& result) {
    std::vector<std::size_t> order(result.Rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const OutlookRow& x = result.Rows[a];
        const OutlookRow& y = result.Rows[b];
        return x.Score != y.Score ? x.Score > y.Score : x.ChanceSeeded > y.ChanceSeeded;
    });
    std::string html = "<table><thead><tr><th class=\"name\">Player</th><th>Points</th><th>Most possible</th>"
                       "<th>Chance of first</th><th>Chance of first (coin toss)</th><th>Status</th>";
    if (result.Prizes) html += "<th>Expected prize</th>";
    html += "</tr></thead><tbody>\n";
    for (const std::size_t i : order) {
        const OutlookRow& row = result.Rows[i];
        const auto cell = [&](const char* label, const std::string& value) {
            html += "<td data-label=\"" + std::string(label) + "\">" + value + "</td>";
        };
        html += "<tr><td class=\"name\">" + Text(row.PlayerName) + "</td>";
        cell("Points", std::to_string(row.Score));
        cell("Most possible", std::to_string(row.MaxScore));
        cell("Chance of first", Percent(row.ChanceSeeded));
        cell("Chance of first (coin toss)", Percent(row.ChanceEven));
        cell("Status", StatusText(row.FirstStatus, false));
        if (result.Prizes)
            cell("Expected prize", FixedDecimals(row.PrizeSeeded, 2) + " (" + StatusText(row.PrizeStatus, true) + ")");
        html += "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::string Chart(const OutlookResult& result, const std::vector<OutlookResult>& rounds) {
    std::vector<std::size_t> leaders(result.Rows.size());
    std::iota(leaders.begin(), leaders.end(), 0);
    std::stable_sort(leaders.begin(), leaders.end(), [&](std::size_t a, std::size_t b) {
        return result.Rows[a].ChanceSeeded > result.Rows[b].ChanceSeeded;
    });
    leaders.resize(std::min<std::size_t>(leaders.size(), kChartedLeaders));
    if (leaders.empty() || rounds.empty()) return "";
    // Plot area 40..390 wide, 10..210 high; rounds along, percent up.
    constexpr double kLeft = 40, kWidth = 350, kTop = 10, kHeight = 200;
    const std::size_t steps = std::max<std::size_t>(rounds.size() - 1, 1);
    const auto x = [&](std::size_t round) { return FixedDecimals(kLeft + kWidth * round / steps, 1); };
    const auto y = [&](double percent) { return FixedDecimals(kTop + kHeight * (100 - percent) / 100, 1); };
    std::string svg = "<h2>Chance of first after each round</h2>\n<svg viewBox=\"0 0 400 240\" role=\"img\" "
                      "aria-label=\"Chance of first of the leaders after each completed round\">";
    for (const int percent : {0, 25, 50, 75, 100})
        svg += "<line x1=\"40\" x2=\"390\" y1=\"" + y(percent) + "\" y2=\"" + y(percent) +
               "\" stroke=\"#ddd\"/><text x=\"35\" y=\"" + y(percent) + "\" font-size=\"10\" text-anchor=\"end\">" +
               std::to_string(percent) + "%</text>";
    for (std::size_t r = 0; r < rounds.size(); ++r)
        svg += "<text x=\"" + x(r) + "\" y=\"230\" font-size=\"10\" text-anchor=\"middle\">" +
               (r == 0 ? std::string("Start") : "Round " + std::to_string(r)) + "</text>";
    std::string legend = "<p class=\"legend\">";
    for (std::size_t k = 0; k < leaders.size(); ++k) {
        const std::size_t i = leaders[k];
        std::string points;
        for (std::size_t r = 0; r < rounds.size(); ++r)
            if (i < rounds[r].Rows.size()) points += (points.empty() ? "" : " ") + x(r) + "," + y(rounds[r].Rows[i].ChanceSeeded);
        svg += "<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" + std::string(kColours[k]) + "\" points=\"" +
               points + "\"><title>" + Text(result.Rows[i].PlayerName) + "</title></polyline>";
        legend += "<span style=\"color:" + std::string(kColours[k]) + "\">&#9632; " + Text(result.Rows[i].PlayerName) +
                  "</span>";
    }
    return svg + "</svg>\n" + legend + "</p>\n";
}

}  // namespace

std::string OutlookPage(const OutlookPool& pool, const OutlookResult& result, const std::vector<OutlookResult>& rounds) {
    const std::string title = Text(pool.Title);
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
           title + " - Pool Outlook</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<h1>" + title +
           "</h1>\n<p>" + Method(result) + "</p>\n" + Standings(result) + Chart(result, rounds) + "</body>\n</html>\n";
}

}  // namespace brackwell
