#include "bracket/BracketGeometry.h"

#include <gtest/gtest.h>

#include "core/Model.h"

namespace brackwell {
namespace {

TEST(BracketGeometry, LabelsSeedsAndMarksLieApartInsideTheWindow) {
    const QRectF window(QPointF(0, 0), kBracketDesignSize);
    std::vector<QRectF> placed;
    for (int label = 0; label < kPositionCount; ++label) placed.push_back(TeamLabelRect(label));
    for (int box = 0; box < 64; ++box) placed.push_back(SeedBoxRect(box));
    for (int game = 0; game < kGameCount; ++game) placed.push_back(ResultMarkRect(game));
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_TRUE(window.contains(placed[i])) << i;
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i].intersects(placed[j])) << i << " overlaps " << j;
    }
}

TEST(BracketGeometry, NoConnectorLineCrossesATeamLabel) {
    const std::vector<QPolygonF> lines = ConnectorLines();
    EXPECT_EQ(lines.size(), 2u * kGameCount);
    for (int label = 0; label < kPositionCount; ++label) {
        const QRectF inside = TeamLabelRect(label).adjusted(0.5, 0.5, -0.5, -0.5);
        for (const QPolygonF& line : lines)
            for (qsizetype k = 0; k + 1 < line.size(); ++k)
                for (double t = 0; t <= 1; t += 0.01)
                    ASSERT_FALSE(inside.contains(line[k] + (line[k + 1] - line[k]) * t))
                        << "a line runs through label " << label;
    }
}

}  // namespace
}  // namespace brackwell
