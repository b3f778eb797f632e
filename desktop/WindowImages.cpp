#include "desktop/WindowImages.h"

#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

namespace brackwell {

WindowImage ImageOfWidget(QWidget& widget) {
    const QImage grabbed = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    WindowImage image;
    image.width = grabbed.width();
    image.height = grabbed.height();
    image.pixels.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(grabbed.constScanLine(y));
        std::copy(row, row + image.width, image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width);
    }
    return image;
}

QImage ToQImage(const WindowImage& image) {
    if (image.width <= 0 || image.height <= 0)
        throw std::runtime_error("There is no picture of the window to print.");
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        throw std::runtime_error("The picture of the window to print is incomplete.");
    // Format_ARGB32 keeps each pixel as one 0xAARRGGBB word, the layout of WindowImage.
    QImage converted(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        std::copy(first, first + image.width, reinterpret_cast<std::uint32_t*>(converted.scanLine(y)));
    }
    return converted;
}

}  // namespace brackwell
