#include "outlook/rules/OutlookField.h"

#include <algorithm>

#include "outlook/rules/SeedModel.h"

namespace brackwell {

namespace {

// Whether the team holds the position or can still win it.
bool CanReach(const OutlookField& field, int position, int team) {
    if (field.Team[position] != 0) return field.Team[position] == team;
    for (int contender : field.Contenders[position])
        if (contender == team) return true;
    return false;
}

// Marks every open game from `position` down to the team's entry as won by it.
void SettleWay(OutlookField& field, int position, int team) {
    while (field.Team[position] == 0) {
        field.Team[position] = team;
        const auto [upper, lower] = FeedingPositions(position);
        position = CanReach(field, upper, team) ? upper : lower;
    }
}

// The team of that name that can come through a feeder, upper first; 0 when none can.
int EnteredTeam(const OutlookField& field, const SelLinesArray& results, int position) {
    const auto [upper, lower] = FeedingPositions(position);
    for (int feeder : {upper, lower})
        if (field.Team[feeder] != 0 && results[field.Team[feeder]] == results[position]) return field.Team[feeder];
    for (int feeder : {upper, lower})
        if (field.Team[feeder] == 0)
            for (int contender : field.Contenders[feeder])
                if (results[contender] == results[position]) return contender;
    return 0;
}

void GatherContenders(OutlookField& field, int position) {
    std::vector<int>& contenders = field.Contenders[position];
    contenders.clear();
    const auto [upper, lower] = FeedingPositions(position);
    for (int feeder : {upper, lower}) {
        if (field.Team[feeder] != 0) contenders.push_back(field.Team[feeder]);
        else contenders.insert(contenders.end(), field.Contenders[feeder].begin(), field.Contenders[feeder].end());
    }
}

}  // namespace

OutlookField ReadOutlookField(const SelLinesArray& results, const std::array<int, kPositionCount + 1>& seeds) {
    OutlookField field;
    for (int p = 1; p <= kPositionCount; ++p) {
        if (IsStartingSlot(p)) {
            field.Team[p] = p;
            field.Seed[p] = seeds[p];
            continue;
        }
        const auto [upper, lower] = FeedingPositions(p);
        if (!results[p].empty()) {
            // The entered winner keeps the seed of the slot it came from.
            const int team = EnteredTeam(field, results, p);
            if (team != 0) {
                SettleWay(field, CanReach(field, upper, team) ? upper : lower, team);
                field.Seed[p] = field.Seed[team];
            }
            field.Team[p] = p;
            continue;
        }
        field.UndecidedGames.push_back(p);
        GatherContenders(field, p);
    }
    // Settling narrows what can reach the games above; the open games are those left.
    for (int p = 1; p <= kPositionCount; ++p) {
        if (field.Team[p] != 0) {
            field.Contenders[p].clear();
            continue;
        }
        GatherContenders(field, p);
        field.OpenGames.push_back(p);
        const int above = NextPosition(p);
        if (above != 0 && field.Team[above] == above) field.EnteredAbove.push_back(above);
    }
    std::sort(field.EnteredAbove.begin(), field.EnteredAbove.end());
    field.EnteredAbove.erase(std::unique(field.EnteredAbove.begin(), field.EnteredAbove.end()), field.EnteredAbove.end());
    return field;
}

double WinnerChance(const OutlookField& field, const PositionTeams& teams, int position) {
    const auto [upper, lower] = FeedingPositions(position);
    const int winner = teams[position];
    int loser = teams[upper] == winner ? teams[lower] : teams[upper];
    if (field.Team[position] == position) loser = teams[field.Team[upper] == 0 ? upper : lower];
    return SeedWinChance(field.Seed[winner], field.Seed[loser]);
}

}  // namespace brackwell
