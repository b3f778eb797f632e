#include "outlook/rules/OutlookExplanation.h"

#include "outlook/rules/OutlookTable.h"

namespace brackwell {

std::string OutlookExplanation(const OutlookResult& result) {
    const std::string games = std::to_string(result.UndecidedGames);
    std::string text =
        result.Exact
            ? "Counted exactly: all " + std::to_string(result.Outcomes) + " ways the " + games +
                  " remaining games can go. "
            : "Estimated from " + std::to_string(result.Outcomes) + " simulated tournaments of the " + games +
                  " remaining games; each percentage is within " + FixedDecimals(result.MarginPercent, 2) +
                  " points of the true one 95 times in 100. ";
    text +=
        "Chance of first takes the better seed as the favourite in each game, Chance of first (coin toss) every "
        "game as even; a tie for first among k players counts 1/k each.";
    return text;
}

}  // namespace brackwell
