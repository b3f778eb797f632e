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

std::uint64_t Pair(std::uint32_t high, std::uint32_t low) { return static_cast<std::uint64_t>(high) << 32 | low; }

}  // namespace

TeamPicks::TeamPicks(const std::vector<PoolSelection>& selections) {
    std::unordered_map<std::string, std::uint32_t> ids;
    const auto teamId = [&](const std::string& team) {
        const auto [at, added] = ids.try_emplace(team, static_cast<std::uint32_t>(teams_.size()));
        if (added) teams_.push_back({team, Folded(team + ","), team.find(',') != std::string::npos});
        return at->second;
    };
    const auto addPlayer = [&](std::string player) {
        std::string folded = Folded(player + ",");
        players_.push_back({std::move(player), std::move(folded), false});
        return static_cast<std::uint32_t>(players_.size() - 1);
    };
    picks_.reserve(selections.size() * 63 + 1);
    for (const PoolSelection& selection : selections) {
        const SelLinesArray& lines = selection.lines;
        const std::uint32_t player = addPlayer(lines[kPlayerNameLine] + "_" + lines[kInitialsLine]);
        for (int position = 1; position <= kPositionCount; ++position) {
            const int round = RoundOfPosition(position);
            const std::string& team = lines[static_cast<std::size_t>(position)];
            if (round == 0 || team.empty()) continue;
            picks_.push_back({teamId(team), player, round});
        }
    }
    const std::uint32_t markerTeam = teamId(kMarkerName);
    picks_.push_back({markerTeam, addPlayer(kMarkerName), kMarkerRound});
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
// the order they were added. Texts are not built for that: with no comma in either team an
// item's text is its team + "," followed by its participant and round code, neither team's
// part the start of the other's, so ranks of the two parts give the texts' order.
void TeamPicks::Sort() {
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

    // Each item's place in the adding order makes the keys unique, so the sort keeps equal
    // items in that order without being a stable one.
    struct Keyed {
        std::uint64_t folded;
        std::uint64_t raw;
        std::uint32_t added;
        bool comma;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(picks_.size());
    for (const Pick& pick : picks_) {
        const std::size_t code = pick.player * std::size_t{kRoundCodes} + static_cast<std::size_t>(pick.round - 1);
        keyed.push_back({Pair(teamFoldedRank[pick.team], codeFoldedRank[code]),
                         Pair(teamRawRank[pick.team], codeRawRank[code]), static_cast<std::uint32_t>(keyed.size()),
                         teams_[pick.team].comma});
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.comma || b.comma) {
            const std::string x = Text(picks_[a.added]), y = Text(picks_[b.added]);
            const std::string foldedX = Folded(x), foldedY = Folded(y);
            if (foldedX != foldedY) return foldedX < foldedY;
            if (x != y) return x < y;
        } else if (a.folded != b.folded) {
            return a.folded < b.folded;
        } else if (a.raw != b.raw) {
            return a.raw < b.raw;
        }
        return a.added < b.added;
    });
    std::vector<Pick> sorted;
    sorted.reserve(picks_.size());
    for (const Keyed& item : keyed) sorted.push_back(picks_[item.added]);
    picks_ = std::move(sorted);
}

}  // namespace brackwell::reports
