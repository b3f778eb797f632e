#include "desktop/PrinterSession.h"

#include <QPrinterInfo>

#include <stdexcept>
#include <utility>

#include "desktop/AnsiQt.h"
#include "core/PrintTarget.h"

namespace brackwell {

PrinterSession::PrinterSession() {
    const QString pdf = qEnvironmentVariable(kPrintPdfVariable);
    if (!pdf.isEmpty()) PrintToPdf(pdf);
}

void PrinterSession::PrintToPdf(const QString& path) {
    settings_.setOutputFormat(QPrinter::PdfFormat);
    settings_.setOutputFileName(path);
    fileChosen_ = false;
}

void PrinterSession::DialogAccepted() {
    fileChosen_ = settings_.outputFormat() == QPrinter::PdfFormat && !settings_.outputFileName().isEmpty();
}

void PrinterSession::PrintNextToPdf(const QString& path) { nextPdf_ = path; }

std::unique_ptr<QPrinter> PrinterSession::NewJob() {
    QString pdf = std::exchange(nextPdf_, QString());
    const bool chosen = !pdf.isEmpty() || std::exchange(fileChosen_, false);
    if (pdf.isEmpty() && settings_.outputFormat() == QPrinter::PdfFormat) pdf = settings_.outputFileName();
    if (pdf.isEmpty() && (settings_.outputFormat() == QPrinter::PdfFormat || QPrinterInfo::availablePrinters().isEmpty()))
        throw std::runtime_error(kNoPrinterMessage);

    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (pdf.isEmpty()) {
        job->setOutputFormat(QPrinter::NativeFormat);
        job->setPrinterName(settings_.printerName());
    } else {
        job->setOutputFormat(QPrinter::PdfFormat);
        const std::string path = QStringToPath(pdf);
        job->setOutputFileName(PathToQString(chosen ? path : UnusedPdfPath(path, PathTaken)));
    }
    job->setPageLayout(settings_.pageLayout());
    job->setCopyCount(settings_.copyCount());
    job->setCollateCopies(settings_.collateCopies());
    job->setDuplex(settings_.duplex());
    job->setColorMode(settings_.colorMode());
    job->setPageOrder(settings_.pageOrder());
    job->setFullPage(settings_.fullPage());
    return job;
}

}  // namespace brackwell
