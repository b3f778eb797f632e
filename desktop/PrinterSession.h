#pragma once
// The one printer of a run of the organiser's program. The print dialog and the print device take
// the same session, so what the organiser chooses in the dialog (a system printer, a PDF file,
// the orientation) is where and how the next printout goes.

#include <QPrinter>
#include <QString>

namespace brackwell {

// Names a PDF file that every printout goes to until the print dialog chooses otherwise: for
// tests and for running without a printer.
inline constexpr const char* kPrintPdfVariable = "BRACKWELL_PRINT_PDF";

class PrinterSession {
public:
    PrinterSession();
    PrinterSession(const PrinterSession&) = delete;
    PrinterSession& operator=(const PrinterSession&) = delete;

    QPrinter& printer() { return printer_; }
    // Sends the printouts to this PDF file instead of a printer.
    void PrintToPdf(const QString& path);

private:
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace brackwell
