#include "pickapp/BracketGeometry.h"

#include <algorithm>

namespace brackwell::pick {

namespace {
constexpr int kLabelWidth = 56;
constexpr int kLabelHeight = 10;

// Columns of a region half, from its starting slots to its regional champion.
constexpr int kLeftColumns[5] = {15, 78, 140, 204, 270};
constexpr int kRightColumns[5] = {610, 547, 484, 420, 353};

// First y of each column of an upper and a lower region; the third-round pair has its own two.
struct RegionRows {
    int slots, firstRound, secondRound, thirdRound[2], champion;
};
constexpr RegionRows kUpperRows{16, 22, 34, {59, 159}, 107};
constexpr RegionRows kLowerRows{224, 230, 242, {268, 367}, 315};

// The starting slots are 12.5 units apart, rounded to whole units as the window was laid out:
// 0, 13, 26, 38, 51, ... from the first.
int SlotOffset(int slot) {
    if (slot == 0) return 0;
    return slot % 2 == 1 ? (25 * slot + 1) / 2 : 25 * slot / 2 + 1;
}
}  // namespace

DialogBase FitDialogBase(DialogBase font, int freeWidth, int freeHeight, int menuHeight) {
    // What a window manager adds around the window: a title bar and the borders.
    constexpr int kTitleBar = 28;
    constexpr int kBorders = 8;
    auto fit = [](int base, int room, int units, int per) {
        const int fitting = room * per / units;
        return std::max(std::min(base, fitting), (3 * base + 3) / 4);
    };
    return {fit(font.x, freeWidth - kBorders, kWindowSize.width, 4),
            fit(font.y, freeHeight - menuHeight - kTitleBar, kWindowSize.height, 8)};
}

DialogRect PositionRect(int position) {
    if (position == 125) return {283, 155, 107, 18};
    if (position == 126) return {283, 263, 103, 19};
    if (position == 127) return {279, 198, 112, 38};
    const int region = (position - 1) / 31;
    const int offset = position - 31 * region;  // 1..31
    const int* columns = region < 2 ? kLeftColumns : kRightColumns;
    const RegionRows& rows = region % 2 == 0 ? kUpperRows : kLowerRows;
    DialogRect rect{0, 0, kLabelWidth, kLabelHeight};
    if (offset <= 16) {
        rect.x = columns[0];
        rect.y = rows.slots + SlotOffset(offset - 1);
    } else if (offset <= 24) {
        rect.x = columns[1];
        rect.y = rows.firstRound + 25 * (offset - 17);
    } else if (offset <= 28) {
        rect.x = columns[2];
        rect.y = rows.secondRound + 50 * (offset - 25);
    } else if (offset <= 30) {
        rect.x = columns[3];
        rect.y = rows.thirdRound[offset - 29];
    } else {
        rect.x = columns[4];
        rect.y = rows.champion + (region == 2 ? 1 : 0);  // region 2's champion sits one unit lower
    }
    return rect;
}

}  // namespace brackwell::pick
