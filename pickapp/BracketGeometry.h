#pragma once
// Where the pick window's controls lie, in dialog units (a quarter of the dialog font's average
// character width across, an eighth of its height down).

namespace brackwell::pick {

struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

inline constexpr DialogRect kWindowSize{0, 0, 676, 455};

// Pixels per 4 dialog units across and per 8 down.
struct DialogBase {
    int x = 0, y = 0;
    bool operator==(const DialogBase&) const = default;
};
// The base the window is laid out in: the dialog font's own, or a smaller one when the window,
// with its menu bar and a title bar, would not fit the screen's free area (a 768 pixels high
// screen with a panel); never below three quarters of the font's.
DialogBase FitDialogBase(DialogBase font, int freeWidth, int freeHeight, int menuHeight);

// The team label of a position 1..127.
DialogRect PositionRect(int position);

inline constexpr DialogRect kTitleRect{259, 7, 158, 14};
inline constexpr DialogRect kCommentRects[2] = {{157, 199, 94, 34}, {419, 199, 94, 34}};
inline constexpr DialogRect kRegionTitleRects[4] = {
    {161, 108, 91, 11}, {155, 316, 91, 11}, {453, 108, 91, 11}, {455, 317, 91, 11}};
// Points labels of rounds 1..6, under the "Payoff Points / Round" caption.
inline constexpr DialogRect PointsRect(int round) { return {299 + 15 * round, 384, 15, 10}; }
inline constexpr DialogRect kPayoffCaptionRect{307, 366, 80, 10};
inline constexpr DialogRect kNamesCaptionRect{296, 50, 80, 10};
inline constexpr DialogRect kInitialsRect{278, 31, 17, 12};
inline constexpr DialogRect kNameRect{301, 31, 90, 13};
inline constexpr DialogRect kWinnerCaptionRect{280, 240, 56, 20};
inline constexpr DialogRect kTotalCaptionRect{353, 252, 44, 10};
inline constexpr DialogRect kTotalRect{360, 240, 19, 12};
inline constexpr DialogRect kHelpButtonRect{313, 73, 50, 14};

}  // namespace brackwell::pick
