#include "pickapp/rules/PickBracket.h"

namespace brackwell::pick {

namespace {
constexpr int kRegionSize = 31;
constexpr int kFirstWinnerOffset = 17;  // within a region, the first position fed by two others
}  // namespace

int FedPosition(int position) {
    if (position == 125 || position == 126) return kChampion;
    if (position < 1 || position > 124) return 0;
    const int region = (position - 1) / kRegionSize;
    const int offset = position - kRegionSize * region;  // 1..31
    if (offset == kRegionSize) return region < 2 ? 125 : 126;
    return kRegionSize * region + kFirstWinnerOffset + (offset - 1) / 2;
}

int OpponentPosition(int position) {
    switch (position) {
    case 31: return 62;
    case 62: return 31;
    case 93: return 124;
    case 124: return 93;
    case 125: return 126;
    case 126: return 125;
    default: break;
    }
    if (position < 1 || position > 124) return 0;
    // Within a region the two positions of a game are 2m + 1 and 2m + 2 from its start.
    const int offset = position - kRegionSize * ((position - 1) / kRegionSize);
    return offset % 2 == 1 ? position + 1 : position - 1;
}

PickBracket::PickBracket(const PickField& field) {
    for (int team = 0; team < 64; ++team)
        captions_[static_cast<std::size_t>(StartingPosition(team))] = field.teams[static_cast<std::size_t>(team)];
}

void PickBracket::Click(int position) {
    if (position < 1 || position >= kChampion) return;
    auto caption = [this](int p) -> std::string& { return captions_[static_cast<std::size_t>(p)]; };
    const int target = FedPosition(position);
    caption(target) = caption(position);
    if (position > 124) return;  // a semifinal winner: nobody to take out
    const std::string loser = caption(OpponentPosition(position));
    for (int later = FedPosition(target); later != 0; later = FedPosition(later))
        if (caption(later) == loser) caption(later).clear();
}

}  // namespace brackwell::pick
