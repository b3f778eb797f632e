#pragma once
// The team selection set-up of the two team reports: every pick from the second round on, of
// every selection file, in the order the work list sorts the items
// team + "," + name + "_" + initials + "," + round code, the end marker among them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Model.h"

namespace brackwell::reports {

struct PoolSelection;

class TeamPicks {
public:
    struct Pick {
        std::uint32_t team;    // into the distinct teams
        std::uint32_t player;  // into the participants, the end marker's last
        int round;             // 1..6
    };

    explicit TeamPicks(const std::vector<PoolSelection>& selections);

    const std::vector<Pick>& picks() const { return picks_; }
    // What the reports take from an item: the text before its first ",", the text between its
    // first and last "," and its round code. A team's own comma splits the item there.
    std::string_view Team(const Pick& pick) const;
    std::string Player(const Pick& pick) const;
    // The participant as the other reports name one: name + ", " + initials.
    const std::string& PlayerShown(const Pick& pick) const { return players_[pick.player].shown; }
    // The end marker's own item.
    bool IsEndMarker(const Pick& pick) const { return pick.player + 1 == players_.size(); }
    // The whole item as the work list holds it.
    std::string Text(const Pick& pick) const;

private:
    struct Name {
        std::string raw;
        std::string folded;  // case-folded, with the "," that follows it in an item
        bool comma = false;  // the name holds one of its own
        std::string shown;   // a participant's name + ", " + initials
    };
    void Sort();

    std::vector<Name> teams_;
    std::vector<Name> players_;
    std::vector<Pick> picks_;
};

}  // namespace brackwell::reports
