#include <gtest/gtest.h>

#include <random>

#include "reports/rules/RunPool.h"
#include "reports/rules/WorkBox.h"

namespace brackwell {
namespace {

using reports::PoolSelection;
using reports::TeamPicks;

// Names that test the order: case variants, one team the start of another, commas in teams
// and participants (", " sorts before a round code), bytes past "ZZZZ" and a team "ZZZZ".
const char* const kTeams[] = {"Iowa",     "Iowa State", "UCLA", "Ucla",  "ucla", "Texas A&M", "St. John's",
                              "A,B",      "A",          "ZZZZ", "Zzzzz", "~Tilde", "\xc9vora",  "\xe9vora"};
const char* const kPlayers[] = {"Smith, J", "Smith", "smith", "Smith,J", "ZZZZ", "zz", "", "O'Neil"};

std::vector<PoolSelection> TrickyPool(unsigned seed) {
    std::mt19937 random(seed);
    std::vector<PoolSelection> pool(12);
    for (std::size_t f = 0; f < pool.size(); ++f) {
        SelLinesArray& lines = pool[f].lines;
        lines[kPlayerNameLine] = kPlayers[random() % std::size(kPlayers)];
        lines[kInitialsLine] = random() % 2 ? "JS" : "js";
        for (int position = 1; position <= kPositionCount; ++position)
            if (random() % 8 != 0) lines[static_cast<std::size_t>(position)] = kTeams[random() % std::size(kTeams)];
    }
    return pool;
}

// The picks come in the order of the work list holding their items, as it sorts texts; what
// the reports read of each item agrees with its text.
TEST(TeamPicks, OrderTheItemsAsTheWorkListSortsTheirTexts) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<PoolSelection> pool = TrickyPool(seed);
        reports::WorkBox box;
        for (const PoolSelection& selection : pool) {
            const std::string player = selection.lines[kPlayerNameLine] + "_" + selection.lines[kInitialsLine] + ",";
            for (int position = 1; position <= kPositionCount; ++position) {
                const std::string& team = selection.lines[static_cast<std::size_t>(position)];
                if (RoundOfPosition(position) != 0 && !team.empty())
                    box.Add(team + "," + player + static_cast<char>('0' + RoundOfPosition(position)));
            }
        }
        box.Add("ZZZZ,ZZZZ,1");

        const TeamPicks picks(pool);
        ASSERT_EQ(picks.picks().size(), box.items().size());
        for (std::size_t i = 0; i < picks.picks().size(); ++i) {
            const TeamPicks::Pick& pick = picks.picks()[i];
            const std::string& text = box.items()[i].text;
            ASSERT_EQ(picks.Text(pick), text) << "seed " << seed << ", item " << i;
            const std::size_t first = text.find(','), last = text.rfind(',');
            EXPECT_EQ(picks.Team(pick), text.substr(0, first));
            EXPECT_EQ(picks.Player(pick), text.substr(first + 1, last - first - 1));
            EXPECT_EQ(pick.round, text.back() - '0');
        }
    }
}

}  // namespace
}  // namespace brackwell
