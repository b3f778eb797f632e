#pragma once
// Who can still win the pool: every way the undecided games can still go, counted exactly while
// few games are left, estimated by simulated tournaments before that.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Model.h"
#include "core/Scoring.h"

namespace brackwell {

// One participant's selection, as read from its file.
struct OutlookEntrant {
    std::string FileName;    // without folder
    std::string PlayerName;  // name + ", " + initials, as the standings show it
    SelLinesArray Picks{};
};

struct OutlookPool {
    SelLinesArray Results{};  // the results entered so far, in the selection-file layout
    PositionPoints Points{};  // points for a correct pick at each position
    // The seed of the team at each starting slot (0 at every other position).
    std::array<int, kPositionCount + 1> Seeds{};
    std::vector<OutlookEntrant> Entrants;  // in the standings' file order
};

struct OutlookOptions {
    int ExactLimit = 31;                     // up to this many undecided games: exact
    std::uint64_t Simulations = 1'000'000;   // simulated tournaments of an estimate
    std::uint64_t RandomSeed = 1;            // the same seed gives the same estimate
};

struct OutlookRow {
    std::string FileName;
    std::string PlayerName;
    int Score = 0;
    int MaxScore = 0;
    int BestPlace = 0;   // 1 = first; a tie shares the place
    int WorstPlace = 0;
    std::uint64_t FirstOutright = 0;  // outcomes (or simulated tournaments) won alone
    double FirstShared = 0;           // the same, a tie for first among k counting 1/k each
    double FirstShare = 0;            // FirstShared as a percentage of all outcomes
    double ChanceSeeded = 0;          // percent, the better seed favoured by the seed model
    double ChanceEven = 0;            // percent, every game a coin toss
};

struct OutlookResult {
    bool Exact = true;
    int UndecidedGames = 0;
    std::uint64_t Outcomes = 0;  // outcomes counted, or tournaments simulated
    double MarginPercent = 0;    // the estimate's 95% margin, in percentage points; 0 when exact
    std::vector<OutlookRow> Rows;  // in entrant order
};

// Called now and then from the computing thread with the work done so far and the whole;
// returning false cancels the computation.
using OutlookProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// The outlook of the pool, or nothing when progress cancelled it.
std::optional<OutlookResult> ComputeOutlook(const OutlookPool& pool, const OutlookOptions& options,
                                            const OutlookProgress& progress = {});

}  // namespace brackwell
