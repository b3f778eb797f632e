#include "outlook/rules/ParticipantOutlook.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/OutputText.h"
#include "outlook/rules/OutlookGrid.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell {

std::vector<std::string> RootingGuideLines(const std::vector<OutlookRootRow>& rows) {
    std::map<int, std::vector<const OutlookRootRow*>> games;
    for (const OutlookRootRow& row : rows) games[row.Position].push_back(&row);
    struct Line {
        double swing;
        int position;
        std::string text;
    };
    std::vector<Line> lines;
    for (const auto& [position, teams] : games) {
        if (teams.size() != 2) continue;  // a later game: more teams can still reach it
        const OutlookRootRow* better = teams[0];
        const OutlookRootRow* worse = teams[1];
        if (worse->ChanceSeeded > better->ChanceSeeded) std::swap(better, worse);
        const double swing = better->ChanceSeeded - worse->ChanceSeeded;
        const std::string first = OutputField(better->Team);
        const std::string second = OutputField(worse->Team);
        // Below the shown decimal the difference is no reason to root.
        const std::string text = swing < 0.05 ? first + " or " + second + ": no difference to the chance of first"
                                              : "Root for " + first + " over " + second + ": +" +
                                                    FixedDecimals(swing, 1) + " points of chance";
        lines.push_back({swing < 0.05 ? 0 : swing, position, text});
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.swing > b.swing; });
    std::vector<std::string> texts;
    for (const Line& line : lines) texts.push_back(line.text);
    return texts;
}

std::string ParticipantSummary(const OutlookRow& row, bool prizes, const OutlookScenario* scenario) {
    const std::string name = OutputField(row.PlayerName);
    const std::string chances = PercentText(row.ChanceSeeded) + " chance of first with the better seeds favoured, " +
                                PercentText(row.ChanceEven) + " by coin toss.";
    std::string text;
    switch (row.FirstStatus) {
        case OutlookStatus::Clinched:
            text = name + " has clinched first place: first, alone or tied, however the remaining games go.";
            break;
        case OutlookStatus::Alive:
            text = name + " can still come first: " + chances;
            if (scenario != nullptr && scenario->Found && !scenario->Alone)
                text += " Only a tie for first is still possible.";
            break;
        case OutlookStatus::Out:
            text = name + " is eliminated";
            text += scenario != nullptr && !scenario->Found && !scenario->Reason.empty()
                        ? ": " + OutputField(scenario->Reason) + "."
                        : ": no way the remaining games can go puts them first.";
            break;
        case OutlookStatus::Unknown:
            text = name + " is neither proven out nor found first by the estimate: " + chances;
            break;
    }
    if (prizes) {
        text += " Expected prize " + FixedDecimals(row.PrizeSeeded, 2) + " (" + FixedDecimals(row.PrizeEven, 2) +
                " by coin toss); ";
        switch (row.PrizeStatus) {
            case OutlookStatus::Clinched: text += "a prize is certain."; break;
            case OutlookStatus::Alive: text += "a prize is still possible."; break;
            case OutlookStatus::Out: text += "no prize is possible any more."; break;
            case OutlookStatus::Unknown: text += "a prize is not proven either way."; break;
        }
    }
    return text;
}

}  // namespace brackwell
