#pragma once
// The printer as the organiser's program uses it. The Qt implementation prints through QPrinter
// to a system printer or a PDF file; tests record what would be printed.
// A printer that cannot be used throws std::runtime_error with a description for the message box.

#include <cstdint>
#include <string>
#include <vector>

#include "core/Dialogs.h"

namespace brackwell {

// An image of a window: width x height pixels, row by row, 0xAARRGGBB.
struct WindowImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// One inch in twips, the unit of page widths and origin shifts.
inline constexpr int kTwipsPerInch = 1440;

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // One page holding the image scaled to fit, in the orientation chosen in the print dialog.
    virtual void PrintImage(const WindowImage& image, const PrintRequest& request) = 0;

    // --- Text printing: a document of lines, begun by its first line, sent by EndDocument ---

    // The fonts the printer offers, in the order a program walks them (index 0 to count - 1).
    virtual std::vector<std::string> FontNames() const = 0;
    virtual FontChoice Font() const = 0;
    // Takes effect from the next line printed.
    virtual void SetFont(const FontChoice& font) = 0;
    virtual Orientation PageOrientation() const = 0;
    // For the next document; a document already begun keeps its orientation.
    virtual void SetPageOrientation(Orientation orientation) = 0;
    // The width of the whole page in the current orientation.
    virtual int PageWidthTwips() const = 0;
    // Moves the origin of the lines that follow right (x) and down (y), in twips.
    virtual void SetOriginShift(int xTwips, int yTwips) = 0;
    // One line at the left margin below the previous one; a line that does not fit on the page
    // goes to the top of a new one.
    virtual void PrintLine(const std::string& text) = 0;
    virtual void NewPage() = 0;
    // Sends the document to the printer; without a line printed there is nothing to send.
    virtual void EndDocument() = 0;

    // The next document (text or image) goes to this PDF file, replacing a file of that name:
    // the dialog that chose the file has asked. The documents after it go where they went before.
    virtual void PrintNextToPdf(const std::string& path) = 0;
};

}  // namespace brackwell
