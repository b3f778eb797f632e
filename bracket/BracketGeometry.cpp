#include "bracket/BracketGeometry.h"

#include "core/Model.h"

namespace brackwell {

namespace {

constexpr double kLabelWidth = 56;
constexpr double kLabelHeight = 10;
constexpr double kLeftColumns[] = {15, 78, 140, 204, 270};
constexpr double kRightColumns[] = {610, 547, 484, 420, 353};
constexpr double kMarkWidth = 6;

bool IsRightRegion(int region) { return region >= 2; }

// Top of the label at offset 0..30 within a region (0..15 starting slots, 16..23 first-round
// winners, 24..27, 28..29, 30 the regional champion), for the upper or the lower half.
double RegionLabelTop(int offset, bool lower, bool rightSide) {
    const double shift = lower ? 208 : 0;
    if (offset < 16) return 16 + shift + 12.5 * offset;
    if (offset < 24) return 22 + shift + 25 * (offset - 16);
    if (offset < 28) return 34 + shift + 50 * (offset - 24);
    if (offset < 30) return lower ? (offset == 28 ? 268 : 367) : (offset == 28 ? 59 : 159);
    return lower ? 315 : (rightSide ? 108 : 107);
}

int ColumnOfOffset(int offset) { return offset < 16 ? 0 : offset < 24 ? 1 : offset < 28 ? 2 : offset < 30 ? 3 : 4; }

}  // namespace

QRectF TeamLabelRect(int label) {
    // The semifinal winners sit between the regional champions they come from, the champion
    // between them, below.
    if (label == 124) return {270, 203, 56, 16};
    if (label == 125) return {353, 203, 56, 16};
    if (label == kChampionLabel) return {300, 238, 80, 28};
    const int region = label / 31;
    const int offset = label % 31;
    const bool right = IsRightRegion(region);
    const double x = (right ? kRightColumns : kLeftColumns)[ColumnOfOffset(offset)];
    return {x, RegionLabelTop(offset, region % 2 == 1, right), kLabelWidth, kLabelHeight};
}

QRectF SeedBoxRect(int box) {
    const int region = box / 16;
    const QRectF team = TeamLabelRect(31 * region + box % 16);
    const double x = IsRightRegion(region) ? team.right() + 1.5 : team.left() - 13.5;
    return {x, team.top(), 12, team.height()};
}

QRectF ResultMarkRect(int game) {
    const QRectF team = TeamLabelRect(GamePosition(game) - 1);
    const bool leftOfLabel = game >= 30 && game < 60;  // the right-hand regions
    const double x = leftOfLabel ? team.left() - kMarkWidth - 0.5 : team.right() + 0.5;
    return {x, team.top(), kMarkWidth, qMin(team.height(), 12.0)};
}

std::vector<QPolygonF> ConnectorLines() {
    std::vector<QPolygonF> lines;
    for (int position = 1; position <= kPositionCount; ++position) {
        const auto [first, second] = FeedingPositions(position);
        if (first == 0) continue;
        const QRectF to = TeamLabelRect(position - 1);
        for (int feeder : {first, second}) {
            const QRectF from = TeamLabelRect(feeder - 1);
            if (from.right() > to.left() && from.left() < to.right()) {
                const double x = (qMax(from.left(), to.left()) + qMin(from.right(), to.right())) / 2;
                const bool above = from.bottom() <= to.top();
                lines.push_back(QPolygonF({{x, above ? from.bottom() : from.top()}, {x, above ? to.top() : to.bottom()}}));
            } else {
                const bool rightward = from.center().x() < to.center().x();
                const double startX = rightward ? from.right() : from.left();
                const double endX = rightward ? to.left() : to.right();
                const double barX = (startX + endX) / 2;
                lines.push_back(QPolygonF({{startX, from.center().y()}, {barX, from.center().y()},
                                           {barX, to.center().y()}, {endX, to.center().y()}}));
            }
        }
    }
    return lines;
}

}  // namespace brackwell
