#include "bracket/rules/HighSeeds.h"

#include "core/Numeric.h"

namespace brackwell {

void SelectHighSeeds(BracketView& view, const AdvanceTableArray& advance, const std::array<std::string, 16>& seedBoxes) {
    std::array<int, kPositionCount> seed{};
    std::array<int, 16> slotSeed{};
    for (int k = 0; k < 16; ++k) slotSeed[k] = static_cast<int>(ClampToInt16(NumericValue(seedBoxes[k])));
    for (int base = 0; base < 124; base += 31)
        for (int k = 0; k < 16; ++k) seed[base + k] = slotSeed[k];

    for (int base = 0; base < 124; base += 31) {
        for (int pos = base; pos <= base + 28; pos += 2) {
            const int next = advance[pos];
            const std::string held = view.TeamCaption(next);
            if (!held.empty()) {
                // A pick already made keeps its team; its seed is that of the team's starting slot.
                for (int k = 0; k < 16; ++k)
                    if (view.TeamCaption(base + k) == held) seed[next] = seed[base + k];
                continue;
            }
            // Equal seeds send the lower team of the pair on.
            const int winner = seed[pos] < seed[pos + 1] ? pos : pos + 1;
            view.SetTeamCaption(next, view.TeamCaption(winner));
            seed[next] = seed[winner];
        }
    }
}

}  // namespace brackwell
