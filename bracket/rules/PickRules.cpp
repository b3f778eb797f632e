#include "bracket/rules/PickRules.h"

namespace brackwell {

namespace {
bool IsTeamLabel(int label) { return label >= 0 && label < kPositionCount; }
}  // namespace

void WipeTeam(BracketView& view, const AdvanceTableArray& advance, const std::string& team, int label) {
    for (int k = label; IsTeamLabel(k); k = advance[k])
        if (view.TeamCaption(k) == team) view.SetTeamCaption(k, "");
}

void DropTeam(BracketView& view, const AdvanceTableArray& advance, int origin, int target, const std::string& team) {
    if (!IsTeamLabel(origin) || !IsTeamLabel(target)) return;
    if (target == origin) {
        if (target == kChampionLabel) return;
        const int next = advance[target];
        const std::string old = view.TeamCaption(next);
        if (!old.empty() && old != team) WipeTeam(view, advance, old, next);
        view.SetTeamCaption(next, view.TeamCaption(target));
        return;
    }
    if (target < origin) return;
    int k = origin;
    while (k < target) k = advance[k];
    if (k != target) return;
    const std::string old = view.TeamCaption(target);
    if (!old.empty() && target < kChampionLabel && old != team) WipeTeam(view, advance, old, advance[target]);
    for (k = advance[origin]; k <= target; k = advance[k]) view.SetTeamCaption(k, team);
}

void TakeBackPick(BracketView& view, const AdvanceTableArray& advance, int label) {
    if (!IsTeamLabel(label) || IsStartingLabel(label)) return;
    const std::string team = view.TeamCaption(label);
    if (!team.empty() && label < kChampionLabel) WipeTeam(view, advance, team, advance[label]);
    view.SetTeamCaption(label, "");
}

}  // namespace brackwell
