#include "outlook/rules/OutlookScenario.h"

#include "outlook/rules/OutcomeSearch.h"
#include "outlook/rules/OutlookPlan.h"
#include "outlook/rules/OutlookPoints.h"
#include "outlook/rules/OutlookWork.h"

namespace brackwell {

namespace {

std::string NoScenarioReason(const OutlookPool& pool, int entrant) {
    const OutlookEntrant& who = pool.Entrants[entrant];
    const ScoreRecord own = ScoreLines(who.Picks, pool.Results, pool.Points).record;
    for (const OutlookEntrant& other : pool.Entrants) {
        if (&other == &who) continue;
        const int score = ScoreLines(other.Picks, pool.Results, pool.Points).record.Score;
        if (score > own.MaxScore)
            return other.PlayerName + " (" + other.FileName + ") already has " + std::to_string(score) +
                   " points, more than the " + std::to_string(own.MaxScore) + " " + who.FileName + " can still reach";
    }
    return "no way the open games can go puts " + who.FileName + " first: every outcome that gives it the games it "
           "needs gives someone else more points";
}

}  // namespace

SelLinesArray CompletedResults(const OutlookPool& pool, const OutlookField& field, const PositionTeams& teams) {
    SelLinesArray lines = pool.Results;
    for (int game : field.UndecidedGames) {
        const int team = field.Team[game] != 0 ? field.Team[game] : teams[game];
        if (team != 0) lines[game] = pool.Results[team];
    }
    return lines;
}

OutlookScenario FindScenario(const OutlookPool& pool, int entrant) { return *FindScenario(pool, entrant, {}); }

std::optional<OutlookScenario> FindScenario(const OutlookPool& pool, int entrant, const OutlookProgress& progress) {
    OutlookScenario scenario;
    if (progress && !progress(0, 0)) return std::nullopt;
    // No total is known beforehand: the work only passes on a cancel.
    OutlookWork work(0, progress);
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    const OutlookPlan plan(field);
    const OutlookPoints points(pool, field);
    for (const bool alone : {true, false}) {
        const SearchOutcome search = SearchForOutcome(field, plan, points, FastestKernel(), entrant,
                                                      alone ? SearchGoal::FirstAlone : SearchGoal::FirstTied, 0, &work);
        if (search.cancelled) return std::nullopt;
        if (!search.done) {
            scenario.Reason = "the points per round are too large to search " +
                              std::to_string(field.OpenGames.size()) + " open games for a scenario";
            return scenario;
        }
        if (!search.found) continue;
        scenario.Found = true;
        scenario.Alone = alone;
        scenario.Results = CompletedResults(pool, field, search.teams);
        return scenario;
    }
    scenario.Reason = NoScenarioReason(pool, entrant);
    return scenario;
}

}  // namespace brackwell
