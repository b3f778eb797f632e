#pragma once
// Who can still win the pool: every way the undecided games can still go, counted exactly while
// few games are left, estimated by simulated tournaments before that.
//
// - A game is undecided when its results line is empty, as scoring has it. The teams meeting
//   there are the winners at its feeders: entered, or sent there by the outcome.
// - A result entered above undecided games settles the games on its team's way there (only the
//   outcomes that agree count; their seeded chance is that of the model given the result). A
//   result naming a team that cannot have got there settles nothing and is scored as entered.
//   Where two teams of the same name could have got there, the one from the upper feeder did.
// - A participant's total in an outcome is what scoring gives against the results completed
//   that way. Places rank by total alone: 1 + the participants with a higher total.
// - An outcome is one winner per undecided game: 2^open outcomes, each counted once.
// - Seed model: see SeedModel.h. A team keeps the seed of its starting slot; a team whose seed is
//   not known (0, or an entered winner that came from neither feeder) plays even games.
// - Exact when UndecidedGames <= ExactLimit. An estimate draws Simulations tournaments of coin
//   tosses (FirstOutright, FirstShared, FirstShare, ChanceEven) and as many under the seed model
//   (ChanceSeeded); Best/WorstPlace are the best and worst seen in either; MarginPercent is the
//   largest 95% margin of any row's ChanceEven or ChanceSeeded. Simulations 0 counts as 1, more
//   than kMostSimulations as that many.
// - With no entrants there are no rows; UndecidedGames and Outcomes still describe the bracket.

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
    std::string Title{};  // the tournament's, from the start field
};

// The most tournaments an estimate draws: every count stays exact in a double, and the
// computation's own counts cannot overflow.
inline constexpr std::uint64_t kMostSimulations = std::uint64_t{1} << 53;

struct OutlookOptions {
    int ExactLimit = 31;                     // up to this many undecided games: exact
    std::uint64_t Simulations = 1'000'000;   // simulated tournaments of an estimate
    std::uint64_t RandomSeed = 1;            // the same seed gives the same estimate
    // The prizes of places 1, 2, ... (none: no prizes). A tie on points covering places
    // p .. p+k-1 shares those places' prizes equally; places past the list pay 0.
    std::vector<double> Payout{};
    // The entrant whose rooting guide is wanted (see OutlookRooting.h), or -1.
    int Rooted = -1;
};

// Clinched: in every outcome; alive: in some; out: in none; unknown: an estimate that could
// neither prove nor find it.
enum class OutlookStatus { Unknown, Clinched, Alive, Out };

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
    OutlookStatus FirstStatus = OutlookStatus::Unknown;  // first, alone or tied
    double PrizeEven = 0;    // the expected prize, every game a coin toss
    double PrizeSeeded = 0;  // the same under the seed model
    OutlookStatus PrizeStatus = OutlookStatus::Unknown;  // a prize above 0
};

// One line of the rooting guide: what one result of an open game does to the rooted entrant.
struct OutlookRootRow {
    int Position = 0;
    int Round = 0;
    std::string Team;
    double FirstShared = 0;   // the outcomes with that result the entrant comes first in, ties 1/k
    double ChanceEven = 0;    // percent, its chance of first given the result
    double ChanceSeeded = 0;
};

struct OutlookResult {
    bool Exact = true;
    int UndecidedGames = 0;
    std::uint64_t Outcomes = 0;  // outcomes counted, or tournaments simulated
    double MarginPercent = 0;    // the estimate's 95% margin, in percentage points; 0 when exact
    std::vector<OutlookRow> Rows;  // in entrant order
    bool Prizes = false;           // a payout was given
    std::vector<OutlookRootRow> Rooting{};  // per open game and contender, when an entrant was rooted
};

// Called now and then from the computing thread with the work done so far and the whole;
// returning false cancels the computation.
using OutlookProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// The outlook of the pool, or nothing when progress cancelled it.
std::optional<OutlookResult> ComputeOutlook(const OutlookPool& pool, const OutlookOptions& options,
                                            const OutlookProgress& progress = {});

}  // namespace brackwell
