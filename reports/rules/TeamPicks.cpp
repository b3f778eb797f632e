#include "reports/rules/TeamPicks.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "core/TextHelpers.h"
#include "reports/rules/RunPool.h"

namespace brackwell::reports {

namespace {

// The end marker "ZZZZ,ZZZZ,1", sorted in with the picks: the reports end a team's group
// when the next item's team differs, so whatever sorts after the marker is never written.
constexpr const char* kMarkerName = "ZZZZ";
constexpr int kMarkerRound = 1;
constexpr int kRoundCodes = 6;

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), LowerAnsi);
    return text;
}

// Equal keys share a rank; a greater key has a greater rank.
std::vector<std::uint32_t> Ranks(const std::vector<std::string>& keys) {
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0U);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return keys[a] < keys[b]; });
    std::vector<std::uint32_t> ranks(keys.size());
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && keys[order[i]] != keys[order[i - 1]]) ++rank;
        ranks[order[i]] = rank;
    }
    return ranks;
}

}  // namespace

TeamPicks::TeamPicks(const std::vector<PoolSelection>& selections) {
    std::unordered_map<std::string, std::uint32_t> ids;
    const auto teamId = [&](const std::string& team) {
        const auto [at, added] = ids.try_emplace(team, static_cast<std::uint32_t>(teams_.size()));
        if (added) teams_.push_back({team, Folded(team + ","), team.find(',') != std::string::npos, {}});
        return at->second;
    };
    const auto addPlayer = [&](std::string player, std::string shown) {
        std::string folded = Folded(player + ",");
        players_.push_back({std::move(player), std::move(folded), false, std::move(shown)});
        return static_cast<std::uint32_t>(players_.size() - 1);
    };
    picks_.reserve(selections.size() * 63 + 1);
    for (const PoolSelection& selection : selections) {
        const SelLinesArray& lines = selection.lines;
        const std::uint32_t player = addPlayer(lines[kPlayerNameLine] + "_" + lines[kInitialsLine],
                                               lines[kPlayerNameLine] + ", " + lines[kInitialsLine]);
        for (int position = 1; position <= kPositionCount; ++position) {
            const int round = RoundOfPosition(position);
            const std::string& team = lines[static_cast<std::size_t>(position)];
            if (round == 0 || team.empty()) continue;
            picks_.push_back({teamId(team), player, round});
        }
    }
    const std::uint32_t markerTeam = teamId(kMarkerName);
    picks_.push_back({markerTeam, addPlayer(kMarkerName, kMarkerName), kMarkerRound});
    Sort();
}

std::string_view TeamPicks::Team(const Pick& pick) const {
    const std::string& team = teams_[pick.team].raw;
    return std::string_view(team).substr(0, team.find(','));
}

std::string TeamPicks::Player(const Pick& pick) const {
    if (!teams_[pick.team].comma) return players_[pick.player].raw;
    const std::string text = Text(pick);
    const std::size_t first = text.find(',');
    const std::size_t last = text.rfind(',');
    return text.substr(first + 1, last - first - 1);
}

std::string TeamPicks::Text(const Pick& pick) const {
    return teams_[pick.team].raw + "," + players_[pick.player].raw + "," + static_cast<char>('0' + pick.round);
}

// The work list's order: the items' case-folded texts, then their own bytes; equal items in
// the order they were added. With no comma in any team an item's text is its team + ","
// followed by its participant and round code, no team's part the start of another's, so
// ranks of the parts give the texts' order and no text is built.
void TeamPicks::Sort() {
    const bool commas = std::any_of(teams_.begin(), teams_.end(), [](const Name& team) { return team.comma; });
    // The sort keys of every pick, most significant first.
    std::vector<std::vector<std::uint32_t>> keys;
    if (commas) {
        std::vector<std::string> folded, raw;
        for (const Pick& pick : picks_) {
            raw.push_back(Text(pick));
            folded.push_back(Folded(raw.back()));
        }
        keys = {Ranks(folded), Ranks(raw)};
    } else {
        std::vector<std::string> teamFolded, teamRaw, codeFolded, codeRaw;
        for (const Name& team : teams_) {
            teamFolded.push_back(team.folded);
            teamRaw.push_back(team.raw);
        }
        for (const Name& player : players_)
            for (int round = 1; round <= kRoundCodes; ++round) {
                const char code = static_cast<char>('0' + round);
                codeFolded.push_back(player.folded + code);
                codeRaw.push_back(player.raw + "," + code);
            }
        const std::vector<std::uint32_t> teamFoldedRank = Ranks(teamFolded), teamRawRank = Ranks(teamRaw),
                                         codeFoldedRank = Ranks(codeFolded), codeRawRank = Ranks(codeRaw);
        keys.assign(4, std::vector<std::uint32_t>(picks_.size()));
        for (std::size_t i = 0; i < picks_.size(); ++i) {
            const Pick& pick = picks_[i];
            const std::size_t code = pick.player * std::size_t{kRoundCodes} + static_cast<std::size_t>(pick.round - 1);
            keys[0][i] = teamFoldedRank[pick.team];
            keys[1][i] = codeFoldedRank[code];
            keys[2][i] = teamRawRank[pick.team];
            keys[3][i] = codeRawRank[code];
        }
    }
    // A stable counting sort by each key from the least significant on.
    std::vector<std::uint32_t> order(picks_.size()), sorted(picks_.size());
    std::iota(order.begin(), order.end(), 0U);
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        std::vector<std::size_t> start(*std::max_element(key->begin(), key->end()) + std::size_t{2}, 0);
        for (const std::uint32_t rank : *key) ++start[rank + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        for (const std::uint32_t i : order) sorted[start[(*key)[i]]++] = i;
        order.swap(sorted);
    }
    std::vector<Pick> picks;
    picks.reserve(picks_.size());
    for (const std::uint32_t i : order) picks.push_back(picks_[i]);
    picks_ = std::move(picks);
}

}  // namespace brackwell::reports
