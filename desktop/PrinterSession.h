#pragma once
// The printer settings of a run of the organiser's program. The print dialog and the print device
// take the same session, so what the organiser chooses in the dialog (a system printer, a PDF
// file, the orientation) is where and how the next printout goes. Each printout is printed on a
// printer of its own made from these settings, so a printout that fails leaves nothing behind
// that could stop the next one.

#include <QPrinter>
#include <QString>

#include <memory>

namespace brackwell {

// Names a PDF file that printouts go to until the print dialog chooses otherwise: for tests and
// for running without a printer. A file already there is kept (see UnusedPdfPath).
inline constexpr const char* kPrintPdfVariable = "BRACKWELL_PRINT_PDF";

class PrinterSession {
public:
    PrinterSession();
    PrinterSession(const PrinterSession&) = delete;
    PrinterSession& operator=(const PrinterSession&) = delete;

    // The settings, as the print dialog shows and changes them; nothing is painted on it.
    QPrinter& printer() { return settings_; }
    // Sends the printouts to this PDF file instead of a printer, each to a name still free.
    void PrintToPdf(const QString& path);
    // The print dialog was accepted: a PDF file chosen in it (the dialog asked before it
    // replaces one) is written as chosen by the next printout.
    void DialogAccepted();
    // The next printout goes to this PDF file, chosen for it; the ones after it go where the
    // settings say.
    void PrintNextToPdf(const QString& path);

    // A new printer for one printout, set up as the settings say. Throws std::runtime_error with
    // the message's description when there is no printer to print to.
    std::unique_ptr<QPrinter> NewJob();

private:
    QPrinter settings_{QPrinter::HighResolution};
    bool fileChosen_ = false;  // the settings' PDF file was chosen for the next printout
    QString nextPdf_;
};

}  // namespace brackwell
