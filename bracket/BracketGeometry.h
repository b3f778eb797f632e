#pragma once
// Where the bracket window's controls sit, in layout units of a 682 x 428 design that the
// window scales to its size: the four regions converge on the champion in the middle, the
// upper and lower left regions feeding one national semifinal, the right ones the other.

#include <QRectF>
#include <QSizeF>

namespace brackwell {

inline constexpr QSizeF kBracketDesignSize(682, 428);

QRectF TeamLabelRect(int label);
// The seed box beside starting slot k (0..63, k % 16 the slot of region k / 16).
QRectF SeedBoxRect(int box);
// The result mark of a game, beside the label of the position that decides it.
QRectF ResultMarkRect(int game);

}  // namespace brackwell
