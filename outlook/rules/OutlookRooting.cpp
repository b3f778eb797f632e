#include "outlook/rules/OutlookRooting.h"

#include <cmath>
#include <functional>

#include "core/OutputText.h"
#include "outlook/rules/AgreeingChance.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell {

namespace {

double Percent(double part, double whole) { return whole > 0 ? 100.0 * part / whole : 0.0; }

// Every open game and contender, with the split of its result: (game, team, key).
void ForEachResult(const OutlookField& field, const OutlookPoints& points,
                   const std::function<void(int game, int team, int key)>& each) {
    for (int game : field.OpenGames)
        for (int team : field.Contenders[game]) each(game, team, points.Row(game, team));
}

OutlookRootRow RowFor(const OutlookPool& pool, int game, int team) {
    OutlookRootRow row;
    row.Position = game;
    row.Round = RoundOfPosition(game);
    row.Team = pool.Results[team];
    return row;
}

}  // namespace

std::vector<OutlookRootRow> ExactRootingRows(const OutlookPool& pool, const OutlookField& field,
                                             const OutlookPoints& points, const OutlookExtraTally& tally) {
    std::vector<OutlookRootRow> rows;
    if (tally.Splits().empty()) return rows;
    const int open = static_cast<int>(field.OpenGames.size());
    ForEachResult(field, points, [&](int game, int team, int key) {
        // The team wins every open game on its way there: the other open games go any way.
        int settled = 0;
        for (int q = NextPosition(team); q != 0 && q <= game; q = NextPosition(q)) settled += field.Team[q] == 0;
        const double outcomes = std::ldexp(1.0, open - settled);
        PositionTeams winners = field.Team;
        winners[game] = team;
        const double weight = AgreeingChance(field, winners, SeedChances::Shared());
        const OutlookExtraTally::Split& split = tally.Splits()[key];
        OutlookRootRow row = RowFor(pool, game, team);
        row.FirstShared = split.Shared();
        row.ChanceEven = Percent(row.FirstShared, outcomes);
        row.ChanceSeeded = Percent(split.seeded, weight);
        rows.push_back(std::move(row));
    });
    return rows;
}

std::vector<OutlookRootRow> EstimatedRootingRows(const OutlookPool& pool, const OutlookField& field,
                                                 const OutlookPoints& points, const SimulatedTallies& tallies) {
    std::vector<OutlookRootRow> rows;
    if (tallies.Even.Extra.Splits().empty()) return rows;
    ForEachResult(field, points, [&](int game, int team, int key) {
        const OutlookExtraTally::Split& even = tallies.Even.Extra.Splits()[key];
        const OutlookExtraTally::Split& seeded = tallies.Seeded.Extra.Splits()[key];
        OutlookRootRow row = RowFor(pool, game, team);
        row.FirstShared = even.Shared();
        row.ChanceEven = Percent(row.FirstShared, static_cast<double>(even.outcomes));
        row.ChanceSeeded = Percent(seeded.seeded, seeded.weight);
        rows.push_back(std::move(row));
    });
    return rows;
}

std::string OutlookRootingText(const std::vector<OutlookRootRow>& rows) {
    std::string text = "Position\tRound\tTeam\tFirstShared\tChanceEven\tChanceSeeded\n";
    for (const OutlookRootRow& row : rows)
        text += std::to_string(row.Position) + "\t" + std::to_string(row.Round) + "\t" + OutputField(row.Team) + "\t" +
                FixedDecimals(row.FirstShared, kSharedDecimals) + "\t" + FixedDecimals(row.ChanceEven, 2) + "\t" +
                FixedDecimals(row.ChanceSeeded, 2) + "\n";
    return text;
}

}  // namespace brackwell
