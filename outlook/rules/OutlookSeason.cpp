#include "outlook/rules/OutlookSeason.h"

#include <algorithm>
#include <utility>

#include "core/OutputText.h"
#include "outlook/rules/OutlookGrid.h"

namespace brackwell {

namespace {

// The highest round the replay is asked for; past it the results as they stand are the last stage.
constexpr int kLastReplayedRound = 5;

// How many games of a round have their result entered, and how many games the round has.
std::pair<int, int> EnteredInRound(const SelLinesArray& results, int round) {
    int entered = 0, games = 0;
    for (int position = 1; position <= kPositionCount; ++position) {
        if (RoundOfPosition(position) != round) continue;
        ++games;
        if (!results[position].empty()) ++entered;
    }
    return {entered, games};
}

}  // namespace

int CompletedRounds(const SelLinesArray& results) {
    int round = 0;
    while (round < 6) {
        const auto [entered, games] = EnteredInRound(results, round + 1);
        if (entered < games) break;
        ++round;
    }
    return round;
}

std::vector<SeasonStage> SeasonStages(const SelLinesArray& results) {
    const int completed = CompletedRounds(results);
    std::vector<SeasonStage> stages{{0, "Start"}};
    for (int round = 1; round <= std::min(completed, kLastReplayedRound); ++round)
        stages.push_back({round, "Round " + std::to_string(round)});
    if (completed == 6) {
        stages.push_back({-1, "Final"});
    } else {
        bool later = false;
        for (int round = completed + 1; round <= 6; ++round) later = later || EnteredInRound(results, round).first > 0;
        if (later) stages.push_back({-1, "Now"});
    }
    return stages;
}

std::vector<SeasonLine> SeasonLines(const std::vector<OutlookResult>& stages, std::size_t most) {
    if (stages.empty() || most == 0) return {};
    const std::vector<OutlookRow>& last = stages.back().Rows;
    std::vector<std::size_t> chosen;
    const auto choose = [&chosen, most](std::size_t entrant) {
        if (chosen.size() < most && std::find(chosen.begin(), chosen.end(), entrant) == chosen.end())
            chosen.push_back(entrant);
    };
    for (const OutlookResult& stage : stages)
        if (!stage.Rows.empty() && stage.Rows.size() == last.size()) choose(OutlookGridOrder(stage.Rows).front());
    for (const std::size_t entrant : OutlookGridOrder(last)) choose(entrant);

    const std::vector<std::size_t> order = OutlookGridOrder(last);
    std::sort(chosen.begin(), chosen.end(), [&order](std::size_t a, std::size_t b) {
        return std::find(order.begin(), order.end(), a) < std::find(order.begin(), order.end(), b);
    });
    std::vector<SeasonLine> lines;
    for (const std::size_t entrant : chosen) {
        SeasonLine line{OutputField(last[entrant].PlayerName), {}};
        for (const OutlookResult& stage : stages)
            line.chances.push_back(entrant < stage.Rows.size() ? stage.Rows[entrant].ChanceSeeded : 0);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string SeasonDescription(const std::vector<SeasonStage>& stages, const std::vector<SeasonLine>& lines) {
    std::string text = "Chance of first by stage.";
    for (const SeasonLine& line : lines) {
        text += " " + line.player + ":";
        for (std::size_t s = 0; s < line.chances.size() && s < stages.size(); ++s)
            text += std::string(s == 0 ? " " : ", ") + stages[s].caption + " " + PercentText(line.chances[s]);
        text += ".";
    }
    return text;
}

}  // namespace brackwell
