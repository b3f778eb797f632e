#pragma once
// The printer seam over QPrinter and QPainter, printing to the printer of the session: the one
// chosen in the print dialog, or a PDF file.

#include "app/PrinterSession.h"
#include "core/PrintDevice.h"

namespace brackwell {

class QtPrintDevice final : public PrintDevice {
public:
    explicit QtPrintDevice(PrinterSession& printers) : printers_(printers) {}

    // One page, the image as large as the printable area allows without distortion, centred
    // across the page and at its top. Throws std::runtime_error when the printer cannot be used.
    void PrintImage(const WindowImage& image, const PrintRequest& request) override;

private:
    PrinterSession& printers_;
};

}  // namespace brackwell
