#include "outlook/rules/OutlookSeason.h"

#include <algorithm>

#include "core/OutputText.h"
#include "outlook/rules/OutlookGrid.h"

namespace brackwell {

std::vector<SeasonStage> SeasonStages(int completed, bool laterResults) {
    std::vector<SeasonStage> stages{{0, "Start"}};
    for (int round = 1; round <= completed; ++round)
        stages.push_back({round, round == 6 ? std::string("Final") : "Round " + std::to_string(round)});
    if (laterResults) stages.push_back({-1, "Now"});
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
