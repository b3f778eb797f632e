#pragma once
// Where the bracket window's controls sit, in layout units of a 682 x 428 design that the
// window scales to its size: the four regions converge on the champion in the middle, the
// two left regions feeding one national semifinal, the two right ones the other.

#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace brackwell {

inline constexpr QSizeF kBracketDesignSize(682, 428);

QRectF TeamLabelRect(int label);
// The seed box beside starting slot k (0..63, k % 16 the slot of region k / 16).
QRectF SeedBoxRect(int box);
// The result mark of a game, beside the label of the position that decides it.
QRectF ResultMarkRect(int game);
// The lines joining every label to the label its game feeds: out of the side facing it, to a
// bar half way, then into the fed label; labels stacked above each other are joined straight.
std::vector<QPolygonF> ConnectorLines();

}  // namespace brackwell
