#pragma once
// Window images between Qt and the print seam.

#include <QImage>

#include "core/PrintDevice.h"

class QWidget;

namespace brackwell {

// What the widget shows now, as the print seam takes it.
WindowImage ImageOfWidget(QWidget& widget);

// The image as Qt paints it. Throws std::runtime_error for an empty image or one whose pixels do
// not match its size.
QImage ToQImage(const WindowImage& image);

}  // namespace brackwell
