#include "desktop/PrinterSession.h"

namespace brackwell {

PrinterSession::PrinterSession() {
    const QString pdf = qEnvironmentVariable(kPrintPdfVariable);
    if (!pdf.isEmpty()) PrintToPdf(pdf);
}

void PrinterSession::PrintToPdf(const QString& path) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(path);
}

}  // namespace brackwell
