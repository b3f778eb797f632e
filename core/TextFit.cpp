#include "core/TextFit.h"

namespace brackwell {

namespace {
constexpr double kStep = 0.5;
}

TextFit FitText(double points, double smallest, double room, const std::function<double(double points)>& widthAt) {
    if (smallest > points) smallest = points;
    for (double size = points; size > smallest; size -= kStep)
        if (widthAt(size) <= room) return {size, false};
    return {smallest, widthAt(smallest) > room};
}

}  // namespace brackwell
