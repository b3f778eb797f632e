#pragma once
// The printer as the organiser's program uses it. The Qt implementation prints through QPrinter
// to a system printer or a PDF file; tests record what would be printed.
// A printer that cannot be used throws std::runtime_error with a description for the message box.

#include <cstdint>
#include <vector>

#include "core/Dialogs.h"

namespace brackwell {

// An image of a window: width x height pixels, row by row, 0xAARRGGBB.
struct WindowImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // One page holding the image scaled to fit, in the orientation chosen in the print dialog.
    virtual void PrintImage(const WindowImage& image, const PrintRequest& request) = 0;
};

}  // namespace brackwell
