#pragma once
// How a name is shown in a box of fixed width: at the box's own font size when it fits, else at
// the largest smaller size that shows it whole, else at the smallest size, cut short with an
// ellipsis. Widths come from the caller, so the rule stands without a toolkit.

#include <functional>

namespace brackwell {

struct TextFit {
    double points = 0;
    bool elided = false;

    bool operator==(const TextFit&) const = default;
};

// Sizes are tried from `points` down to `smallest` in half points; widthAt(size) is the width
// the text takes at that size, `room` the width the box offers.
TextFit FitText(double points, double smallest, double room, const std::function<double(double points)>& widthAt);

}  // namespace brackwell
