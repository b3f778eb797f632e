#include "outlook/rules/OutlookExplanation.h"

#include "outlook/rules/OutlookTable.h"

namespace brackwell {

namespace {

std::string Counted(const OutlookResult& result) {
    if (result.UndecidedGames == 0) return "Every game has been played: the places are final. ";
    if (result.UndecidedGames == 1) return "Counted exactly: both ways the last remaining game can go. ";
    return "Counted exactly: all " + std::to_string(result.Outcomes) + " ways the " +
           std::to_string(result.UndecidedGames) + " remaining games can go. ";
}

}  // namespace

std::string OutlookExplanation(const OutlookResult& result) {
    std::string text = result.Exact ? Counted(result)
                                    : "Estimated from " + std::to_string(result.Outcomes) +
                                          " simulated tournaments of the " + std::to_string(result.UndecidedGames) +
                                          " remaining games; each percentage is within " +
                                          FixedDecimals(result.MarginPercent, 2) + " points of the true one 95 times in 100. ";
    text +=
        "Chance of first takes the better seed as the favourite in each game, Chance of first (coin toss) every "
        "game as even; a tie for first among k players counts 1/k each.";
    return text;
}

}  // namespace brackwell
