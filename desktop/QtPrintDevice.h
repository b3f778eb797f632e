#pragma once
// The printer seam over QPrinter and QPainter, printing to the printer of the session: the one
// chosen in the print dialog, or a PDF file. Each document has a printer of its own, let go
// when the document ends or fails.

#include <QFont>
#include <QPainter>

#include <memory>

#include "desktop/PrinterSession.h"
#include "core/PrintDevice.h"

namespace brackwell {

class QtPrintDevice final : public PrintDevice {
public:
    explicit QtPrintDevice(PrinterSession& printers);
    ~QtPrintDevice() override;

    // One page, the image as large as the printable area allows without distortion, centred
    // across the page and at its top. Throws std::runtime_error when the printer cannot be used.
    void PrintImage(const WindowImage& image, const PrintRequest& request) override;

    // The font system's families. "Courier New" is among them also when the font system
    // stands a fixed-pitch face in for it, which is all a blank-padded printout needs.
    std::vector<std::string> FontNames() const override;
    FontChoice Font() const override { return font_; }
    void SetFont(const FontChoice& font) override { font_ = font; }
    Orientation PageOrientation() const override { return orientation_; }
    void SetPageOrientation(Orientation orientation) override;
    int PageWidthTwips() const override;
    void SetOriginShift(int xTwips, int yTwips) override;
    // The lines are drawn at the left of the printable area, moved by the origin shift.
    void PrintLine(const std::string& text) override;
    void NewPage() override;
    void EndDocument() override;
    void PrintNextToPdf(const std::string& path) override;

private:
    QPainter& Document();
    // The document's printer while one is open, else the session's settings.
    const QPrinter& Printer() const;
    // Ends the open document and lets its printer go; the description of the failure when it
    // could not be finished, else empty.
    std::string CloseDocument();
    double TwipsToDevice(int twips) const;

    PrinterSession& printers_;
    FontChoice font_;
    Orientation orientation_ = Orientation::Portrait;
    int originXTwips_ = 0;
    int originYTwips_ = 0;
    std::unique_ptr<QPrinter> job_;      // while a text document is open
    std::unique_ptr<QPainter> painter_;  // on job_
    double lineTop_ = 0;                 // of the next line, in device pixels below the origin
};

}  // namespace brackwell
